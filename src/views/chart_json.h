// A computed chart as one JSON object (UTF-8, one line), written straight into
// a growable buffer so that long ranges are not held up by building documents.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calendar/lunar_date.h"
#include "chart/chart_boundaries.h"
#include "chart/chart_options.h"
#include "chart/plot_chart.h"
#include "reading/reading.h"

namespace veltrane::views {

// What every line of a run shares; its JSON texts are made once by the caller.
struct JsonRun {
  std::string_view version = "";        // written as "veltrane"; needs no escaping
  std::string_view conventions = "{}";  // the "conventions" object
  std::string_view zone = "\"UTC+8\"";  // the run's time zone as a JSON string
  chart::SolarTime solar_time = chart::SolarTime::kApparent;
  int near_minutes = chart::kDefaultNearMinutes;  // how near an edge must lie to be listed
};

// The civil time a moment was given as, in the run's zone.
struct JsonInput {
  chart::ChartMoment local;
  int utc_offset_minutes = 480;
  bool ambiguous = false;  // the local time occurs twice
};

// A member a caller adds to a chart's object: its name (written as it stands, so a plain ASCII
// word) and its value, already JSON.
struct JsonMember {
  std::string_view name;
  std::string_view value;
};

// Appends texts as a JSON array of strings.
void AppendJsonStrings(std::string& out, std::span<const std::string> texts);

// Appends the object of `chart`, plotted for `moment` (UTC+8), without a line end:
//   {"veltrane" (the version), "date", "pillars", "term", "yuan", "dun", "ju", "xun",
//    "void_palaces", "horse_palace", "duty_star", "duty_star_palace", "duty_gate",
//    "duty_gate_palace", "palaces": {"1".."9"}, "lunar", "conventions",
//    "input", "instant_utc8", "solar_clock", "boundaries", "reading" (with a reading)}
// A field with no item (an index outside its list) is null; `lunar` is null
// when the date lies outside the lunar tables.
// "input" is the civil time the moment was given as (without `input`, the
// moment itself in UTC+8): {"date", "time_zone", "utc_offset_minutes", "ambiguous"};
// "solar_clock" is the clock of the day and hour pillars:
//   {"kind": "standard"|"mean"|"apparent", "time", "longitude_correction_seconds",
//    "equation_of_time_seconds"}.
// "reading" is the chart's reading as AppendReadingJson writes it; the `extra` members follow
// it, last, in their order.
// "boundaries" gives the chart's edges (UTC+8 instants to the second) and,
// under "near", those within the run's near_minutes with their signed
// distance in minutes:
//   {"term": {"name", "start", "source": "table"|"formula"}, "next_term": {…},
//    "yuan": {"head", "start", "next_head", "next"}, "hour": {"branch", "start", "end"},
//    "near": [{"edge", "minutes"}], "term_uncertainty_seconds"}
void AppendChartJson(std::string& out, const chart::ChartMoment& moment, const chart::Chart& chart,
                     const std::optional<calendar::LunarDate>& lunar,
                     const chart::ChartBoundaries& boundaries, const JsonRun& run,
                     const JsonInput* input = nullptr, const reading::Reading* reading = nullptr,
                     std::span<const JsonMember> extra = {});

}  // namespace veltrane::views
