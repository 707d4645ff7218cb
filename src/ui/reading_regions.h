// The order in which a reader takes the main window in, for the keyboard.
#pragma once

#include <vector>

#include "platform/platform.h"

namespace veltrane::ui {

// The main window's reading regions: the row of date inputs and buttons under
// the grid first (the window opens on the year box), then the nine palace
// cells row by row, left to right, bounded by the middle of the red rules.
std::vector<platform::Rect> MainWindowReadingRegions();

}  // namespace veltrane::ui
