// The platform seam: the few native operations the form runtime needs. Every
// text that crosses it is GBK; each platform converts at its own edge.
// Implementations: headless/ (in memory, for tests and the command-line tool),
// qt/ (Qt 6 Widgets) and win32/ (the Win32 API). The conformance suite under
// tests/platform_conformance/ holds every implementation to the contract
// written in these comments.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane::platform {

// A native window or control; 0 = none.
using Handle = std::uint32_t;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

// Colours are COLORREF values, 0x00BBGGRR. As a background, kButtonFace
// stands for the system's button-face colour.
inline constexpr std::uint32_t kButtonFace = 0xFF000000;

// A control's font. is_default: no stored font, use the default GUI font.
struct Font {
  bool is_default = true;
  int height = 0;  // as stored: negative = character height in pixels, positive = cell height
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  int escapement = 0;  // tenths of a degree
  std::string face;    // GBK; empty = the default CJK-capable UI face
  bool operator==(const Font&) const = default;
};

struct WindowLook {
  std::string caption;
  int border_style = 2;  // 0 none, 1 resizable, 2 fixed, 3/4 tool window, 5/6 client edge
  std::uint32_t background = kButtonFace;
  bool control_box = true;
  bool maximise_box = false;
  bool minimise_box = true;
  bool closable = true;
  bool always_on_top = false;
  int position = 1;  // 0 as given, 1 centred on the screen, 2 minimised, 3 maximised
};

struct LabelLook {
  std::string caption;
  int effect = 0;  // 0 none, 1/2 white copy one pixel off, 3 black copy two pixels off
  int border_style = 0;
  Font font;
  std::uint32_t text_colour = 0;
  std::uint32_t background = kButtonFace;
  int h_align = 0;  // 0 left, 1 centre, 2 right
  int v_align = 1;  // 0 top, 1 centre, 2 bottom
  bool word_wrap = false;
};

struct EditLook {
  int border_style = 1;
  std::uint32_t text_colour = 0;
  std::uint32_t background = 0xFFFFFF;
  Font font;
  bool hide_selection = true;
  int max_length = 0;  // bytes, 0 = no limit
  bool multi_line = false;
  int scroll_bars = 0;
  int alignment = 0;
  bool read_only = false;
  bool password = false;
  char16_t mask = u'*';
  int case_conversion = 0;
  int spin_mode = 0;  // 0 none, 1 automatic stepping, 2 event only
  int spin_min = 0;
  int spin_max = 100;
};

struct ButtonLook {
  std::string caption;
  bool default_button = false;
  int h_align = 1;
  int v_align = 1;
  Font font;
};

struct ComboLook {
  int style = 2;  // 0 simple, 1 drop-down with edit field, 2 drop-down list
  bool sorted = false;
  int extra_item_height = 1;
  std::uint32_t text_colour = 0;
  std::uint32_t background = 0xFFFFFF;
  Font font;
  int max_length = 0;
  std::vector<std::string> items;
};

// Where and how a control is made. rect is in the parent's client coordinates
// (for a top-level window: screen coordinates and the outer size).
struct CreateParams {
  Handle parent = 0;
  int child_id = 0;
  Rect rect;
  bool disabled = false;
  bool tab_stop = false;
};

// Local wall-clock time, to the millisecond.
struct LocalTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// One entry of a window's context menu; it stands for a button of the window.
struct MenuEntry {
  Handle button = 0;
  char ctrl_key = 0;  // shortcut with Ctrl: '0'..'9' or 'A'..'Z'; 0 = none
  bool operator==(const MenuEntry&) const = default;
};

// What the platform reports back; implemented by the form runtime.
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void OnButtonClicked(Handle button) = 0;
  // The user changed an edit box's text (a program write reports nothing itself).
  virtual void OnEditChanged(Handle edit) = 0;
  // An arrow of an edit box's up-down control: +1 up, -1 down.
  virtual void OnSpinArrow(Handle edit, int delta) = 0;
  // A typed character (code 32 and up) is about to enter an edit box.
  virtual bool AcceptTypedChar(Handle edit, char32_t ch) = 0;
  virtual void OnComboSelected(Handle combo) = 0;
  virtual void OnWindowMoved(Handle window) = 0;
  virtual void OnWindowResized(Handle window) = 0;
  // The user closed a top-level window; the runtime destroys it.
  virtual void OnWindowClosed(Handle window) = 0;
};

// Message box style bits and answers, as the value operations pass them.
inline constexpr std::uint32_t kMessageBoxIconError = 0x10;
inline constexpr std::uint32_t kMessageBoxIconInformation = 0x40;

class Platform {
 public:
  virtual ~Platform() = default;

  virtual void SetEventSink(EventSink* sink) = 0;

