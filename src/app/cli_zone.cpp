#include "app/cli_zone.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli_tzif.h"
#include "app/cli_value.h"
#include "calendar/date_time.h"

namespace veltrane::app {
namespace {

namespace chrono = std::chrono;

constexpr std::int64_t kChinaOffset = 8 * 3600;

// The compiled zones: TZDIR when set, the system's database otherwise.
std::string ZoneDirectory() {
  const char* dir = std::getenv("TZDIR");
  return dir != nullptr && *dir != '\0' ? std::string(dir) : std::string("/usr/share/zoneinfo");
}

// A name of the IANA database's form: parts of letters, digits, '_', '-' and
// '+' joined by '/', none of them starting with '.' (no way out of the folder).
bool IsZoneNameShape(std::string_view name) {
  if (name.empty() || name.size() > 64 || name.front() == '/' || name.back() == '/') return false;
  char previous = '/';
  for (const char c : name) {
    const bool word = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                      (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '+';
    if (!word && c != '/') return false;
    if (c == '/' && previous == '/') return false;
    previous = c;
  }
  return true;
}

// The zone and link names of the database's own list (tzdata.zi), so that
// files beside the zones (localtime, posixrules, right/...) are not taken for
// zones; empty when the list is missing.
std::set<std::string, std::less<>> ListedZoneNames(const std::string& dir) {
  std::set<std::string, std::less<>> names;
  std::ifstream list(dir + "/tzdata.zi");
  std::string line;
  while (std::getline(list, line)) {
    std::istringstream fields(line);
    std::string kind;
    std::string first;
    std::string second;
    fields >> kind >> first;
    if (kind == "Z") names.insert(first);
    if (kind == "L" && fields >> second) names.insert(second);
  }
  return names;
}

Error UnknownZone(std::string_view name) {
  return Error{"unknown time zone " + QuotedValue(name)};
}

// Each zone is read once; ranges look their zone up from several threads.
Result<std::shared_ptr<const TzifZone>> Locate(std::string_view name) {
  static std::mutex mutex;
  static std::map<std::string, std::shared_ptr<const TzifZone>, std::less<>> zones;
  static const std::string dir = ZoneDirectory();
  static const std::set<std::string, std::less<>> listed = ListedZoneNames(dir);
  if (!IsZoneNameShape(name)) return UnknownZone(name);
  if (!listed.empty() && !listed.contains(name)) return UnknownZone(name);
  const std::lock_guard lock(mutex);
  if (const auto found = zones.find(name); found != zones.end()) return found->second;
  std::ifstream file(dir + "/" + std::string(name), std::ios::binary);
  if (!file) return UnknownZone(name);
  constexpr std::size_t kLargestZoneFile = 1 << 20;
  std::vector<unsigned char> bytes;
  std::array<char, 4096> chunk{};
  while (file.read(chunk.data(), chunk.size()) || file.gcount() > 0) {
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + file.gcount());
    if (bytes.size() > kLargestZoneFile) return Error{"the zone file of " + QuotedValue(name) + " is too large"};
  }
  auto zone = ParseTzif(bytes);
  if (!zone) return Error{"cannot read the time zone " + QuotedValue(name) + ": " + zone.error().message};
  auto shared = std::make_shared<const TzifZone>(std::move(*zone));
  zones.emplace(std::string(name), shared);
  return shared;
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
  constexpr std::int64_t kReach = 36 * 3600;
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

bool TimeZonesAvailable() { return true; }

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
  result.offset_minutes = static_cast<int>(
      chrono::floor<chrono::minutes>(chrono::seconds(offsets.front())).count());
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
