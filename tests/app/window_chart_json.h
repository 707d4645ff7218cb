// The chart the main window shows, read from its boxes and labels as one
// JSON object (UTF-8): the window's side of the window/tool agreement.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "app/cli_moment.h"
#include "ui/kept_plotting.h"

namespace veltrane::app {

// Reads the plotted chart from the main window's boxes and labels and the
// results the plotting kept (`kept`); `moment` is the moment the chart was plotted for.
//   {"date", "pillars", "term", "yuan", "dun", "ju", "xun", "void_palaces",
//    "horse_palace", "duty_star", "duty_star_palace", "duty_gate",
//    "duty_gate_palace", "palaces": {"1".."9"}, "lunar", and the default
//    "conventions", "input", "instant_utc8" and "solar_clock"}
nlohmann::ordered_json ShownChartJson(const ChartMoment& moment, const ui::KeptPlotting& kept);

// The parts of the term label (标签24), e.g. 冬至:上元 阳遁1局 (UTF-8).
struct TermLabelParts {
  std::string term;
  std::string yuan;  // empty when the day is in no list
  std::string dun;
  int ju = 0;  // |ju|, 1..9
};
TermLabelParts SplitTermLabel(std::string_view utf8);

}  // namespace veltrane::app
