#include "platform/qt/push_button.h"

#include <QKeyEvent>

namespace veltrane::platform::qt {

void PushButton::keyPressEvent(QKeyEvent* event) {
  // Qt leaves Enter to a dialog's default button; here the focused button takes it.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace veltrane::platform::qt
