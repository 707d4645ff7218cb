// Geometry at the Win32 edge: the runtime lays out in pixels at 96 dots per
// inch; a per-monitor-aware program scales them by its window's monitor.
#pragma once

#include <windows.h>

namespace veltrane::platform::win32 {

inline constexpr int kLayoutDpi = 96;

// Layout pixels as device pixels at dpi, and back (rounded).
inline int Scale(int value, int dpi) { return MulDiv(value, dpi, kLayoutDpi); }
inline int Unscale(int value, int dpi) { return MulDiv(value, kLayoutDpi, dpi); }

// The DPI of the monitor a window is on (the system's DPI where the system
// cannot tell per window).
int DpiOfWindow(HWND window);

// The DPI of the primary monitor, for what is made before it has a window.
int SystemDpi();

}  // namespace veltrane::platform::win32
