// OnMainWindowCreated: fills the chart tables, writes the clock's date and
// hour into the date boxes and plots the first chart.
#pragma once

namespace veltrane::ui {

void OnMainWindowCreated();

}  // namespace veltrane::ui
