// The copied chart: a short header and the nine palaces in a 3 × 3 grid drawn
// with box characters, the text that 复制排盘 puts on the clipboard.
#pragma once

#include <string>

#include "views/chart_view.h"

namespace veltrane::views {

// Formats a view as the copied text table (UTF-8, "\r\n" line ends). Every cell
// whose star is the view's centre star (天芮) shows the centre palace's heaven
// stem and 禽 with the star (禽芮).
std::string FormatChartText(const ChartView& view);

}  // namespace veltrane::views
