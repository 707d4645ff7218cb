// The native Windows platform: the seam's operations on the Win32 API, with
// wide-character calls throughout. Windows and controls are the system's own
// (EDIT, BUTTON, COMBOBOX, the up-down control) beside a label class that
// paints itself; geometry crosses the seam in 96-dpi pixels and is scaled by
// the DPI of the window's monitor.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/fonts.h"

namespace veltrane::platform {

class Win32Platform final : public Platform {
 public:
  // Registers the window classes and loads the common controls.
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  void SetEventSink(EventSink* sink) override { sink_ = sink; }

  Handle CreateTopWindow(const CreateParams& params, const WindowLook& look) override;
  Handle CreateLabel(const CreateParams& params, const LabelLook& look) override;
  Handle CreateEdit(const CreateParams& params, const EditLook& look) override;
  Handle CreateButton(const CreateParams& params, const ButtonLook& look) override;
  Handle CreateComboBox(const CreateParams& params, const ComboLook& look) override;
  void Destroy(Handle handle) override;

  void SetWindowLook(Handle window, const WindowLook& look) override;
  void SetLabelLook(Handle label, const LabelLook& look) override;
  void SetEditLook(Handle edit, const EditLook& look) override;
  void SetButtonLook(Handle button, const ButtonLook& look) override;
  void SetComboLook(Handle combo, const ComboLook& look) override;

  std::string GetText(Handle control) override;
  void SetText(Handle control, std::string_view gbk) override;
  void SelectAllText(Handle edit) override;
  void SetTextSelection(Handle edit, int start, int length) override;

  int GetSelection(Handle combo) override;
  void SetSelection(Handle combo, int index) override;

  Rect GetRect(Handle handle) override;
  void SetRect(Handle handle, const Rect& rect) override;
  bool IsVisible(Handle handle) override;
  void SetVisible(Handle handle, bool visible) override;
  bool IsEnabled(Handle handle) override;
  void SetEnabled(Handle handle, bool enabled) override;
  void PlaceBelow(Handle handle, Handle above) override;
  Handle FocusedControl() override;
  void SetFocus(Handle handle) override;
  void SetTabOrder(Handle window, const std::vector<Handle>& order) override;
  void SetFocusable(Handle control, bool focusable) override;
  void SetContextMenu(Handle window, const std::vector<MenuEntry>& entries) override;
  Size ScreenSize() override;
  Rect WorkArea() override;

  void RunMessageLoop() override;
  void QuitMessageLoop() override;
  void ProcessPendingEvents() override;

  int ShowMessageBox(std::string_view text_gbk, std::string_view title_gbk,
                     std::uint32_t style) override;
  void ClearClipboard() override;
  // Offers the text as CF_UNICODETEXT and as the GBK bytes in CF_TEXT.
  bool SetClipboardText(std::string_view gbk) override;
  std::string ClipboardText() override;
  LocalTime Now() override;
  // Ends at once with the code as the process's exit code (-1 = 0xFFFFFFFF).
  [[noreturn]] void EndProcess(int code) override;

  // For tests and tools: the window behind a handle, nullptr when none.
  HWND WindowOf(Handle handle) const;
  // For tests and tools: the up-down control of a spin edit box, nullptr when none.
  HWND SpinOf(Handle edit) const;
  // For tests and tools: the handle of a window or control, 0 when none.
  Handle HandleOf(HWND hwnd) const;

