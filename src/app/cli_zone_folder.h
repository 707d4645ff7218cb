// Where this build finds the compiled zone files.
#pragma once

#include <filesystem>

namespace veltrane::app {

struct ZoneSource {
  std::filesystem::path folder;
  // Whether the folder's list (tzdata.zi) must be there: the folder shipped
  // with the program always has it, while an older system's database may not.
  bool list_required = false;
};

// The compiled zone files: TZDIR or the system's database on POSIX, the
// zoneinfo folder beside the program on Windows.
ZoneSource ZoneFolder();

}  // namespace veltrane::app
