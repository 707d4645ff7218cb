#include "platform/win32/win32_platform.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/win32/dpi.h"
#include "platform/win32/label_paint.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_styles.h"

namespace veltrane::platform {

using win32::Scale;
using win32::Unscale;

namespace {

constexpr const wchar_t* kTopClass = L"VeltraneWindow";
constexpr const wchar_t* kLabelClass = L"VeltraneLabel";
// Width of an edit box's up-down control, in layout pixels.
constexpr int kSpinWidth = 18;
// The up-down control sits in the middle of this range, so both arrows always report.
constexpr int kSpinRangeMax = 2;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

void RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = Instance();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));
  wc.hbrBackground = nullptr;  // each paints its own background
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

// The platform of a window of one of our classes, kept from its creation.
Win32Platform* PlatformOf(HWND hwnd, UINT message, LPARAM lp) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

std::wstring WindowText(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(std::max(n, 0)) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

// The rectangle of a window in its parent's client coordinates (device pixels).
RECT RectInParent(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  if (HWND parent = GetParent(hwnd);
      parent != nullptr && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

}  // namespace

Win32Platform::Win32Platform() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  RegisterWindowClass(kTopClass, &TopProc, 0);
  RegisterWindowClass(kLabelClass, &LabelProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  clipboard_owner_ =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, Instance(), nullptr);
}

Win32Platform::~Win32Platform() {
  sink_ = nullptr;
  for (auto& [handle, entry] : entries_) {
    if (entry.kind == Kind::kWindow && IsWindow(entry.hwnd)) DestroyWindow(entry.hwnd);
  }
  if (clipboard_owner_ != nullptr) DestroyWindow(clipboard_owner_);
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
}

// --- Bookkeeping -------------------------------------------------------------

Handle Win32Platform::Register(Kind kind, HWND hwnd, Handle parent) {
  const Handle handle = next_handle_++;
  Entry entry;
  entry.kind = kind;
  entry.hwnd = hwnd;
  entry.parent = parent;
  entries_.emplace(handle, entry);
  by_hwnd_[hwnd] = handle;
  return handle;
}

Win32Platform::Entry* Win32Platform::Find(Handle handle) {
  const auto it = entries_.find(handle);
  return it == entries_.end() ? nullptr : &it->second;
}

const Win32Platform::Entry* Win32Platform::Find(Handle handle) const {
  const auto it = entries_.find(handle);
  return it == entries_.end() ? nullptr : &it->second;
}

Win32Platform::Entry* Win32Platform::FindOf(Handle handle, Kind kind) {
  Entry* entry = Find(handle);
  return entry != nullptr && entry->kind == kind ? entry : nullptr;
}

HWND Win32Platform::WindowOf(Handle handle) const {
  const Entry* entry = Find(handle);
  return entry == nullptr ? nullptr : entry->hwnd;
}

HWND Win32Platform::SpinOf(Handle edit) const {
  const Entry* entry = Find(edit);
  return entry == nullptr ? nullptr : entry->spin;
}

Handle Win32Platform::HandleOf(HWND hwnd) const {
  const auto it = by_hwnd_.find(hwnd);
  return it == by_hwnd_.end() ? 0 : it->second;
}

HWND Win32Platform::ParentFor(const CreateParams& params) const { return WindowOf(params.parent); }

int Win32Platform::DpiOf(const Entry& entry) const {
  if (entry.kind == Kind::kWindow) return entry.dpi;
  const Entry* parent = Find(entry.parent);
  return parent != nullptr ? DpiOf(*parent) : win32::SystemDpi();
}

HFONT Win32Platform::FontOf(const Entry& entry) { return fonts_.Get(entry.font, DpiOf(entry)); }

HBRUSH Win32Platform::BrushOf(std::uint32_t colour) {
  if (colour == kButtonFace) return GetSysColorBrush(COLOR_BTNFACE);
  auto [it, made] = brushes_.try_emplace(colour, nullptr);
  if (made) it->second = CreateSolidBrush(win32::BackgroundColour(colour));
  return it->second;
}

// --- Creation ----------------------------------------------------------------

Handle Win32Platform::CreateTopWindow(const CreateParams& params, const WindowLook& look) {
  const win32::Styles styles = win32::TopWindowStyles(look);
  const int dpi = win32::SystemDpi();
  const Rect& r = params.rect;
  const std::wstring caption = win32::WideFromGbk(look.caption);
  HWND hwnd =
      CreateWindowExW(styles.ex_style, kTopClass, caption.c_str(), styles.style, Scale(r.left, dpi),
                      Scale(r.top, dpi), Scale(std::max(0, r.width), dpi),
                      Scale(std::max(0, r.height), dpi), nullptr, nullptr, Instance(), this);
  if (hwnd == nullptr) return 0;
  const Handle handle = Register(Kind::kWindow, hwnd, 0);
  Entry& entry = *Find(handle);
  entry.window = look;
  entry.rect = r;
  entry.dpi = win32::DpiOfWindow(hwnd);
  if (entry.dpi != dpi) SetRect(handle, r);
  if (!look.closable) DeleteMenu(GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(entry)), FALSE);
  if (params.disabled) EnableWindow(hwnd, FALSE);
  return handle;
}

