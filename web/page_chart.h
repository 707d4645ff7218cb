// The page's chart: one moment under the page's options, computed by the
// chart core and given to the page as one JSON object of its views.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_moment.h"
#include "chart/chart_options.h"

namespace veltrane::web {

// What the page asks for: the instant (UTC+8) and how it was typed.
struct PageRequest {
  chart::ChartMoment moment;    // the instant in China Standard Time
  chart::ChartOptions options;  // method, day start, centre palace, solar clock
  std::string zone;             // IANA zone the date was typed in ("" = UTC+8)
  chart::ChartMoment local;     // the typed civil time in that zone
  int offset_minutes = 480;     // the zone's offset from UTC at that time
  bool ambiguous = false;       // the typed time occurs twice in its zone
  int near_minutes = 10;        // how close an edge must lie to be noted
  std::string profile;          // the reading profile's name ("" = the default)
};

// The page's answer, one JSON object (UTF-8):
//   {"chart": the object `veltrane-chart --json` prints, "text": the copied
//    text table, "notes": the near-edge notes, "window": the texts the window's
//    centre labels show, "view": the palaces' texts and marks, "reading":
//    {"profile", "findings": [{"rule", "name", "kind", "kind_text", "palace",
//    "detail", "line", "source": {"book", "chapter", "quote", "note"}}],
//    "truncated"}}
// or {"error": "..."} when the request names a moment the plotting does not take.
std::string PageChartJson(const PageRequest& request);

// The reading profiles: [{"name", "description"}], the default first.
std::string ProfilesJson();

}  // namespace veltrane::web
