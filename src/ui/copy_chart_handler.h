// CopyChartText: copies the chart the window shows to the clipboard as a text
// table (按钮9 "复制排盘").
#pragma once

#include "ui/window_state.h"

namespace veltrane::ui {

void CopyChartText(WindowState& state);

}  // namespace veltrane::ui
