// Window styles of the controls, from their stored looks.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace veltrane::platform::win32 {

struct Styles {
  DWORD style = 0;
  DWORD ex_style = 0;
};

Styles TopWindowStyles(const WindowLook& look);
Styles EditStyles(const EditLook& look);
DWORD ButtonStyle(const ButtonLook& look);
DWORD ComboStyle(const ComboLook& look);

}  // namespace veltrane::platform::win32
