// The page's chart: one moment under the page's options, computed by the
// chart core and given to the page as one JSON object of its views.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_boundaries.h"
#include "chart/chart_moment.h"
#include "chart/chart_options.h"

namespace veltrane::web {

// What the page asks for: the instant (UTC+8) and how it was typed.
struct PageRequest {
  chart::ChartMoment moment;                      // the instant in China Standard Time
  chart::ChartOptions options;                    // method, day start, centre palace, solar clock
  std::string zone;                               // IANA zone the date was typed in ("" = UTC+8)
  chart::ChartMoment local;                       // the typed civil time in that zone
  int offset_minutes = 480;                       // the zone's offset from UTC at that time
  bool ambiguous = false;                         // the typed time occurs twice in its zone
  int near_minutes = chart::kDefaultNearMinutes;  // how close an edge must lie to be noted
  std::string profile;                            // the reading profile's name ("" = the default)
};

// The page's options as its form and link name them: each option's word.
struct PageOptionWords {
  std::string_view method;
  std::string_view day_start;
  std::string_view centre_palace;
  std::string_view solar_time;
};

// The chart options the words name, the solar clock only with a longitude
// (NaN for none, else -180..180); nullopt when a word or the longitude is none
// of its option's.
std::optional<chart::ChartOptions> ChartOptionsOfWords(const PageOptionWords& words,
                                                       double longitude);

// The page's answer, one JSON object (UTF-8):
//   {"chart": the object `veltrane-chart --json` prints (`version` names the
//    program), "text": the copied text table, "svg": the drawing, "notes": the
//    near-edge notes, "window": the texts of the window's centre labels, "view":
//    the palaces' texts and marks, "reading": {"profile", "findings": [{"rule",
//    "name", "kind", "kind_text", "palace", "detail", "line", "source": {"book",
//    "chapter", "quote", "note"}}], "truncated"} (the chart's reading, each
//    finding with its rule)}
// or {"error": "..."} when the request names a moment the plotting does not
// take, a profile there is not, or near minutes outside 0..1440.
std::string PageChartJson(const PageRequest& request, std::string_view version);

// The page's options: for each convention key (and "profile", "near_minutes"),
// {"default", "choices": [{"word", "text"}]}; "time_zone" ({"default": its word})
// and "near_minutes" ({"default": a number}) have no choices.
std::string PageOptionsJson();

}  // namespace veltrane::web
