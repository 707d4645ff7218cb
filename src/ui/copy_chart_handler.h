// CopyChartText: copies the chart the window shows to the clipboard as a text
// table (按钮9 "复制排盘").
#pragma once

namespace veltrane::ui {

void CopyChartText();

}  // namespace veltrane::ui
