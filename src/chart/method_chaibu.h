// 拆补 (chaibu), the window's rule: the ju follows the term in force at the
// moment, the yuan the day pillar's 符头.
#pragma once

#include "chart/method.h"
#include "chart/method_terms.h"

namespace veltrane::chart {

// The term in force, the day's yuan and their ju; the input must be valid
// (IsMethodInputValid).
MethodJu ChaibuJu(const MethodInput& input);

// The same, with the term in force at input.moment already found (TermStartAt).
inline MethodJu ChaibuJu(const MethodInput& input, const TermStart& in_force) {
  return MethodJuOf(SolarTermOfOrdinal(in_force.term), YuanOfDayGanZhi(input.day_ganzhi));
}

}  // namespace veltrane::chart
