// The chart the main window shows, read as a ChartView: what the boxes show
// now, hand-made changes included, with the moment and the results that the
// last plotting kept. 复制排盘 formats it.
#pragma once

#include "base/memory.h"
#include "ui/kept_plotting.h"
#include "views/chart_view.h"

namespace veltrane::ui {

// Reads the shown chart with the results the last plotting kept; a box with no
// selected item gives "".
views::ChartView ReadShownChart(const KeptPlotting& kept);

// The centre text of a juText (GBK): 阳遁3局 gives 阳遁三局; "" or none gives 零.
runtime::HeapText CentreText(const char* ju_text);

}  // namespace veltrane::ui
