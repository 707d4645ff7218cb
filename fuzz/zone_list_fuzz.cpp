// Feeds arbitrary bytes to the reader of the zone list (tzdata.zi), which
// decides which names --tz takes and which file each is read from. Checks:
// every name and file it gives has the form of a zone name (so no file
// outside the zone folder is ever opened), and every file is a zone's own.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/cli_zone_database.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const app::ZoneList list =
      app::ReadZoneList(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const auto& [name, file] : list) {
    if (!app::IsZoneNameShape(name) || !app::IsZoneNameShape(file)) std::abort();
    const auto zone = list.find(file);
    if (zone == list.end() || zone->second != file) std::abort();
  }
  return 0;
}
