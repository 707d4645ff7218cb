// Time zones in a build without the tz library (the Windows cross build):
// every zone is refused with one line that says why.
#include "app/cli_zone.h"

#include <string>

#include "app/cli_value.h"

namespace veltrane::app {
namespace {

Error NoZones(std::string_view zone) {
  return Error{"cannot read the time zone " + QuotedValue(zone) +
               ": this build of veltrane-chart has no time-zone database"};
}

}  // namespace

bool TimeZonesAvailable() { return false; }

Result<ZonedMoment> ResolveZonedTime(std::string_view zone, const ChartMoment&) {
  return NoZones(zone);
}

Result<ZonedMoment> LocalTimeInZone(std::string_view zone, const ChartMoment&) {
  return NoZones(zone);
}

}  // namespace veltrane::app
