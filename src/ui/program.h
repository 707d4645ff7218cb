// The program's entry, shared by the desktop program (Qt or Win32 platform)
// and the tests (headless platform): each installs its platform, then runs a
// Program. What a user does in the window arrives through the platform's
// message loop (the headless platform runs the tasks posted to it).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/window_state.h"

namespace veltrane::ui {

// The program: it owns the main window's template and state, and hands the
// state to every handler. It must outlive the form runtime's run.
class Program {
 public:
  // A program on a window template (empty: the main window's own).
  explicit Program(std::span<const std::uint8_t> template_stream = {});
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts the runtime with the template and the handlers bound to this
  // program's state, registers the freeing of the kept texts as the exit
  // routine and loads the main window, whose creation plots the first chart.
  void Start();

  // The whole run: Start, then the message loop until the window is closed;
  // then ExitProgram(0) runs the exit routine and ends the process with exit
  // code 0.
  [[noreturn]] void Run();

  WindowState& state() { return state_; }
  const WindowState& state() const { return state_; }

 private:
  std::vector<std::uint8_t> own_template_;  // the main window's, when none was given
  std::span<const std::uint8_t> template_;
  WindowState state_;
};

}  // namespace veltrane::ui
