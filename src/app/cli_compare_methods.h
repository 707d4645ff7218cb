// Where the chart-setting methods disagree over a range: for each moment at
// which 拆补, 置闰 and 茅山 do not all give the same yuan and ju, one JSON line
// with each method's term, yuan, dun and ju.
#pragma once

#include <cstdio>
#include <string>

#include "app/cli_chart_json.h"
#include "app/cli_options.h"

namespace veltrane::app {

// Appends, when the methods disagree in yuan or ju at `moment` (plotted with
// the conventions' options, whose method is not read), its line:
//   {"veltrane","date","methods":{"chaibu":{"term","yuan","dun","ju"},"zhirun":…,"maoshan":…},
//    "conventions":{"day_start","centre_palace","time_zone","longitude","solar_time"}}
// and "\n"; appends nothing when they agree.
void AppendMethodComparison(std::string& out, const ChartMoment& moment,
                            const RunConventions& conventions);

// Writes the comparison line of every moment of a range where the methods
// disagree to `out`, in moment order, on `jobs` threads. Returns false when
// writing failed.
bool WriteMethodComparison(const ChartRange& range, const RunConventions& conventions, int jobs,
                           std::FILE* out);

}  // namespace veltrane::app
