// PlotChart: plots the hour chart of the date in the date boxes (按钮8 "自动排盘").
#pragma once

namespace veltrane::ui {

void PlotChart();

}  // namespace veltrane::ui
