// The desktop platform: the seam's native operations on Qt 6 Widgets.
// Construct it after the QApplication and install it with InstallPlatform.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

class QEventLoop;

namespace veltrane::platform {

namespace qt {
class SpinArrows;
}

class QtPlatform : public Platform {
 public:
  // MIME type under which the clipboard also offers the GBK bytes.
  static constexpr const char* kGbkMimeType = "text/plain;charset=GBK";

  // Needs a QApplication; makes the default CJK-capable UI font the application's font.
  QtPlatform();
  // The same, owning the program's QApplication: a normal end then shuts Qt down
  // first (see EndProcess), and so does destroying the platform.
  explicit QtPlatform(std::unique_ptr<QApplication> app);
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  void SetEventSink(EventSink* sink) override;

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
  bool SetClipboardText(std::string_view gbk) override;
  std::string ClipboardText() override;
  LocalTime Now() override;
  // Code 0 outside all event handling, with the QApplication owned: deletes the
  // windows and the application first, as Qt's own end would (on X11 that hands
  // the clipboard to the desktop's clipboard manager). Any other end, and a
  // fatal one (-1) always, is at once: status = the code's low byte.
  [[noreturn]] void EndProcess(int code) override;

  // For tests and tools: the widget behind a handle, nullptr when none.
  QWidget* WidgetOf(Handle handle) const;
  // For tests and tools: the up-down control of a spin edit box, nullptr when none.
  QWidget* SpinOf(Handle edit) const;

 private:
  enum class Kind { kWindow, kLabel, kEdit, kButton, kCombo };
  struct Entry {
    Kind kind;
    QPointer<QWidget> widget;
    QPointer<qt::SpinArrows> spin;
    Qt::FocusPolicy own_focus_policy = Qt::NoFocus;  // kept while made unfocusable
  };

  Handle Register(Kind kind, QWidget* widget);
  const Entry* Find(Handle handle) const;
  // The widget of a handle of the given kind, nullptr when it is another kind or gone.
  template <class W>
  W* As(Handle handle, Kind kind) const;
  // The parent of a new control; nullptr when the parent handle names nothing.
  QWidget* ParentFor(const CreateParams& params) const;
  // Geometry, enabled state, focus policy and the hidden start every control shares.
  void SetUpChild(QWidget* widget, const CreateParams& params, bool takes_focus);
  void SetEditRect(Handle edit, const Rect& rect);
  void UpdateSpin(Handle edit, const EditLook& look);
  // True when no message loop runs and no pending events are being delivered.
  bool OutsideEventHandling() const;
  // Deletes every window, then the owned application.
  void ShutDownQt();

  std::unique_ptr<QApplication> app_;  // declared first: destroyed after everything else
  EventSink* sink_ = nullptr;
  std::map<Handle, Entry> entries_;
  Handle next_handle_ = 1;
  QEventLoop* loop_ = nullptr;
  bool quit_pending_ = false;
  int delivery_depth_ = 0;  // nesting of ProcessPendingEvents
};

}  // namespace veltrane::platform
