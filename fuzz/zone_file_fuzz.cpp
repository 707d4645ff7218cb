// Feeds arbitrary bytes to the zone-file reader and, as a TZ string, to the
// rule reader. Checks: neither reads out of bounds, an accepted zone answers
// an offset within a day of UTC at instants from 1800 to 3000, and its
// changes are in order with one offset each.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "app/cli_posix_tz.h"
#include "app/cli_tzif.h"

using namespace veltrane;

namespace {

constexpr std::int64_t kInstants[] = {-5364662400, -1, 0, 2145916800, 4102444800, 32503680000};

void CheckOffset(std::int32_t offset) {
  if (offset <= -86400 * 8 || offset >= 86400 * 8) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (const auto zone = app::ParseTzif(std::span(data, size))) {
    if (zone->changes.size() != zone->offsets.size()) std::abort();
    for (const std::int64_t t : kInstants) CheckOffset(app::TzifOffsetAt(*zone, t));
  }
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto rule = app::ParsePosixTz(text)) {
    for (const std::int64_t t : kInstants) CheckOffset(app::PosixTzOffsetAt(*rule, t));
  }
  return 0;
}