Win32Platform::Child Win32Platform::AddChild(Kind kind, const wchar_t* window_class, DWORD style,
                                             DWORD ex_style, const CreateParams& params) {
  HWND parent = ParentFor(params);
  if (parent == nullptr) return {};
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (params.tab_stop) style |= WS_TABSTOP;
  if (params.disabled) style |= WS_DISABLED;
  // Controls start hidden, at no size: PlaceChild gives them their place.
  HWND hwnd = CreateWindowExW(ex_style, window_class, L"", style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.child_id)),
                              Instance(), this);
  if (hwnd == nullptr) return {};
  const Handle handle = Register(kind, hwnd, params.parent);
  return {handle, Find(handle)};
}

Handle Win32Platform::CreateLabel(const CreateParams& params, const LabelLook& look) {
  const Child child =
      AddChild(Kind::kLabel, kLabelClass, 0, win32::BorderExStyle(look.border_style), params);
  if (child.entry == nullptr) return 0;
  Entry& entry = *child.entry;
  entry.label = look;
  entry.font = look.font;
  PlaceChild(entry, params.rect);
  return child.handle;
}

Handle Win32Platform::CreateEdit(const CreateParams& params, const EditLook& look) {
  const win32::Styles styles = win32::EditStyles(look);
  const Child child = AddChild(Kind::kEdit, L"EDIT", styles.style, styles.ex_style, params);
  if (child.entry == nullptr) return 0;
  Entry& entry = *child.entry;
  SetWindowSubclass(entry.hwnd, &EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  entry.rect = params.rect;
  ApplyEditLook(child.handle, entry, look);
  if (entry.spin != nullptr) {
    SetWindowLongPtrW(entry.spin, GWLP_ID, params.child_id + 4);
    if (params.disabled) EnableWindow(entry.spin, FALSE);
  }
  PlaceChild(entry, params.rect);
  return child.handle;
}

void Win32Platform::ApplyEditLook(Handle handle, Entry& entry, const EditLook& look) {
  entry.font = look.font;
  entry.text_colour = look.text_colour;
  entry.background = look.background;
  entry.max_length = look.max_length;
  HWND hwnd = entry.hwnd;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(entry)), TRUE);
  // No inner margins: a four-digit year fills the 32-pixel box in any Chinese face.
  SendMessageW(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  SendMessageW(hwnd, EM_SETREADONLY, look.read_only ? TRUE : FALSE, 0);
  SendMessageW(hwnd, EM_SETPASSWORDCHAR, look.password ? static_cast<WPARAM>(look.mask) : 0, 0);
  // The byte limit is checked as characters are typed; this bounds pasted text too.
  SendMessageW(hwnd, EM_SETLIMITTEXT, look.max_length > 0 ? look.max_length : 0, 0);
  const bool wanted = look.spin_mode != 0 && !look.multi_line;
  if (!wanted && entry.spin != nullptr) {
    spins_.erase(entry.spin);
    DestroyWindow(entry.spin);
    entry.spin = nullptr;
  } else if (wanted && entry.spin == nullptr) {
    // A shallow sunken edge for the box's border styles 0, 1 and 3.
    const bool edged = look.border_style == 0 || look.border_style == 1 || look.border_style == 3;
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    DWORD spin_style = WS_CHILD | WS_CLIPSIBLINGS | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (style & WS_VISIBLE) spin_style |= WS_VISIBLE;
    if (style & WS_DISABLED) spin_style |= WS_DISABLED;
    const int id = GetDlgCtrlID(hwnd) + 4;
    entry.spin = CreateWindowExW(
        edged ? WS_EX_STATICEDGE : 0, UPDOWN_CLASSW, nullptr, spin_style, 0, 0, 0, 0,
        GetParent(hwnd), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Instance(), nullptr);
    if (entry.spin != nullptr) {
      // The buddy lets the Up and Down keys in the box press the arrows; the
      // control never writes the box (no buddy-integer style).
      SendMessageW(entry.spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd), 0);
      SendMessageW(entry.spin, UDM_SETRANGE32, 0, kSpinRangeMax);
      SendMessageW(entry.spin, UDM_SETPOS32, 0, kSpinRangeMax / 2);
      SetWindowPos(entry.spin, hwnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      SetWindowPos(hwnd, entry.spin, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      spins_[entry.spin] = handle;
    }
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

Handle Win32Platform::CreateButton(const CreateParams& params, const ButtonLook& look) {
  const Child child = AddChild(Kind::kButton, L"BUTTON", win32::ButtonStyle(look), 0, params);
  if (child.entry == nullptr) return 0;
  Entry& entry = *child.entry;
  entry.font = look.font;
  SetWindowTextW(entry.hwnd, win32::WideFromGbk(look.caption).c_str());
  SendMessageW(entry.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(entry)), FALSE);
  PlaceChild(entry, params.rect);
  return child.handle;
}

Handle Win32Platform::CreateComboBox(const CreateParams& params, const ComboLook& look) {
  const Child child = AddChild(Kind::kCombo, L"COMBOBOX", win32::ComboStyle(look), 0, params);
  if (child.entry == nullptr) return 0;
  Entry& entry = *child.entry;
  HWND hwnd = entry.hwnd;
  entry.font = look.font;
  entry.text_colour = look.text_colour;
  entry.background = look.background;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(entry)), FALSE);
  SendMessageW(hwnd, CB_LIMITTEXT, look.max_length > 0 ? look.max_length : 0, 0);
  ApplyComboItems(entry, look);
  const LRESULT item = SendMessageW(hwnd, CB_GETITEMHEIGHT, 0, 0);
  if (item != CB_ERR) {
    SendMessageW(hwnd, CB_SETITEMHEIGHT, 0, std::max<LRESULT>(1, item + look.extra_item_height));
  }
  PlaceChild(entry, params.rect);
  return child.handle;
}

