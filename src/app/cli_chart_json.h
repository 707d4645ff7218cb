// The JSON lines of veltrane-chart: the run's conventions, the lunar date and
// the boundaries worked out for each chart, written by the views' JSON writer.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "app/cli_moment.h"
#include "app/cli_options.h"
#include "app/cli_zone.h"
#include "calendar/lunar_date.h"
#include "chart/chart_boundaries.h"
#include "chart/plot_chart.h"
#include "reading/reading.h"
#include "views/chart_json.h"

namespace veltrane::app {

// The conventions of a run: the chart options, the time zone its dates are
// typed in ("" for China Standard Time) and how near an edge must lie to be
// reported, with the JSON of the first two made once.
class RunConventions {
 public:
  explicit RunConventions(const chart::ChartOptions& options = {}, std::string zone = {},
                          int near_minutes = kDefaultNearMinutes,
                          const reading::ReadingProfile& profile = reading::ClassicProfile());
  const chart::ChartOptions& options() const { return options_; }
  const std::string& zone() const { return zone_; }
  int near_minutes() const { return near_minutes_; }
  // The profile every chart's "reading" follows.
  const reading::ReadingProfile& profile() const { return profile_; }
  // {"method","day_start","centre_palace","time_zone","longitude","solar_time"}
  const std::string& json() const { return json_; }
  // The same without "method", for lines that compare every method.
  const std::string& json_without_method() const { return json_without_method_; }
  // The zone as a JSON string: "UTC+8" without a zone.
  const std::string& zone_json() const { return zone_json_; }

 private:
  chart::ChartOptions options_;
  std::string zone_;
  int near_minutes_ = kDefaultNearMinutes;
  reading::ReadingProfile profile_;
  std::string json_;
  std::string json_without_method_;
  std::string zone_json_;
};

// The conventions of a run without options.
const RunConventions& DefaultConventions();

// Appends the object of `chart`, plotted for `moment` (UTC+8), without a line end:
//   {"veltrane" (the version), "date", "pillars", "term", "yuan", "dun", "ju", "xun",
//    "void_palaces", "horse_palace", "duty_star", "duty_star_palace", "duty_gate",
//    "duty_gate_palace", "palaces": {"1".."9"}, "lunar", "conventions",
//    "input", "instant_utc8", "solar_clock", "boundaries"}
// A field with no item (an index outside its list) is null; `lunar` is null
// when the date lies outside the lunar tables.
// "conventions" names every chart option in force; "input" is the civil time
// the moment was given as in the run's zone (without `input`, the moment
// itself): {"date", "time_zone", "utc_offset_minutes", "ambiguous"};
// "solar_clock" is the clock of the day and hour pillars:
//   {"kind": "standard"|"mean"|"apparent", "time", "longitude_correction_seconds",
//    "equation_of_time_seconds"}.
// "boundaries" gives the chart's edges (UTC+8 instants to the second) and,
// under "near", those within the run's near_minutes with their signed
// distance in minutes:
//   {"term": {"name", "start", "source": "table"|"formula"}, "next_term": {…},
//    "yuan": {"head", "start", "next_head", "next"}, "hour": {"branch", "start", "end"},
//    "near": [{"edge", "minutes"}], "term_uncertainty_seconds"}
// "reading" is the chart's reading under the run's profile:
//   {"profile", "findings": [{"rule", "palace", "detail"}], "truncated"}
// and the `extra` members come last.
void AppendChartJson(std::string& out, const ChartMoment& moment, const chart::Chart& chart,
                     const std::optional<calendar::LunarDate>& lunar,
                     const chart::ChartBoundaries& boundaries,
                     const RunConventions& conventions = DefaultConventions(),
                     const ZonedMoment* input = nullptr,
                     std::span<const views::JsonMember> extra = {});

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

// The JSON line (object and "\n") of the chart of one moment (UTC+8) under a
// run's conventions, given as `input` (see AppendChartJson).
std::string ChartJsonLine(const ChartMoment& moment,
                          const RunConventions& conventions = DefaultConventions(),
                          const ZonedMoment* input = nullptr);

}  // namespace veltrane::app
