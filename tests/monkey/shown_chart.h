// What the main window shows, compared with a chart computed without it.
#pragma once

#include <string>

#include "chart/plot_chart.h"

namespace veltrane::monkey {

// The date and hour the date boxes show, read as the plotting reads them,
// with `minute`; `ok` is false when a box holds no number.
struct ShownDate {
  bool ok = false;
  chart::ChartMoment date;
};
ShownDate ReadShownDate(int minute);

// "" when every plate box, the pillars box and the term, xun and duty labels
// show `want`; otherwise the first difference.
std::string ShownChartMismatch(const chart::Chart& want);

}  // namespace veltrane::monkey