void Win32Platform::ApplyComboItems(Entry& entry, const ComboLook& look) {
  HWND hwnd = entry.hwnd;
  std::vector<std::wstring> items;
  items.reserve(look.items.size());
  for (const std::string& item : look.items) items.push_back(win32::WideFromGbk(item));
  const auto count =
      static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(hwnd, CB_GETCOUNT, 0, 0)));
  bool same = count == items.size();
  for (std::size_t i = 0; same && i < count; ++i) {
    const LRESULT n = SendMessageW(hwnd, CB_GETLBTEXTLEN, i, 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(n, 0)) + 1, L'\0');
    SendMessageW(hwnd, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(n, 0)));
    same = text == items[i];
  }
  if (same) return;
  const LRESULT selection = SendMessageW(hwnd, CB_GETCURSEL, 0, 0);
  SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : items) {
    SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  const LRESULT last = static_cast<LRESULT>(items.size()) - 1;
  SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(std::min(selection, last)), 0);
}

void Win32Platform::Destroy(Handle handle) {
  Entry* entry = Find(handle);
  if (entry == nullptr) return;
  HWND hwnd = entry->hwnd;
  // The handles of the window's descendants go with it.
  std::vector<Handle> gone;
  for (const auto& [h, e] : entries_) {
    if (e.hwnd == hwnd || IsChild(hwnd, e.hwnd)) gone.push_back(h);
  }
  for (const Handle h : gone) {
    Entry& e = entries_.at(h);
    if (e.spin != nullptr) {
      spins_.erase(e.spin);
      DestroyWindow(e.spin);
    }
    by_hwnd_.erase(e.hwnd);
    entries_.erase(h);
  }
  DestroyWindow(hwnd);
}

// --- Looks -------------------------------------------------------------------

