#include "platform/win32/label_paint.h"

#include <algorithm>
#include <array>

#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"

namespace veltrane::platform::win32 {

namespace {

// Border styles 0..6: none, sunken edge, raised frame, shallow sunken edge,
// sunken edge inside a raised frame, single line, gradient border (a line).
constexpr std::array<DWORD, 7> kBorderExStyles = {
    0,
    WS_EX_CLIENTEDGE,
    WS_EX_DLGMODALFRAME,
    WS_EX_STATICEDGE,
    WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME,
    0,
    0,
};

constexpr std::array<UINT, 3> kHorizontal = {DT_LEFT, DT_CENTER, DT_RIGHT};
constexpr std::array<UINT, 3> kVertical = {DT_TOP, DT_VCENTER, DT_BOTTOM};

// The text effect's extra copy: offset in layout pixels and colour; effect 0 has none.
struct EffectCopy {
  int dx = 0;
  int dy = 0;
  COLORREF colour = CLR_INVALID;
};
constexpr std::array<EffectCopy, 4> kEffects = {{
    {},
    {1, 1, RGB(255, 255, 255)},
    {-1, -1, RGB(255, 255, 255)},
    {2, 2, RGB(0, 0, 0)},
}};

}  // namespace

DWORD BorderExStyle(int border_style) {
  return kBorderExStyles[static_cast<std::size_t>(std::clamp(border_style, 0, 6))];
}

COLORREF BackgroundColour(std::uint32_t colour) {
  if (colour == kButtonFace) return GetSysColor(COLOR_BTNFACE);
  return static_cast<COLORREF>(colour & 0x00FFFFFF);
}

void PaintLabel(HDC dc, const RECT& client, const LabelLook& look, HFONT font, int dpi) {
  HBRUSH background = CreateSolidBrush(BackgroundColour(look.background));
  FillRect(dc, &client, background);
  DeleteObject(background);
  const int border = std::clamp(look.border_style, 0, 6);
  if (border >= 5) FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

  // The caption may spill out of its rectangle (only the window clips it), as
  // big rule characters in thin labels rely on.
  UINT flags = kHorizontal[static_cast<std::size_t>(std::clamp(look.h_align, 0, 2))] | DT_NOCLIP |
               DT_NOPREFIX;
  if (look.word_wrap) {
    flags |= DT_WORDBREAK;
  } else {
    flags |= DT_SINGLELINE | kVertical[static_cast<std::size_t>(std::clamp(look.v_align, 0, 2))];
  }
  RECT text = client;
  if (border >= 5) InflateRect(&text, -1, -1);
  const std::wstring caption = WideFromGbk(look.caption);
  const int saved = SaveDC(dc);
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const EffectCopy& copy = kEffects[static_cast<std::size_t>(std::clamp(look.effect, 0, 3))];
  if (copy.colour != CLR_INVALID) {
    RECT shifted = text;
    OffsetRect(&shifted, Scale(copy.dx, dpi), Scale(copy.dy, dpi));
    SetTextColor(dc, copy.colour);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &shifted, flags);
  }
  SetTextColor(dc, static_cast<COLORREF>(look.text_colour & 0x00FFFFFF));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, flags);
  RestoreDC(dc, saved);
}

}  // namespace veltrane::platform::win32
