// The main window's context menu: the ring operations, as their buttons.
#pragma once

#include <vector>

#include "form/form_runtime.h"

namespace veltrane::ui {

// The entries in menu order, each a ring button with its Ctrl shortcut.
std::vector<runtime::MenuItem> RingMenu();

}  // namespace veltrane::ui
