#include "chart/method_chaibu.h"

namespace veltrane::chart {

MethodJu ChaibuJu(const MethodInput& input) { return ChaibuJu(input, TermStartAt(input.moment)); }

MethodJu ChaibuJu(const MethodInput& input, const TermStart& in_force) {
  return MethodJuOf(SolarTermOfOrdinal(in_force.term), YuanOfDayGanZhi(input.day_ganzhi));
}

}  // namespace veltrane::chart