void Win32Platform::SetWindowLook(Handle window, const WindowLook& look) {
  Entry* entry = FindOf(window, Kind::kWindow);
  if (entry == nullptr) return;
  const win32::Styles styles = win32::TopWindowStyles(look);
  const LONG_PTR kept = GetWindowLongPtrW(entry->hwnd, GWL_STYLE) &
                        (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
  SetWindowLongPtrW(entry->hwnd, GWL_STYLE, static_cast<LONG_PTR>(styles.style) | kept);
  SetWindowLongPtrW(entry->hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(styles.ex_style));
  SetWindowPos(entry->hwnd, look.always_on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetWindowTextW(entry->hwnd, win32::WideFromGbk(look.caption).c_str());
  GetSystemMenu(entry->hwnd, TRUE);  // back to the full menu, then take Close away if asked
  if (!look.closable) DeleteMenu(GetSystemMenu(entry->hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
  entry->window = look;
  InvalidateRect(entry->hwnd, nullptr, TRUE);
}

void Win32Platform::SetLabelLook(Handle label, const LabelLook& look) {
  Entry* entry = FindOf(label, Kind::kLabel);
  if (entry == nullptr) return;
  entry->label = look;
  entry->font = look.font;
  SetWindowLongPtrW(entry->hwnd, GWL_EXSTYLE,
                    static_cast<LONG_PTR>(win32::BorderExStyle(look.border_style)));
  SetWindowPos(entry->hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(entry->hwnd, nullptr, TRUE);
}

void Win32Platform::SetEditLook(Handle edit, const EditLook& look) {
  Entry* entry = FindOf(edit, Kind::kEdit);
  if (entry == nullptr) return;
  ApplyEditLook(edit, *entry, look);
  PlaceChild(*entry, entry->rect);
}

void Win32Platform::SetButtonLook(Handle button, const ButtonLook& look) {
  Entry* entry = FindOf(button, Kind::kButton);
  if (entry == nullptr) return;
  entry->font = look.font;
  const LONG_PTR kept = GetWindowLongPtrW(entry->hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(0xFFFF);
  SetWindowLongPtrW(entry->hwnd, GWL_STYLE, kept | static_cast<LONG_PTR>(win32::ButtonStyle(look)));
  SetWindowTextW(entry->hwnd, win32::WideFromGbk(look.caption).c_str());
  SendMessageW(entry->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(*entry)), TRUE);
}

void Win32Platform::SetComboLook(Handle combo, const ComboLook& look) {
  Entry* entry = FindOf(combo, Kind::kCombo);
  if (entry == nullptr) return;
  entry->font = look.font;
  entry->text_colour = look.text_colour;
  entry->background = look.background;
  SendMessageW(entry->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(*entry)), TRUE);
  ApplyComboItems(*entry, look);
}

// --- Text and selection --------------------------------------------------------

std::string Win32Platform::GetText(Handle control) {
  const Entry* entry = Find(control);
  if (entry == nullptr) return {};
  if (entry->kind == Kind::kLabel) return entry->label.caption;
  return win32::GbkFromWide(WindowText(entry->hwnd));
}

void Win32Platform::SetEditTextQuietly(HWND hwnd, const std::wstring& text) {
  ++quiet_edit_;
  SetWindowTextW(hwnd, text.c_str());
  --quiet_edit_;
}

void Win32Platform::SetText(Handle control, std::string_view gbk) {
  Entry* entry = Find(control);
  if (entry == nullptr) return;
  const std::wstring text = win32::WideFromGbk(gbk);
  switch (entry->kind) {
    case Kind::kLabel:
      entry->label.caption = std::string(gbk);
      InvalidateRect(entry->hwnd, nullptr, TRUE);
      break;
    case Kind::kEdit:
      SetEditTextQuietly(entry->hwnd, text);
      break;
    case Kind::kCombo:
      // A drop-down list has no edit field.
      if ((GetWindowLongPtrW(entry->hwnd, GWL_STYLE) & 3) != CBS_DROPDOWNLIST) {
        SetEditTextQuietly(entry->hwnd, text);
      }
      break;
    default:
      SetWindowTextW(entry->hwnd, text.c_str());
      break;
  }
}

void Win32Platform::SelectAllText(Handle edit) {
  const Entry* entry = Find(edit);
  if (entry == nullptr) return;
  if (entry->kind == Kind::kEdit) {
    SendMessageW(entry->hwnd, EM_SETSEL, 0, -1);
    SendMessageW(entry->hwnd, EM_SCROLLCARET, 0, 0);
  } else if (entry->kind == Kind::kCombo) {
    SendMessageW(entry->hwnd, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
  }
}

void Win32Platform::SetTextSelection(Handle edit, int start, int length) {
  const Entry* entry = Find(edit);
  if (entry == nullptr || (entry->kind != Kind::kEdit && entry->kind != Kind::kCombo)) return;
  // Positions arrive as GBK byte offsets; a negative length runs to the end;
  // a negative start leaves nothing selected.
  const std::wstring text = WindowText(entry->hwnd);
  int first = 0;
  int last = 0;
  if (start < 0) {
    first = last = static_cast<int>(text.size());
  } else {
    first = win32::WideIndexFromGbkOffset(text, start);
    last = length < 0 ? static_cast<int>(text.size())
                      : win32::WideIndexFromGbkOffset(text, start + length);
  }
  if (entry->kind == Kind::kEdit) {
    SendMessageW(entry->hwnd, EM_SETSEL, static_cast<WPARAM>(first), last);
    SendMessageW(entry->hwnd, EM_SCROLLCARET, 0, 0);
  } else {
    SendMessageW(entry->hwnd, CB_SETEDITSEL, 0, MAKELPARAM(first, last));
  }
}

int Win32Platform::GetSelection(Handle combo) {
  const Entry* entry = FindOf(combo, Kind::kCombo);
  if (entry == nullptr) return -1;
  const LRESULT index = SendMessageW(entry->hwnd, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Win32Platform::SetSelection(Handle combo, int index) {
  const Entry* entry = FindOf(combo, Kind::kCombo);
  if (entry == nullptr) return;
  const int count = static_cast<int>(SendMessageW(entry->hwnd, CB_GETCOUNT, 0, 0));
  SendMessageW(entry->hwnd, CB_SETCURSEL, static_cast<WPARAM>(std::clamp(index, -1, count - 1)), 0);
}

// --- Geometry, visibility, stacking, focus --------------------------------------

void Win32Platform::PlaceChild(Entry& entry, const Rect& rect) {
  entry.rect = rect;
  const int dpi = DpiOf(entry);
  int height = Scale(std::max(0, rect.height), dpi);
  if (entry.kind == Kind::kEdit && (GetWindowLongPtrW(entry.hwnd, GWL_STYLE) & ES_MULTILINE) == 0) {
    // A single-line box shows at least one line of its font inside its edges.
    HDC dc = GetDC(entry.hwnd);
    HGDIOBJ old = SelectObject(dc, FontOf(entry));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(entry.hwnd, dc);
    height = std::max(height, static_cast<int>(metrics.tmHeight) + 2 * GetSystemMetrics(SM_CYEDGE));
  }
  const int left = Scale(rect.left, dpi);
  const int top = Scale(rect.top, dpi);
  const int width = Scale(std::max(0, rect.width), dpi);
  SetWindowPos(entry.hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (entry.spin != nullptr) {
    // The up-down control stands just beyond the box's right edge.
    SetWindowPos(entry.spin, nullptr, left + width, top, Scale(kSpinWidth, dpi), height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

Rect Win32Platform::GetRect(Handle handle) {
  const Entry* entry = Find(handle);
  if (entry == nullptr) return {};
  const int dpi = DpiOf(*entry);
  const RECT r = entry->kind == Kind::kWindow ? [&] {
    RECT w{};
    GetWindowRect(entry->hwnd, &w);
    return w;
  }()
                                              : RectInParent(entry->hwnd);
  return Rect{Unscale(r.left, dpi), Unscale(r.top, dpi), Unscale(r.right - r.left, dpi),
              Unscale(r.bottom - r.top, dpi)};
}

void Win32Platform::SetRect(Handle handle, const Rect& rect) {
  Entry* entry = Find(handle);
  if (entry == nullptr) return;
  if (entry->kind != Kind::kWindow) {
    PlaceChild(*entry, rect);
    return;
  }
  entry->rect = rect;
  const int dpi = entry->dpi;
  SetWindowPos(entry->hwnd, nullptr, Scale(rect.left, dpi), Scale(rect.top, dpi),
               Scale(std::max(0, rect.width), dpi), Scale(std::max(0, rect.height), dpi),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Platform::IsVisible(Handle handle) {
  const Entry* entry = Find(handle);
  return entry != nullptr && (GetWindowLongPtrW(entry->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Platform::SetVisible(Handle handle, bool visible) {
  Entry* entry = Find(handle);
  if (entry == nullptr) return;
  if (entry->kind != Kind::kWindow) {
    ShowWindow(entry->hwnd, visible ? SW_SHOWNA : SW_HIDE);
    if (entry->spin != nullptr) ShowWindow(entry->spin, visible ? SW_SHOWNA : SW_HIDE);
    return;
  }
  if (!visible) {
    ShowWindow(entry->hwnd, SW_HIDE);
    return;
  }
  // The first show follows the position setting: 2 minimised, 3 maximised (resizable frames only).
  int how = SW_SHOW;
  if (!entry->shown_once) {
    const bool resizable = (GetWindowLongPtrW(entry->hwnd, GWL_STYLE) & WS_THICKFRAME) != 0;
    if (entry->window.position == 2) how = SW_SHOWMINIMIZED;
    if (entry->window.position == 3 && resizable) how = SW_SHOWMAXIMIZED;
    entry->shown_once = true;
  }
  HWND hwnd = entry->hwnd;
  ShowWindow(hwnd, how);
  UpdateWindow(hwnd);
}

bool Win32Platform::IsEnabled(Handle handle) {
  const Entry* entry = Find(handle);
  return entry != nullptr && IsWindowEnabled(entry->hwnd) != FALSE;
}

void Win32Platform::SetEnabled(Handle handle, bool enabled) {
  const Entry* entry = Find(handle);
  if (entry == nullptr) return;
  EnableWindow(entry->hwnd, enabled ? TRUE : FALSE);
  if (entry->spin != nullptr) EnableWindow(entry->spin, enabled ? TRUE : FALSE);
}

void Win32Platform::PlaceBelow(Handle handle, Handle above) {
  const Entry* entry = Find(handle);
  if (entry == nullptr || entry->kind == Kind::kWindow) return;
  HWND over = HWND_TOP;
  if (above != 0) {
    const Entry* other = Find(above);
    if (other == nullptr || other->parent != entry->parent) return;
    over = other->hwnd;
  }
  constexpr UINT kOnlyOrder = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  // An up-down control stays directly above its edit box. Tab follows this
  // order, top first.
  if (entry->spin != nullptr) {
    SetWindowPos(entry->spin, over, 0, 0, 0, 0, kOnlyOrder);
    SetWindowPos(entry->hwnd, entry->spin, 0, 0, 0, 0, kOnlyOrder);
  } else {
    SetWindowPos(entry->hwnd, over, 0, 0, 0, 0, kOnlyOrder);
  }
}

Handle Win32Platform::FocusedControl() {
  // A combo box's edit field and the like belong to the control around them.
  for (HWND focus = GetFocus(); focus != nullptr; focus = GetParent(focus)) {
    if (const Handle handle = HandleOf(focus); handle != 0) return handle;
  }
  return 0;
}

void Win32Platform::SetFocus(Handle handle) {
  const Entry* entry = Find(handle);
  if (entry == nullptr || !entry->focusable) return;
  ::SetFocus(entry->hwnd);
  // A window not yet active gives this control the focus when it is activated.
  if (Entry* window = Find(HandleOf(GetAncestor(entry->hwnd, GA_ROOT)));
      window != nullptr && window->kind == Kind::kWindow) {
    window->last_focus = entry->hwnd;
    window->focus_by_activation = false;
  }
}

void Win32Platform::SetTabOrder(Handle window, const std::vector<Handle>& order) {
  Entry* entry = FindOf(window, Kind::kWindow);
  if (entry == nullptr) return;
  entry->tab_order = order;
  // A focus that only the first activation chose goes to the order's first
  // control, where the other platforms open too.
  if (!std::exchange(entry->focus_by_activation, false)) return;
  for (const Handle h : order) {
    const Entry* c = Find(h);
    if (c != nullptr && c->focusable && IsWindowVisible(c->hwnd) && IsWindowEnabled(c->hwnd)) {
      SetFocus(h);
      return;
    }
  }
}

void Win32Platform::SetFocusable(Handle control, bool focusable) {
  Entry* entry = Find(control);
  if (entry == nullptr || entry->kind == Kind::kWindow || entry->focusable == focusable) return;
  entry->focusable = focusable;
  const LONG_PTR style = GetWindowLongPtrW(entry->hwnd, GWL_STYLE);
  if (!focusable) {
    // Without WS_TABSTOP the dialog keys pass it by as well.
    entry->tab_stop = (style & WS_TABSTOP) != 0;
    SetWindowLongPtrW(entry->hwnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    if (GetFocus() == entry->hwnd) ::SetFocus(GetAncestor(entry->hwnd, GA_ROOT));
  } else if (entry->tab_stop) {
    SetWindowLongPtrW(entry->hwnd, GWL_STYLE, style | WS_TABSTOP);
  }
}

Size Win32Platform::ScreenSize() {
  const int dpi = win32::SystemDpi();
  return Size{Unscale(GetSystemMetrics(SM_CXSCREEN), dpi),
              Unscale(GetSystemMetrics(SM_CYSCREEN), dpi)};
}

Rect Win32Platform::WorkArea() {
  RECT r{};
  if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0) == FALSE) return Platform::WorkArea();
  const int dpi = win32::SystemDpi();
  return Rect{Unscale(r.left, dpi), Unscale(r.top, dpi), Unscale(r.right - r.left, dpi),
              Unscale(r.bottom - r.top, dpi)};
}

// --- Window procedures -----------------------------------------------------------

LRESULT CALLBACK Win32Platform::TopProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  Win32Platform* self = PlatformOf(hwnd, message, lp);
  const Handle handle = self != nullptr ? self->HandleOf(hwnd) : 0;
  if (handle == 0) return DefWindowProcW(hwnd, message, wp, lp);
  return self->OnTopMessage(handle, hwnd, message, wp, lp);
}

LRESULT Win32Platform::OnTopMessage(Handle handle, HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_CLOSE:
      if (sink_ == nullptr) break;
      sink_->OnWindowClosed(handle);  // the runtime destroys the window
      return 0;
    case WM_COMMAND:
      if (lp != 0) {
        OnCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
      } else if (LOWORD(wp) >= kMenuCommandBase) {
        RunMenuEntry(handle, LOWORD(wp) - kMenuCommandBase);
      }
      return 0;
    case WM_CONTEXTMENU:
      if (ShowContextMenu(handle, hwnd, lp)) return 0;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (header->code == UDN_DELTAPOS) {
        return OnSpinNotify(header->hwndFrom, reinterpret_cast<const NMUPDOWN*>(lp)->iDelta) ? 1
                                                                                             : 0;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      if (HandleOf(reinterpret_cast<HWND>(lp)) != 0) {
        return ControlColour(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp));
      }
      break;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wp), &client, BrushOf(Find(handle)->window.background));
      return 1;
    }
    case WM_MOVE:
      if (sink_ != nullptr && IsWindowVisible(hwnd)) sink_->OnWindowMoved(handle);
      return 0;
    case WM_SIZE:
      if (sink_ != nullptr && IsWindowVisible(hwnd)) sink_->OnWindowResized(handle);
      return 0;
    case WM_ACTIVATE: {
      // Keep the focused control across deactivation, as a dialog does.
      Entry& entry = *Find(handle);
      if (LOWORD(wp) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd, focus))
          entry.last_focus = focus;
        return 0;
      }
      if (IsWindow(entry.last_focus) && IsChild(hwnd, entry.last_focus)) {
        ::SetFocus(entry.last_focus);
        return 0;
      }
      // The first activation focuses the first tab stop, as a dialog does,
      // until the runtime's tab order arrives (SetTabOrder).
      if (HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE); first != nullptr) {
        ::SetFocus(first);
        entry.focus_by_activation = true;
        return 0;
      }
      break;
    }
    case WM_DPICHANGED:
      OnDpiChanged(handle, HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wp, lp);
}

void Win32Platform::OnCommand(HWND control, int code) {
  const Handle handle = HandleOf(control);
  const Entry* entry = Find(handle);
  if (entry == nullptr || sink_ == nullptr) return;
  if (entry->kind == Kind::kButton && code == BN_CLICKED) {
    sink_->OnButtonClicked(handle);
  } else if (entry->kind == Kind::kEdit && code == EN_CHANGE && quiet_edit_ == 0) {
    sink_->OnEditChanged(handle);
  } else if (entry->kind == Kind::kCombo && code == CBN_SELCHANGE) {
    sink_->OnComboSelected(handle);
  }
}

bool Win32Platform::OnSpinNotify(HWND spin, int delta) {
  const auto it = spins_.find(spin);
  if (it == spins_.end()) return false;
  // The runtime steps the box; the control's own position never moves.
  if (sink_ != nullptr && delta != 0) sink_->OnSpinArrow(it->second, delta > 0 ? +1 : -1);
  return true;
}

LRESULT Win32Platform::ControlColour(HWND control, HDC dc) {
  const Entry* entry = Find(HandleOf(control));
  SetTextColor(dc, static_cast<COLORREF>(entry->text_colour & 0x00FFFFFF));
  SetBkColor(dc, win32::BackgroundColour(entry->background));
  return reinterpret_cast<LRESULT>(BrushOf(entry->background));
}

void Win32Platform::OnDpiChanged(Handle window, int dpi, const RECT& suggested) {
  Entry* entry = FindOf(window, Kind::kWindow);
  if (entry == nullptr || dpi <= 0) return;
  entry->dpi = dpi;
  SetWindowPos(entry->hwnd, nullptr, suggested.left, suggested.top,
               suggested.right - suggested.left, suggested.bottom - suggested.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(entry->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(*entry)), FALSE);
  for (auto& [h, e] : entries_) {
    if (e.parent != window) continue;
    if (e.kind != Kind::kLabel)
      SendMessageW(e.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(e)), FALSE);
    PlaceChild(e, e.rect);
  }
  InvalidateRect(entry->hwnd, nullptr, TRUE);
}

LRESULT CALLBACK Win32Platform::LabelProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  Win32Platform* self = PlatformOf(hwnd, message, lp);
  const Entry* entry = self != nullptr ? self->Find(self->HandleOf(hwnd)) : nullptr;
  if (entry == nullptr) return DefWindowProcW(hwnd, message, wp, lp);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(hwnd, &paint);
      RECT client{};
      GetClientRect(hwnd, &client);
      win32::PaintLabel(dc, client, entry->label, self->FontOf(*entry), self->DpiOf(*entry));
      EndPaint(hwnd, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, message, wp, lp);
  }
}

LRESULT CALLBACK Win32Platform::EditProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp,
                                         UINT_PTR /*id*/, DWORD_PTR self) {
  auto* platform = reinterpret_cast<Win32Platform*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &EditProc, 1);
    return DefSubclassProc(hwnd, message, wp, lp);
  }
  const Handle handle = platform->HandleOf(hwnd);
  if (handle == 0) return DefSubclassProc(hwnd, message, wp, lp);
  return platform->OnEditMessage(handle, hwnd, message, wp, lp);
}

LRESULT Win32Platform::OnEditMessage(Handle handle, HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  const bool read_only = (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_READONLY) != 0;
  if (message == WM_CHAR && !read_only) {
    const auto ch = static_cast<char32_t>(wp);
    // Control characters pass; DEL is an editing key.
    if (ch >= 32 && ch != 0x7F && !AdmitChar(handle, hwnd, ch)) return 0;
  } else if (message == WM_PASTE && !read_only) {
    // Pasted text enters as if typed, so the filter and the byte limit hold.
    std::wstring pasted = win32::WideFromGbk(ClipboardText());
    const bool multi_line = (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE) != 0;
    for (const wchar_t ch : pasted) {
      if (!multi_line && (ch == L'\r' || ch == L'\n')) break;
      SendMessageW(hwnd, WM_CHAR, ch, 0);
    }
    return 0;
  }
  return DefSubclassProc(hwnd, message, wp, lp);
}

bool Win32Platform::AdmitChar(Handle edit, HWND hwnd, char32_t ch) {
  if (sink_ != nullptr && !sink_->AcceptTypedChar(edit, ch)) return false;
  const Entry* entry = Find(edit);  // the sink may have destroyed it
  if (entry == nullptr) return false;
  if (entry->max_length <= 0) return true;
  // The limit counts GBK bytes: the text less its selection, plus the new character.
  std::wstring text = WindowText(hwnd);
  DWORD first = 0;
  DWORD last = 0;
  SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  first = std::min<DWORD>(first, static_cast<DWORD>(text.size()));
  last = std::clamp<DWORD>(last, first, static_cast<DWORD>(text.size()));
  text.erase(first, last - first);
  text.push_back(static_cast<wchar_t>(ch));
  return win32::GbkByteLength(text) <= entry->max_length;
}

}  // namespace veltrane::platform
