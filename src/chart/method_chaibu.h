// 拆补 (chaibu), the window's rule: the ju follows the term in force at the
// moment, the yuan the day pillar's 符头.
#pragma once

#include "chart/method.h"

namespace veltrane::chart {

// The term in force, the day's yuan and their ju; the input must be valid
// (IsMethodInputValid).
MethodJu ChaibuJu(const MethodInput& input);

}  // namespace veltrane::chart
