// The rule of a POSIX TZ string ("EST5EDT,M3.2.0,M11.1.0"), which a compiled
// zone file carries at its end for every instant after its last listed change.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/result.h"

namespace veltrane::app {

// One end of daylight saving: a day of the year and a local time of day.
struct PosixTzDate {
  enum class Kind : std::uint8_t {
    kJulianNoLeap,  // Jn: 1..365, 29 February never counted
    kZeroBased,     // n: 0..365, 29 February counted
    kMonthWeekDay,  // Mm.w.d: the w-th (5 = last) weekday d of month m
  };
  Kind kind = Kind::kMonthWeekDay;
  int day = 0;  // Jn or n
  int month = 0;
  int week = 0;
  int weekday = 0;              // 0 = Sunday
  std::int32_t seconds = 7200;  // local time of day; may lie outside 0..24 h
};

struct PosixTz {
  std::int32_t standard_offset = 0;  // seconds east of UTC
  bool has_daylight = false;
  std::int32_t daylight_offset = 0;  // seconds east of UTC
  PosixTzDate start;                 // in standard time
  PosixTzDate end;                   // in daylight time
};

// Reads a TZ string of the form zone files use (names plain or in <>, the
// offsets, and the two rule dates with their times of -167..167 hours).
Result<PosixTz> ParsePosixTz(std::string_view text);

// The offset from UTC, in seconds, that the rule gives at `utc_seconds`
// (seconds since 1970-01-01 00:00 UTC).
std::int32_t PosixTzOffsetAt(const PosixTz& rule, std::int64_t utc_seconds);

}  // namespace veltrane::app
