// The program's entry, shared by the desktop program (Qt platform) and
// veltrane-chart (headless platform): each installs its platform, then calls
// RunProgram. What a user does in the window arrives through the platform's
// message loop (the headless platform runs the tasks posted to it).
#pragma once

#include <cstdint>
#include <span>

namespace veltrane::ui {

// Starts the runtime with a window template (empty: the main window's own),
// registers FreeKeptPlotting as the exit routine and loads the main window,
// whose creation plots the first chart.
void StartProgram(std::span<const std::uint8_t> template_stream = {});

// The whole run: StartProgram, then the message loop until the window is
// closed; then ExitProgram(0) runs the exit routine and ends the process with
// exit code 0.
[[noreturn]] void RunProgram(std::span<const std::uint8_t> template_stream = {});

}  // namespace veltrane::ui
