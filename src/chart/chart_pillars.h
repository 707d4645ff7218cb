// The four pillars of a chart under its options: which clock each pillar is
// read from and when the day begins.
#pragma once

#include <optional>

#include "chart/chart_moment.h"
#include "chart/chart_options.h"
#include "chart/pillars.h"
#include "chart/solar_clock.h"

namespace veltrane::chart {

struct ChartPillars {
  Pillars pillars;
  std::optional<SolarClock> solar_clock;  // set when a longitude is given
};

// The pillars of a China Standard Time moment (a real date in the plotted
// years). The year and month pillars change at term instants and are read
// from the moment itself; the day and hour pillars from the local solar clock
// when options.longitude is set (a longitude outside −180..180 is clamped, a
// non-finite one ignored). With DayStart::kAtMidnight, 23:00–23:59 keeps its
// own day pillar and takes the 子 hour pillar of the following day.
ChartPillars ChartPillarsOf(const ChartMoment& moment, const ChartOptions& options);

}  // namespace veltrane::chart
