#include "platform/win32/win32_styles.h"

#include <algorithm>
#include <array>

#include "platform/win32/label_paint.h"

namespace veltrane::platform::win32 {

namespace {

template <class T, std::size_t N>
T Pick(const std::array<T, N>& table, int index) {
  return table[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))];
}

constexpr std::array<DWORD, 3> kEditAlign = {ES_LEFT, ES_CENTER, ES_RIGHT};
constexpr std::array<DWORD, 3> kEditCase = {0, ES_LOWERCASE, ES_UPPERCASE};
// Scroll bars of a multi-line box: none, horizontal, vertical, both.
constexpr std::array<DWORD, 4> kEditScrollBars = {0, WS_HSCROLL | ES_AUTOHSCROLL, WS_VSCROLL,
                                                  WS_HSCROLL | ES_AUTOHSCROLL | WS_VSCROLL};
constexpr std::array<DWORD, 3> kButtonH = {BS_LEFT, BS_CENTER, BS_RIGHT};
constexpr std::array<DWORD, 3> kButtonV = {BS_TOP, BS_VCENTER, BS_BOTTOM};
constexpr std::array<DWORD, 3> kComboKinds = {CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST};

}  // namespace

Styles TopWindowStyles(const WindowLook& look) {
  Styles s{WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
  if (look.always_on_top) s.ex_style |= WS_EX_TOPMOST;
  if (look.border_style == 0) {
    s.style |= WS_POPUP;
    return s;
  }
  const bool captioned = !look.caption.empty() || look.control_box;
  s.style |= captioned ? WS_CAPTION : WS_POPUP | WS_DLGFRAME;
  if (look.control_box) {
    s.style |= WS_SYSMENU;
    if (look.minimise_box) s.style |= WS_MINIMIZEBOX;
    if (look.maximise_box) s.style |= WS_MAXIMIZEBOX;
  }
  // 1, 3 and 5 have a resizable frame; 3 and 4 are tool windows; 5 and 6 have a client edge.
  if (look.border_style == 1 || look.border_style == 3 || look.border_style == 5)
    s.style |= WS_THICKFRAME;
  if (look.border_style == 3 || look.border_style == 4) s.ex_style |= WS_EX_TOOLWINDOW;
  if (look.border_style == 5 || look.border_style == 6) s.ex_style |= WS_EX_CLIENTEDGE;
  return s;
}

Styles EditStyles(const EditLook& look) {
  Styles s;
  s.style = Pick(kEditAlign, look.alignment) | Pick(kEditCase, look.case_conversion);
  if (look.multi_line) {
    s.style |=
        ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | Pick(kEditScrollBars, look.scroll_bars);
  } else {
    s.style |= ES_AUTOHSCROLL;
  }
  if (look.read_only) s.style |= ES_READONLY;
  if (look.password) s.style |= ES_PASSWORD;
  if (!look.hide_selection) s.style |= ES_NOHIDESEL;
  if (look.border_style == 5) s.style |= WS_BORDER;
  s.ex_style = BorderExStyle(std::min(look.border_style, 4));
  return s;
}

DWORD ButtonStyle(const ButtonLook& look) {
  return (look.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_MULTILINE |
         Pick(kButtonH, look.h_align) | Pick(kButtonV, look.v_align);
}

DWORD ComboStyle(const ComboLook& look) {
  return Pick(kComboKinds, look.style) | WS_VSCROLL | CBS_AUTOHSCROLL;
}

}  // namespace veltrane::platform::win32
