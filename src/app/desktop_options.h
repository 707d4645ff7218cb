// The desktop program's own command-line options; the rest go to Qt.
#pragma once

#include <span>
#include <string>

namespace veltrane::app {

enum class DesktopRequest { kWindow, kHelp, kVersion };

// What the command line asks for: --help or -h, --version or -v, else the window.
DesktopRequest ReadDesktopRequest(std::span<char* const> args);

// True when the command line names Qt's platform plugin (-platform NAME, --platform NAME).
bool NamesAPlatform(std::span<char* const> args);

// The text --help prints.
std::string DesktopHelpText();

}  // namespace veltrane::app
