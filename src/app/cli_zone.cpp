#include "app/cli_zone.h"

#include <date/tz.h>

#include <chrono>
#include <exception>
#include <string>

namespace veltrane::app {
namespace {

namespace chrono = std::chrono;

constexpr chrono::hours kChinaOffset{8};

Result<const date::time_zone*> Locate(std::string_view zone_name) {
  try {
    return date::locate_zone(zone_name);
  } catch (const std::exception&) {
    return Error{"unknown time zone '" + std::string(zone_name) + "'"};
  }
}

template <typename Clock>
chrono::time_point<Clock, chrono::seconds> SecondsOf(const ChartMoment& m) {
  return chrono::time_point<Clock, chrono::seconds>(
      date::sys_days(date::year(m.year) / m.month / m.day).time_since_epoch() +
      chrono::hours(m.hour) + chrono::minutes(m.minute));
}

// The date and time, floored to the minute, of seconds since 1970-01-01.
ChartMoment MomentOf(chrono::seconds since_epoch) {
  const auto minutes = chrono::floor<chrono::minutes>(since_epoch);
  const auto days = chrono::floor<chrono::days>(minutes);
  const chrono::year_month_day ymd{chrono::sys_days(days)};
  const auto rest = (minutes - days).count();
  return ChartMoment{static_cast<int>(ymd.year()),
                     static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day())),
                     static_cast<int>(rest / 60), static_cast<int>(rest % 60)};
}

}  // namespace

bool TimeZonesAvailable() { return true; }

Result<ZonedMoment> ResolveZonedTime(std::string_view zone_name, const ChartMoment& local) {
  const auto zone = Locate(zone_name);
  if (!zone) return zone.error();
  const date::local_seconds when = SecondsOf<date::local_t>(local);
  const date::local_info info = (*zone)->get_info(when);
  if (info.result == date::local_info::nonexistent) {
    return Error{"local time " + FormatChartMoment(local) + " does not exist in " +
                 std::string(zone_name) + " (the clocks were put forward)"};
  }
  // For an ambiguous time `first` is the earlier instant.
  const chrono::seconds offset = info.first.offset;
  ZonedMoment result;
  result.local = local;
  result.china = MomentOf(when.time_since_epoch() - offset + kChinaOffset);
  result.offset_minutes = static_cast<int>(chrono::floor<chrono::minutes>(offset).count());
  result.ambiguous = info.result == date::local_info::ambiguous;
  return result;
}

Result<ZonedMoment> LocalTimeInZone(std::string_view zone_name, const ChartMoment& china) {
  const auto zone = Locate(zone_name);
  if (!zone) return zone.error();
  const date::sys_seconds instant = SecondsOf<std::chrono::system_clock>(china) - kChinaOffset;
  const date::sys_info info = (*zone)->get_info(instant);
  ZonedMoment result;
  result.china = china;
  result.local = MomentOf(instant.time_since_epoch() + info.offset);
  result.offset_minutes = static_cast<int>(chrono::floor<chrono::minutes>(info.offset).count());
  result.ambiguous = (*zone)->get_info(SecondsOf<date::local_t>(result.local)).result ==
                     date::local_info::ambiguous;
  return result;
}

}  // namespace veltrane::app
