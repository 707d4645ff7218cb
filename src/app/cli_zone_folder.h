// Where this build finds the compiled zone files.
#pragma once

#include <filesystem>

namespace veltrane::app {

// The folder of compiled zone files: TZDIR or the system's database on POSIX,
// the zoneinfo folder beside the program on Windows.
std::filesystem::path ZoneFolder();

}  // namespace veltrane::app
