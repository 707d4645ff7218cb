// A civil date and time in an IANA time zone, with the zone's history
// (daylight saving included), as the same instant in China Standard Time.
#pragma once

#include <string_view>

#include "app/cli_moment.h"
#include "base/result.h"

namespace veltrane::app {

struct ZonedMoment {
  ChartMoment local;       // the civil time in the zone
  ChartMoment china;       // the instant in UTC+8, to the minute
  int offset_minutes = 0;  // the zone's offset from UTC at that local time
  bool ambiguous = false;  // the local time occurs twice (a given one takes the earlier instant)
};

// Reads `local` as a civil time of `zone` (the zone files of ZoneFolder()). A local
// time that the clocks skipped is an error, as is an unknown zone; one they
// passed twice gives the earlier instant. An offset with seconds (local mean
// time before a zone's standard time) leaves the minute floored.
Result<ZonedMoment> ResolveZonedTime(std::string_view zone, const ChartMoment& local);

// The civil time in `zone` of a China Standard Time instant; an unknown zone
// is an error. `ambiguous` says whether that civil time occurs twice there.
Result<ZonedMoment> LocalTimeInZone(std::string_view zone, const ChartMoment& china);

}  // namespace veltrane::app
