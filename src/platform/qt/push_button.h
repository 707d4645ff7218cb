// A push button that Enter and the keypad's Enter press, as Space does.
#pragma once

#include <QPushButton>

namespace veltrane::platform::qt {

class PushButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace veltrane::platform::qt
