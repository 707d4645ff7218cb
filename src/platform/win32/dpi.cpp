#include "platform/win32/dpi.h"

namespace veltrane::platform::win32 {

namespace {

// GetDpiForWindow exists from Windows 10 (1607) on; older systems have one DPI.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn DpiForWindowEntry() {
  static const auto entry = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    FARPROC proc = user32 != nullptr ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
    return reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(proc));
  }();
  return entry;
}

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : kLayoutDpi;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kLayoutDpi;
}

int DpiOfWindow(HWND window) {
  if (GetDpiForWindowFn entry = DpiForWindowEntry(); entry != nullptr && window != nullptr) {
    const UINT dpi = entry(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

}  // namespace veltrane::platform::win32
