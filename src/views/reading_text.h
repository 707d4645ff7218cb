// A reading as text lines under the chart's text table and as the JSON of "reading".
#pragma once

#include <string>
#include <string_view>

#include "chart/script.h"
#include "reading/reading.h"

namespace veltrane::views {

using reading::Finding;
using reading::Reading;

// The detail of a finding in words: "天蓬 旺", "乙 墓 (戌)", "丙", "戌"; "" when it has none. In
// English stars and gates give their full names: "Tianpeng (Canopy) Wang (prosperous)".
std::string FindingDetail(const Finding& finding, chart::Script script = chart::Script::kHans);

// Appends the findings, one line each ("  8宫 青龙返首 [qinglong-fanshou]"), under a heading
// naming the profile, grouped 吉格 / 凶格 / 状态 / 标记; every line ends in `line_end`. The rule
// names and details are in `script`; the ids and the profile's name stay as they are.
void AppendReadingText(std::string& out, const Reading& reading, std::string_view line_end = "\n",
                       chart::Script script = chart::Script::kHans);

// Appends the JSON object of a reading in a fixed order (names and kinds are the rule table's,
// docs/reading.md gives them by id):
//   {"profile", "findings": [{"rule", "palace", "detail"}], "truncated"}
void AppendReadingJson(std::string& out, const Reading& reading);

}  // namespace veltrane::views
