#include <cstdlib>

#include "app/cli_zone_folder.h"

namespace veltrane::app {

ZoneSource ZoneFolder() {
  const char* dir = std::getenv("TZDIR");
  return {dir != nullptr && *dir != '\0' ? std::filesystem::path(dir)
                                         : std::filesystem::path("/usr/share/zoneinfo"),
          false};
}

}  // namespace veltrane::app
