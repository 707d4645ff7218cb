#include "chart/plot_lookups.h"

#include "chart/pillars.h"

namespace veltrane::chart {
namespace {

static_assert(XunBranch(0) == 1 && XunBranch(1) == 11 && XunBranch(5) == 3);
static_assert(InstrumentOfStem(1) == -1 && InstrumentOfStem(5) == 8 && InstrumentOfStem(10) == 3);
static_assert(XunOfGanZhi(60) == 5 && XunOfGanZhi(12) == 1 && XunOfGanZhi(1) == 0);

}  // namespace

}  // namespace veltrane::chart