 private:
  enum class Kind { kWindow, kLabel, kEdit, kButton, kCombo };
  struct Entry {
    Kind kind = Kind::kLabel;
    HWND hwnd = nullptr;
    Handle parent = 0;
    HWND spin = nullptr;  // an edit box's up-down control
    Rect rect;            // as last set, in layout pixels
    Font font;
    std::uint32_t text_colour = 0;
    std::uint32_t background = 0xFFFFFF;
    LabelLook label;                   // a label's caption and looks
    WindowLook window;                 // a top-level window's looks
    int dpi = 96;                      // a top-level window's monitor DPI
    bool shown_once = false;           // a top-level window
    HWND last_focus = nullptr;         // a top-level window: focus to give back on activation
    bool focus_by_activation = false;  // a top-level window: its first activation chose the focus
    int max_length = 0;                // an edit box, in GBK bytes
    bool focusable = true;             // as the runtime's keyboard order decides
    bool tab_stop = false;             // had WS_TABSTOP before it was made unfocusable
    std::vector<Handle> tab_order;     // a top-level window: the runtime's Tab order
    std::vector<MenuEntry> menu;       // a top-level window: its context menu
  };

  static LRESULT CALLBACK TopProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp, UINT_PTR id,
                                   DWORD_PTR self);
  LRESULT OnTopMessage(Handle handle, HWND hwnd, UINT message, WPARAM wp, LPARAM lp);
  LRESULT OnEditMessage(Handle handle, HWND hwnd, UINT message, WPARAM wp, LPARAM lp);
  // WM_COMMAND and WM_NOTIFY from the controls on a window.
  void OnCommand(HWND control, int code);
  bool OnSpinNotify(HWND spin, int delta);
  // True when a typed character may enter the edit box (filter and length).
  bool AdmitChar(Handle edit, HWND hwnd, char32_t ch);
  LRESULT ControlColour(HWND control, HDC dc);
  void OnDpiChanged(Handle window, int dpi, const RECT& suggested);

  Handle Register(Kind kind, HWND hwnd, Handle parent);
  Entry* Find(Handle handle);
  const Entry* Find(Handle handle) const;
  Entry* FindOf(Handle handle, Kind kind);
  HWND ParentFor(const CreateParams& params) const;
  // The DPI of the window a control lies on.
  int DpiOf(const Entry& entry) const;
  HFONT FontOf(const Entry& entry);
  HBRUSH BrushOf(std::uint32_t colour);
  // Places a child from layout pixels, keeping its spin control beside it.
  void PlaceChild(Entry& entry, const Rect& rect);
  // A new child control of the parent the params name, made hidden at no size,
  // registered and found: what every Create call of a control starts with.
  // Handle 0 and no entry when the parent is gone or the control cannot be made.
  struct Child {
    Handle handle = 0;
    Entry* entry = nullptr;
  };
  Child AddChild(Kind kind, const wchar_t* window_class, DWORD style, DWORD ex_style,
                 const CreateParams& params);
  void ApplyEditLook(Handle handle, Entry& entry, const EditLook& look);
  void ApplyComboItems(Entry& entry, const ComboLook& look);
  void SetEditTextQuietly(HWND hwnd, const std::wstring& text);
  // The root window of a message, when it is one of ours: for dialog keys.
  HWND DialogRootOf(HWND hwnd) const;
  bool TranslateDialogKey(MSG& msg);
  // Context menu: entry i is command kMenuCommandBase + i.
  static constexpr UINT kMenuCommandBase = 0xE000;
  bool ShowContextMenu(Handle window, HWND hwnd, LPARAM at);
  bool RunMenuEntry(Handle window, std::size_t index);
  // Ctrl + a key of the window's menu entries; true when it ran one.
  bool TranslateShortcut(HWND root, const MSG& msg);
  // Tab and Shift+Tab along the window's tab order; false when it has none.
  bool MoveFocusAlongTabOrder(HWND root, bool backwards) const;

  EventSink* sink_ = nullptr;
  std::map<Handle, Entry> entries_;
  std::unordered_map<HWND, Handle> by_hwnd_;
  std::unordered_map<HWND, Handle> spins_;  // up-down control -> its edit box
  Handle next_handle_ = 1;
  win32::FontCache fonts_;
  std::map<std::uint32_t, HBRUSH> brushes_;
  HWND clipboard_owner_ = nullptr;  // hidden window that owns what we put on the clipboard
  int quiet_edit_ = 0;              // nesting of program writes to edit boxes
};

}  // namespace veltrane::platform
