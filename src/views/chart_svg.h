// A computed chart as an SVG drawing (UTF-8): the nine palaces laid out as the
// window lays them (4 9 2 / 3 5 7 / 8 1 6) with its boxes, rules, captions and
// colours, the centre palace's texts and a header with the date and pillars.
#pragma once

#include <string>

#include "chart/plot_chart.h"
#include "chart/script.h"

namespace veltrane::views {

// Returns the SVG document of a chart in a script, ending with a line end.
std::string FormatChartSvg(const chart::Chart& chart, chart::Script script = chart::Script::kHans);

}  // namespace veltrane::views
