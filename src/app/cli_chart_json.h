// A computed chart as one JSON object (UTF-8, one line), written straight into
// a buffer so that long ranges are not held up by building documents.
#pragma once

#include <optional>
#include <string>

#include "app/cli_moment.h"
#include "app/cli_options.h"
#include "calendar/lunar_date.h"
#include "chart/chart_boundaries.h"
#include "chart/plot_chart.h"

namespace veltrane::app {

// Appends the object of `chart`, plotted for `moment`, without a line end:
//   {"veltrane" (the version), "date", "pillars", "term", "yuan", "dun", "ju", "xun",
//   "void_palaces",
//    "horse_palace", "duty_star", "duty_star_palace", "duty_gate",
//    "duty_gate_palace", "palaces": {"1".."9"}, "lunar", "boundaries"}
// A field with no item (an index outside its list) is null; `lunar` is null
// when the date lies outside the lunar tables. "boundaries" gives the chart's
// edges (UTC+8 instants to the second) and, under "near", those within
// near_minutes with their signed distance in minutes:
//   {"term": {"name", "start", "source": "table"|"formula"}, "next_term": {…},
//    "yuan": {"head", "start", "next_head", "next"}, "hour": {"branch", "start", "end"},
//    "near": [{"edge", "minutes"}], "term_uncertainty_seconds"}
void AppendChartJson(std::string& out, const ChartMoment& moment, const chart::Chart& chart,
                     const std::optional<calendar::LunarDate>& lunar,
                     const chart::ChartBoundaries& boundaries,
                     int near_minutes = kDefaultNearMinutes);

// The lunar date of a moment's day. A range asks for the same day many times
// and for the following days next: the day and its lunar month are kept, and a
// later day of that month is counted on instead of converted afresh.
class LunarDayCache {
 public:
  const std::optional<calendar::LunarDate>& Of(const ChartMoment& moment);

 private:
  bool known_ = false;
  int year_ = 0;          // Gregorian year of the kept day
  int day_number_ = 0;    // of the kept day, from 1899-12-30
  int month_length_ = 0;  // of the kept day's lunar month
  std::optional<calendar::LunarDate> lunar_;
};

// The JSON line (object and "\n") of the chart of one moment.
std::string ChartJsonLine(const ChartMoment& moment, int near_minutes = kDefaultNearMinutes,
                          const chart::ChartOptions& options = {});

}  // namespace veltrane::app
