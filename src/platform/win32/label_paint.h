// How a label paints itself: background, border, then the caption drawn
// transparently, the text effect's extra copy first.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace veltrane::platform::win32 {

// The extended window styles of a label's or an edit box's border style 0..6.
DWORD BorderExStyle(int border_style);

// A background COLORREF as a GDI colour; kButtonFace is the system button face.
COLORREF BackgroundColour(std::uint32_t colour);

// Paints a label's whole client area (the border is the frame's, by its styles).
void PaintLabel(HDC dc, const RECT& client, const LabelLook& look, HFONT font, int dpi);

}  // namespace veltrane::platform::win32
