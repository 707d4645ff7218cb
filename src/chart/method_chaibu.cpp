#include "chart/method_chaibu.h"

#include "chart/method_terms.h"

namespace veltrane::chart {

MethodJu ChaibuJu(const MethodInput& input) {
  const SolarTerm term = SolarTermOfOrdinal(TermInForceAt(input.moment));
  return MethodJuOf(term, YuanOfDayGanZhi(input.day_ganzhi));
}

}  // namespace veltrane::chart
