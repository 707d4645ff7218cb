// A compiled zone file (TZif, RFC 8536): its changes of offset and the rule
// that holds after the last of them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/cli_posix_tz.h"
#include "base/result.h"

namespace veltrane::app {

struct TzifZone {
  std::vector<std::int64_t> changes;  // UTC seconds since 1970, ascending
  std::vector<std::int32_t> offsets;  // seconds east of UTC from each change on
  std::int32_t first_offset = 0;      // before the first change (local time type 0)
  std::optional<PosixTz> rule;        // from the last change on, when the file gives one
};

// Reads the bytes of a zone file; what is malformed or out of bounds is an error.
Result<TzifZone> ParseTzif(std::span<const unsigned char> bytes);

// The zone's offset from UTC, in seconds, at `utc_seconds`.
std::int32_t TzifOffsetAt(const TzifZone& zone, std::int64_t utc_seconds);

}  // namespace veltrane::app
