#include "platform/qt/top_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPalette>
#include <QShortcut>
#include <algorithm>

#include "platform/qt/look_mapping.h"
#include "platform/qt/text_edge.h"

namespace veltrane::platform::qt {

namespace {

// Border styles 1, 3 and 5 have a resizable frame; 3 and 4 are tool windows.
bool IsResizable(int border_style) {
  return border_style == 1 || border_style == 3 || border_style == 5;
}
bool IsToolWindow(int border_style) { return border_style == 3 || border_style == 4; }

Qt::WindowFlags FlagsFor(const WindowLook& look) {
  Qt::WindowFlags flags = IsToolWindow(look.border_style) ? Qt::Tool : Qt::Window;
  if (look.always_on_top) flags |= Qt::WindowStaysOnTopHint;
  if (look.border_style == 0) return flags | Qt::FramelessWindowHint;
  flags |= Qt::CustomizeWindowHint;
  if (!look.caption.empty() || look.control_box) flags |= Qt::WindowTitleHint;
  if (!look.control_box) return flags;
  flags |= Qt::WindowSystemMenuHint;
  if (look.minimise_box) flags |= Qt::WindowMinimizeButtonHint;
  if (look.maximise_box) flags |= Qt::WindowMaximizeButtonHint;
  if (look.closable) flags |= Qt::WindowCloseButtonHint;
  return flags;
}

}  // namespace

TopWindow::TopWindow() : QWidget(nullptr) {
  setAttribute(Qt::WA_QuitOnClose, false);  // the runtime decides when the program ends
  setAutoFillBackground(true);
  setFont(DefaultUiFont());
  // Shift+F10 opens the context menu from the keyboard, as on Windows (the
  // Menu key reaches contextMenuEvent by itself).
  auto* menu_key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
  QObject::connect(menu_key, &QShortcut::activated, this, [this] {
    const QWidget* focus = focusWidget();
    const QPoint at = focus != nullptr ? focus->mapTo(this, QPoint(0, focus->height())) : QPoint();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
    contextMenuEvent(&event);
  });
}

void TopWindow::ApplyLook(const WindowLook& look) {
  const Qt::WindowFlags flags = FlagsFor(look);
  if (flags != windowFlags()) {
    const bool was_visible = isVisible();
    setWindowFlags(flags);  // hides a shown window
    if (was_visible) show();
  }
  setWindowTitle(QStringFromGbk(look.caption));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, BackgroundColour(look.background, pal));
  setPalette(pal);
  position_ = look.position;
  resizable_ = IsResizable(look.border_style);
  FitClient();
}

void TopWindow::SetOuterGeometry(const Rect& rect) {
  outer_ = QSize(std::max(0, rect.width), std::max(0, rect.height));
  move(rect.left, rect.top);
  FitClient();
}

void TopWindow::ShowAsStored() {
  if (shown_once_) {
    show();
    return;
  }
  if (position_ == 2) {
    showMinimized();
  } else if (position_ == 3 && resizable_) {
    showMaximized();
  } else {
    show();
  }
}

QRect TopWindow::OuterRect() const {
  const QRect frame = frameGeometry();
  return frame.isValid() ? frame : QRect(pos(), outer_);
}

QMargins TopWindow::FrameMargins() const {
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                  frame.right() - client.right(), frame.bottom() - client.bottom());
}

QSize TopWindow::ControlsExtent() const {
  QSize extent;
  for (const QObject* child : children()) {
    const auto* widget = qobject_cast<const QWidget*>(child);
    if (widget == nullptr || widget->isWindow() || widget->isHidden()) continue;
    // Controls parked left of or above the client area are meant to be out of sight.
    const QRect r = widget->geometry();
    if (r.right() < 0 || r.bottom() < 0) continue;
    extent = extent.expandedTo(QSize(r.right() + 1, r.bottom() + 1));
  }
  return extent;
}

void TopWindow::FitClient() {
  if (!outer_.isValid()) return;
  const QMargins margins = FrameMargins();
  fitted_margins_ = margins;
  const QSize client =
      outer_.shrunkBy(margins).expandedTo(ControlsExtent()).expandedTo(QSize(0, 0));
  if (resizable_) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(client);
  } else {
    setFixedSize(client);
  }
}

void TopWindow::closeEvent(QCloseEvent* event) {
  if (on_close && on_close()) {
    event->ignore();
    return;
  }
  event->accept();
}

void TopWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (actions().isEmpty()) {
    QWidget::contextMenuEvent(event);
    return;
  }
  if (before_menu) before_menu();
  QMenu::exec(actions(), event->globalPos(), nullptr, this);
}

void TopWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (FrameMargins() != fitted_margins_) FitClient();
  if (isVisible() && on_moved) on_moved();
}

void TopWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!isVisible()) return;
  if (resizable_) outer_ = OuterRect().size();  // the user's size is the new stored size
  if (on_resized) on_resized();
}

void TopWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  shown_once_ = true;
  FitClient();
}

}  // namespace veltrane::platform::qt
