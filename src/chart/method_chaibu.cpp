#include "chart/method_chaibu.h"

namespace veltrane::chart {

MethodJu ChaibuJu(const MethodInput& input) { return ChaibuJu(input, TermStartAt(input.moment)); }

}  // namespace veltrane::chart
