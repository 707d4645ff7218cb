// PlotChart: plots the hour chart of the date in the date boxes (按钮8 "自动排盘").
#pragma once

#include "ui/window_state.h"

namespace veltrane::ui {

void PlotChart(WindowState& state);

}  // namespace veltrane::ui
