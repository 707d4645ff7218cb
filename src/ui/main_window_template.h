// The main window as the window template stores it: the window's own record
// and its 109 controls, in template order.
#pragma once

#include <cstdint>
#include <vector>

#include "form/template/window_template.h"

namespace veltrane::ui {

// The main window's description: units[0] is the window, then the controls in
// template order (earlier above later in the stacking order).
runtime::WindowDescription MainWindowDescription();

// The template stream that the program hands to the form runtime.
std::vector<std::uint8_t> MainWindowTemplate();

}  // namespace veltrane::ui
