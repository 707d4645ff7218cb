// The headless platform: keeps every native window and control in memory
// (text, items, selection, geometry, visibility, enabled state, child-window
// id, stacking order, looks), and lets a test or tool play the user: click,
// type, press a spin arrow, pick an item, close a window. Message boxes are
// recorded and answered; the clipboard holds bytes; the clock can be set.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace veltrane::platform {

enum class ControlKind { Window, Label, Edit, Button, ComboBox };

// Keys that PressKey plays.
enum class Key { Space, Enter, Up, Down };

// One native window or control as the platform keeps it.
struct HeadlessControl {
  ControlKind kind = ControlKind::Label;
  Handle handle = 0;
  Handle parent = 0;
  int child_id = 0;
  Rect rect;
  bool alive = true;
  bool visible = false;
  bool enabled = true;
  bool tab_stop = false;
  bool focusable = true;  // as the runtime's keyboard order decides
  std::string text;       // GBK: an edit box's text or a combo box's edit field
  int text_selection_start = 0;
  int text_selection_length = 0;
  int selection = -1;  // combo box item, -1 = none
  int repaints = 0;    // looks applied after creation
  WindowLook window;
  LabelLook label;
  EditLook edit;
  ButtonLook button;
  ComboLook combo;  // combo.items is the item list
};

struct MessageBoxRecord {
  std::string text;   // GBK
  std::string title;  // GBK
  std::uint32_t style = 0;
};

class HeadlessPlatform final : public Platform {
 public:
  HeadlessPlatform() = default;

  // --- Inspection -------------------------------------------------------
  // The control behind a handle (alive or destroyed); null for a handle never made.
  const HeadlessControl* Find(Handle handle) const;
  // Live children of a parent (0 = top-level windows), top of the stacking order first.
  std::vector<Handle> Children(Handle parent) const;
  // The live child with this child-window id; 0 if none.
  Handle ChildById(Handle parent, int child_id) const;
  // Number of live windows and controls.
  int LiveCount() const;

  // --- Playing the user; each returns false when the user could not do it --
  // A click on a live, visible, enabled button.
  bool Click(Handle button);
  // One typed character into a live, visible, enabled, writable edit box:
  // from code 32 up it must pass the runtime's filter and the length limit;
  // backspace (8) deletes. Replaces the text selection.
  bool TypeChar(Handle edit, char32_t ch);
  // Types each character of a UTF-8 text; returns how many entered.
  int TypeText(Handle edit, std::string_view utf8);
  // A click on the up (+1) or down (-1) arrow of an enabled spin edit box.
  bool PressSpin(Handle edit, int delta);
  // The user picks item `index` of an enabled combo box.
  bool PickComboItem(Handle combo, int index);
  // The user closes a closable top-level window.
  bool CloseWindow(Handle window);
  // The user moves or resizes a top-level window.
  bool MoveWindow(Handle window, const Rect& rect);
  // Tab (or Shift+Tab): the focus goes to the next (previous) control of the
  // focused control's window in its tab order that is live, visible, enabled
  // and focusable, wrapping around. False when no control takes it.
  bool PressTab(bool backwards = false);
  // A key pressed on the focused control: Space and Enter click a button; Up
  // and Down press a spin edit box's arrows. False when the key does nothing there.
  bool PressKey(Key key);
  // The window's context menu as the runtime set it.
  std::vector<MenuEntry> ContextMenu(Handle window) const;
  // The user opens a shown window's context menu and chooses entry `index`;
  // false when there is no such entry or its button is gone or disabled.
  bool ChooseMenuEntry(Handle window, int index);
  // Ctrl + `key` pressed in the window that has the focus; false when no
  // entry of its context menu has that shortcut or its button cannot be clicked.
  bool PressShortcut(char key);
  // The window's tab order as the runtime set it.
  std::vector<Handle> TabOrder(Handle window) const;

