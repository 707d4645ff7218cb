// A chart moment as the command line names it: a civil date and a time to
// the minute, in the local time of the chart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/result.h"
#include "chart/plot_chart.h"

namespace veltrane::app {

// The date, hour and minute a chart is plotted for.
using ChartMoment = chart::ChartMoment;

// Reads "YYYY-MM-DD HH:MM" or "YYYY-MM-DDTHH:MM" of a year the plotting
// takes (kFirstPlotYear..kLastPlotYear); the error names what is wrong.
Result<ChartMoment> ParseChartMoment(std::string_view text);

// The moment `minutes` later (or earlier, when negative), across days and years.
ChartMoment AddMinutes(const ChartMoment& moment, std::int64_t minutes);

// Minutes from `from` to `to` (negative when `to` is earlier).
std::int64_t MinutesBetween(const ChartMoment& from, const ChartMoment& to);

// "2001-12-27T04:00".
std::string FormatChartMoment(const ChartMoment& moment);

}  // namespace veltrane::app
