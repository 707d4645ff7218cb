#include "app/cli_zone.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/cli_tzif.h"
#include "app/cli_zone_database.h"
#include "app/cli_zone_folder.h"
#include "calendar/date_time.h"

namespace veltrane::app {
namespace {

namespace chrono = std::chrono;

constexpr std::int64_t kChinaOffset = std::int64_t{8} * 3600;

// The zones this build reads, each file read once; ranges look their zone up
// from several threads.
Result<std::shared_ptr<const TzifZone>> Locate(std::string_view name) {
  static const ZoneSource source = ZoneFolder();
  static ZoneDatabase database(source.folder, source.list_required);
  return database.Find(name);
}

// Seconds since 1970-01-01 00:00 of a civil time read as UTC, on the
// calendar's day count.
std::int64_t SecondsOf(const ChartMoment& m) {
  return (calendar::MinuteNumberOf(m) - calendar::kUnixEpochMinute) * 60;
}

// The date and time, floored to the minute, of seconds since 1970-01-01.
ChartMoment MomentOf(std::int64_t seconds) {
  const std::int64_t minutes = (seconds >= 0 ? seconds : seconds - 59) / 60;
  return calendar::CivilDateTimeOfMinute(minutes + calendar::kUnixEpochMinute);
}

// The offsets under which the civil time `local` (seconds as if UTC) names an
// instant: none in a gap, two in a fold (the larger first: the earlier instant).
std::vector<std::int32_t> OffsetsOfLocal(const TzifZone& zone, std::int64_t local) {
  // The offsets in force a day and a half either side cover every change
  // near the civil time; each is kept when the instant it gives agrees.
  constexpr std::int64_t kReach = std::int64_t{36} * 3600;
  std::vector<std::int32_t> offsets;
  for (const std::int64_t probe : {local - kReach, local + kReach}) {
    const std::int32_t near = TzifOffsetAt(zone, probe);
    for (const std::int32_t o : {near, TzifOffsetAt(zone, local - near)}) {
      if (TzifOffsetAt(zone, local - o) != o) continue;
      if (std::find(offsets.begin(), offsets.end(), o) == offsets.end()) offsets.push_back(o);
    }
  }
  std::sort(offsets.rbegin(), offsets.rend());
  return offsets;
}

}  // namespace

Result<ZonedMoment> ResolveZonedTime(std::string_view zone_name, const ChartMoment& local) {
  const auto zone = Locate(zone_name);
  if (!zone) return zone.error();
  const std::int64_t when = SecondsOf(local);
  const std::vector<std::int32_t> offsets = OffsetsOfLocal(**zone, when);
  if (offsets.empty()) {
    return Error{"local time " + FormatChartMoment(local) + " does not exist in " +
                 std::string(zone_name) + " (the clocks were put forward)"};
  }
  ZonedMoment result;
  result.local = local;
  result.china = MomentOf(when - offsets.front() + kChinaOffset);
  result.offset_minutes =
      static_cast<int>(chrono::floor<chrono::minutes>(chrono::seconds(offsets.front())).count());
  result.ambiguous = offsets.size() > 1;
  return result;
}

Result<ZonedMoment> LocalTimeInZone(std::string_view zone_name, const ChartMoment& china) {
  const auto zone = Locate(zone_name);
  if (!zone) return zone.error();
  const std::int64_t instant = SecondsOf(china) - kChinaOffset;
  const std::int32_t offset = TzifOffsetAt(**zone, instant);
  ZonedMoment result;
  result.china = china;
  result.local = MomentOf(instant + offset);
  result.offset_minutes =
      static_cast<int>(chrono::floor<chrono::minutes>(chrono::seconds(offset)).count());
  result.ambiguous = OffsetsOfLocal(**zone, SecondsOf(result.local)).size() > 1;
  return result;
}

}  // namespace veltrane::app
