// OnMainWindowCreated: fills the chart tables, writes the clock's date and
// hour into the date boxes and plots the first chart.
#pragma once

#include "ui/window_state.h"

namespace veltrane::ui {

void OnMainWindowCreated(WindowState& state);

}  // namespace veltrane::ui
