#include "app/desktop_options.h"

#include <string_view>

#include "app/version.h"

namespace veltrane::app {
namespace {

constexpr struct {
  std::string_view word;
  DesktopRequest request;
} kRequests[] = {{"--help", DesktopRequest::kHelp},
                 {"-h", DesktopRequest::kHelp},
                 {"--version", DesktopRequest::kVersion},
                 {"-v", DesktopRequest::kVersion}};

}  // namespace

DesktopRequest ReadDesktopRequest(std::span<char* const> args) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == nullptr) continue;
    for (const auto& r : kRequests) {
      if (r.word == args[i]) return r.request;
    }
  }
  return DesktopRequest::kWindow;
}

bool NamesAPlatform(std::span<char* const> args) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == nullptr) continue;
    const std::string_view arg = args[i];
    if (arg == "-platform" || arg == "--platform") return i + 1 < args.size();
  }
  return false;
}

std::string DesktopHelpText() {
  return std::string(
             "Usage: veltrane [options]\n"
             "Opens the window that plots the Qimen Dunjia hour chart of the current hour.\n"
             "\n"
             "  -h, --help         print this help and exit\n"
             "  -v, --version      print the version and exit\n"
             "  -platform NAME     Qt's platform plugin: xcb, wayland or offscreen\n"
             "  -display DISPLAY   the X display to open\n"
             "Qt reads its other options, as QApplication documents them.\n"
             "\n"
             "Right-click the chart (or press the Menu key or Shift+F10 on it) to turn\n"
             "its rings; Ctrl+1 to Ctrl+8 turn them and Ctrl+0 resets the chart.\n"
             "\n"
             "Exit status: 0 when the window is closed, 3 when no display can be\n"
             "opened, 255 after a fatal error.\n"
             "The chart without a window: veltrane-chart --help.\n"
             "Version ") +
         kVersion + "\n";
}

}  // namespace veltrane::app