  // Creation; each returns 0 on failure (a parent that names no live window
  // included). Controls are created hidden.
  virtual Handle CreateTopWindow(const CreateParams& params, const WindowLook& look) = 0;
  virtual Handle CreateLabel(const CreateParams& params, const LabelLook& look) = 0;
  // An edit box with spin_mode != 0 gets its up-down control (18 px wide, at
  // the box's right edge) as part of the same control.
  virtual Handle CreateEdit(const CreateParams& params, const EditLook& look) = 0;
  virtual Handle CreateButton(const CreateParams& params, const ButtonLook& look) = 0;
  virtual Handle CreateComboBox(const CreateParams& params, const ComboLook& look) = 0;
  virtual void Destroy(Handle handle) = 0;

  // Re-apply a control's look after a property write (repaints).
  virtual void SetWindowLook(Handle window, const WindowLook& look) = 0;
  virtual void SetLabelLook(Handle label, const LabelLook& look) = 0;
  virtual void SetEditLook(Handle edit, const EditLook& look) = 0;
  virtual void SetButtonLook(Handle button, const ButtonLook& look) = 0;
  virtual void SetComboLook(Handle combo, const ComboLook& look) = 0;

  // Text of an edit box (or a combo box's edit field; a drop-down list gives
  // its shown item), a label, a button or a window's caption. SetText raises
  // no change notification. Selections count GBK bytes; typing replaces the
  // selection.
  virtual std::string GetText(Handle control) = 0;
  virtual void SetText(Handle control, std::string_view gbk) = 0;
  virtual void SelectAllText(Handle edit) = 0;
  virtual void SetTextSelection(Handle edit, int start, int length) = 0;

  // Combo box selection: 0-based item, -1 = none; SetSelection clamps to
  // [-1, item count - 1] and raises no notification.
  virtual int GetSelection(Handle combo) = 0;
  virtual void SetSelection(Handle combo, int index) = 0;

  // Geometry in the parent's client coordinates (a top-level window: screen,
  // outer size), in pixels at 96 dpi. An edit box is at least one line of its
  // font high; a drop-down combo box reports its closed face's height on the
  // desktop platforms and the given height in memory (the program reads only
  // positions). Visibility and the enabled state are each control's own flag.
  virtual Rect GetRect(Handle handle) = 0;
  virtual void SetRect(Handle handle, const Rect& rect) = 0;
  virtual bool IsVisible(Handle handle) = 0;
  virtual void SetVisible(Handle handle, bool visible) = 0;
  virtual bool IsEnabled(Handle handle) = 0;
  virtual void SetEnabled(Handle handle, bool enabled) = 0;
  // Stacking among siblings: place directly below `above`; above = 0 puts it on top.
  virtual void PlaceBelow(Handle handle, Handle above) = 0;
  // Tab moves the focus through the shown, enabled tab stops in stacking
  // order, top first.
  virtual Handle FocusedControl() = 0;
  // Keyboard: the runtime decides the order and who takes no focus; the platform applies it.
  // Focuses a control; a control made unfocusable (SetFocusable) is left alone.
  virtual void SetFocus(Handle handle) = 0;
  // Tab and Shift+Tab visit exactly these controls of the window, in this order, round and round.
  virtual void SetTabOrder(Handle window, const std::vector<Handle>& order) = 0;
  // False: the control never takes the keyboard focus (Tab, click, program); true: as its kind.
  virtual void SetFocusable(Handle control, bool focusable) = 0;
  // Gives a top-level window a context menu (right click in the window, the
  // Menu key, Shift+F10) listing its entries in order, each captioned as its
  // button is at the time and showing its shortcut. Choosing an entry, or
  // pressing its shortcut anywhere in the window, reports OnButtonClicked for
  // its button while that button is live and enabled (shown or not). An empty
  // list removes the menu and the shortcuts.
  virtual void SetContextMenu(Handle window, const std::vector<MenuEntry>& entries) = 0;
  virtual Size ScreenSize() = 0;
  // The primary screen's area open to windows (no task bars), in screen coordinates.
  virtual Rect WorkArea() { return Rect{0, 0, ScreenSize().width, ScreenSize().height}; }

  // Message loop.
  // Returns after QuitMessageLoop; a quit asked for before it runs ends it at once.
  virtual void RunMessageLoop() = 0;
  virtual void QuitMessageLoop() = 0;
  virtual void ProcessPendingEvents() = 0;

  // Process services.
  // Modal message box without an owner; returns the button code pressed
  // (1 = OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No), 0 when the
  // box could not be shown.
  virtual int ShowMessageBox(std::string_view text_gbk, std::string_view title_gbk,
                             std::uint32_t style) = 0;
  virtual void ClearClipboard() = 0;
  // Replaces the clipboard's text; false, with the clipboard as it was, when it refuses.
  virtual bool SetClipboardText(std::string_view gbk) = 0;
  virtual std::string ClipboardText() = 0;  // GBK
  virtual LocalTime Now() = 0;
  // Ends the process at once with the exit code (a POSIX status is its low
  // byte: -1 gives 255); no exit routines run.
  [[noreturn]] virtual void EndProcess(int code) = 0;
};

// The platform the runtime runs on; installed once by the program's entry.
void InstallPlatform(Platform* platform);
Platform& CurrentPlatform();

}  // namespace veltrane::platform
