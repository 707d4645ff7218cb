// One platform under the conformance suite: the platform itself and a driver
// that plays the user on it (clicks, keystrokes, arrows, picks, closing, Tab,
// message-box answers). Each platform's test program defines MakeDriver.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace veltrane::platform::conformance {

// A message box as the user saw it (GBK texts).
struct SeenBox {
  std::string title;
  std::string text;
};

class PlatformDriver {
 public:
  virtual ~PlatformDriver() = default;

  virtual Platform& platform() = 0;
  // Lets the platform deliver what is pending.
  virtual void Settle() = 0;
  // Runs a task from inside the running message loop.
  virtual void Later(std::function<void()> task) = 0;

  // The user's actions on live, shown controls; each returns false when the
  // control is not one the action applies to.
  virtual bool Click(Handle button) = 0;
  virtual bool TypeChar(Handle edit, char32_t ch) = 0;
  // A click on the up (+1) or down (-1) arrow of a spin edit box.
  virtual bool PressSpin(Handle edit, int delta) = 0;
  virtual bool PickComboItem(Handle combo, int index) = 0;
  // The user closes a top-level window with its close button.
  virtual bool CloseWindow(Handle window) = 0;
  // The Tab key pressed in the window that has the focus.
  virtual void PressTab() = 0;
  // Enter (or the keypad's Enter) pressed on the focused control.
  virtual void PressEnter(bool keypad) = 0;
  // The user opens a shown window's context menu (right click) and chooses entry `index`.
  virtual void ChooseMenuEntry(Handle window, int index) = 0;
  // Ctrl + `key` ('0'..'9', 'A'..'Z') pressed in the window that has the focus.
  virtual void PressShortcut(char key) = 0;

  // Every message box shown from now on is recorded and answered with `answer`.
  virtual void AnswerMessageBoxes(int answer) = 0;
  virtual std::vector<SeenBox> SeenMessageBoxes() = 0;
};

std::unique_ptr<PlatformDriver> MakeDriver();

}  // namespace veltrane::platform::conformance
