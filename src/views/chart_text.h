// The copied chart: a short header and the nine palaces in a 3 × 3 grid drawn
// with box characters, the text that 复制排盘 puts on the clipboard, in the
// window's 简体 or in another script.
#pragma once

#include <string>

#include "chart/script.h"
#include "views/chart_view.h"

namespace veltrane::views {

// Formats a view as the copied text table (UTF-8, "\r\n" line ends). Every cell
// whose star is the view's centre star (天芮) shows the centre palace's heaven
// stem and 禽 with the star (禽芮). The view's texts are in `script`; each
// column of the grid is as wide as its widest line (East Asian wide characters
// count two columns, and in Chinese the box characters too), so that an
// English table aligns as the Chinese one does. The 简体 table is the window's:
// six full-width characters a cell, as it has always been.
std::string FormatChartText(const ChartView& view, chart::Script script = chart::Script::kHans);

// The header's date line without its line end: 公历时间：2001年12月27日4时0分,
// Time: 2001-12-27 04:00.
std::string DateLineOf(const ChartView& view, chart::Script script);

// The header's pillars line without its line end: 干支：辛巳庚子甲子丙寅.
std::string PillarsLineOf(const ChartView& view, chart::Script script);

}  // namespace veltrane::views
