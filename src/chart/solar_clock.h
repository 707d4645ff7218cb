// The local solar time at a longitude of a chart moment: the clock that the
// day and hour pillars are read from when a chart is plotted for a place.
#pragma once

#include "chart/chart_moment.h"
#include "chart/chart_options.h"

namespace veltrane::chart {

// A reading of the local solar clock and how it was made from the moment.
struct SolarClock {
  ChartMoment time;  // the local solar date and time, the minute floored
  int second = 0;    // 0..59, the seconds past that minute (floored)
  // Local mean time minus China Standard Time: (longitude − 120°)·240 s.
  double longitude_correction_seconds = 0;
  // Apparent minus mean solar time; 0 on the mean clock.
  double equation_of_time_seconds = 0;
};

// The local solar time at `longitude_degrees` (east positive, −180..180) of
// a China Standard Time moment: the moment + (longitude − 120°)·240 s, plus
// the equation of time on the apparent clock. The date may fall outside the
// plotted years (1799-12-31 at the first moment far to the west).
SolarClock LocalSolarClock(const ChartMoment& china, double longitude_degrees, SolarTime kind);

}  // namespace veltrane::chart