  // --- Message boxes ------------------------------------------------------
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return message_boxes_; }
  // The answer every box gets (1 = OK) unless a responder is set.
  void SetMessageBoxAnswer(int answer) { answer_ = answer; }
  // Called while the box is "open"; returns the button pressed.
  void SetMessageBoxResponder(std::function<int(const MessageBoxRecord&)> responder) {
    responder_ = std::move(responder);
  }
  // Makes every box fail to show (it answers 0 and is not recorded), as a
  // desktop out of resources does.
  void SetMessageBoxFails(bool fails) { message_box_fails_ = fails; }
  // Also writes each box, as UTF-8, to stderr (for death tests).
  void SetEchoMessageBoxes(bool echo) { echo_ = echo; }

  // --- Clipboard, clock, screen, loop --------------------------------------
  const std::string& ClipboardBytes() const { return clipboard_; }
  bool ClipboardHasText() const { return clipboard_has_text_; }
  // Makes SetClipboardText fail, as a clipboard held by another program does.
  void SetClipboardFails(bool fails) { clipboard_fails_ = fails; }
  // A fixed clock; without one, Now() is the system's local time.
  void SetClock(const LocalTime& time) { clock_ = time; }
  void UseSystemClock() { clock_.reset(); }
  void SetScreenSize(Size size) { screen_ = size; }
  // The work area; without one, the whole screen.
  void SetWorkArea(const Rect& area) { work_area_ = area; }
  // Queues a task for RunMessageLoop or ProcessPendingEvents, in order.
  void Post(std::function<void()> task) { tasks_.push_back(std::move(task)); }
  bool QuitRequested() const { return quit_; }

  // --- Platform -------------------------------------------------------------
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
  Handle FocusedControl() override { return focus_; }
  void SetFocus(Handle handle) override;
  void SetTabOrder(Handle window, const std::vector<Handle>& order) override;
  void SetFocusable(Handle control, bool focusable) override;
  void SetContextMenu(Handle window, const std::vector<MenuEntry>& entries) override;
  Size ScreenSize() override { return screen_; }
  Rect WorkArea() override {
    return work_area_ ? *work_area_ : Rect{0, 0, screen_.width, screen_.height};
  }
  // Runs queued tasks until QuitMessageLoop, or until none is left.
  void RunMessageLoop() override;
  void QuitMessageLoop() override { quit_ = true; }
  void ProcessPendingEvents() override;
  int ShowMessageBox(std::string_view text_gbk, std::string_view title_gbk,
                     std::uint32_t style) override;
  void ClearClipboard() override;
  bool SetClipboardText(std::string_view gbk) override;
  std::string ClipboardText() override { return clipboard_has_text_ ? clipboard_ : std::string(); }
  LocalTime Now() override;
  // Flushes stdio, then ends at once with code & 0xFF (-1 becomes 255).
  [[noreturn]] void EndProcess(int code) override;

 private:
  HeadlessControl* Live(Handle handle);
  HeadlessControl* LiveOf(Handle handle, ControlKind kind);
  bool RunMenuEntry(const MenuEntry& entry);
  Handle Make(ControlKind kind, const CreateParams& params);
  std::vector<Handle>& StackOf(Handle parent);

  std::deque<HeadlessControl> controls_;                        // handle h is controls_[h - 1]
  std::vector<std::pair<Handle, std::vector<Handle>>> stacks_;  // per parent, top first
  EventSink* sink_ = nullptr;
  Handle focus_ = 0;
  Size screen_{1920, 1080};
  std::optional<Rect> work_area_;
  std::vector<std::pair<Handle, std::vector<Handle>>> tab_orders_;  // per window
  std::vector<std::pair<Handle, std::vector<MenuEntry>>> menus_;    // per window
  std::vector<MessageBoxRecord> message_boxes_;
  std::function<int(const MessageBoxRecord&)> responder_;
  int answer_ = 1;
  bool echo_ = false;
  bool message_box_fails_ = false;
  std::string clipboard_;
  bool clipboard_has_text_ = false;
  bool clipboard_fails_ = false;
  std::optional<LocalTime> clock_;
  std::deque<std::function<void()>> tasks_;
  bool quit_ = false;
};

}  // namespace veltrane::platform
