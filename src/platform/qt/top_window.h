// The top-level window: frame and buttons from the stored look, the stored
// outer size kept once the window manager reports its frame, and the user's
// close handed to the runtime.
#pragma once

#include <QMargins>
#include <QSize>
#include <QWidget>
#include <functional>

#include "platform/platform.h"

namespace veltrane::platform::qt {

class TopWindow : public QWidget {
 public:
  TopWindow();

  // Caption, frame, buttons and background; re-shows the window if a frame
  // change had to hide it.
  void ApplyLook(const WindowLook& look);
  // Places the frame's top-left corner and keeps the outer size.
  void SetOuterGeometry(const Rect& rect);
  // Shows the window the first time as its position setting asks.
  void ShowAsStored();
  // Screen rectangle of the frame (the client when no frame is known).
  QRect OuterRect() const;

  // The user asked to close; true = the runtime takes over (and destroys it).
  std::function<bool()> on_close;
  std::function<void()> on_moved;
  std::function<void()> on_resized;
  // Runs before the context menu (the window's actions) opens.
  std::function<void()> before_menu;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QMargins FrameMargins() const;
  // The client size: the stored outer size less the frame, never smaller
  // than what the shown controls need.
  void FitClient();
  QSize ControlsExtent() const;

  QSize outer_;
  QMargins fitted_margins_;
  int position_ = 1;
  bool resizable_ = false;
  bool shown_once_ = false;
};

}  // namespace veltrane::platform::qt
