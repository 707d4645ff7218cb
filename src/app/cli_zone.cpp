#include "app/cli_zone.h"

#include <date/tz.h>

#include <chrono>
#include <exception>
#include <string>

namespace veltrane::app {
namespace {

namespace chrono = std::chrono;

constexpr chrono::hours kChinaOffset{8};

}  // namespace

Result<ZonedMoment> ResolveZonedTime(std::string_view zone_name, const ChartMoment& local) {
  const date::time_zone* zone = nullptr;
  try {
    zone = date::locate_zone(zone_name);
  } catch (const std::exception&) {
    return Error{"unknown time zone '" + std::string(zone_name) + "'"};
  }
  const date::local_seconds when =
      date::local_days(date::year(local.year) / local.month / local.day) +
      chrono::hours(local.hour) + chrono::minutes(local.minute);
  const date::local_info info = zone->get_info(when);
  if (info.result == date::local_info::nonexistent) {
    return Error{"local time " + FormatChartMoment(local) + " does not exist in " +
                 std::string(zone_name) + " (the clocks were put forward)"};
  }
  // For an ambiguous time `first` is the earlier instant.
  const chrono::seconds offset = info.first.offset;
  const auto china =
      chrono::floor<chrono::minutes>(when.time_since_epoch() - offset + kChinaOffset);
  const auto days = chrono::floor<chrono::days>(china);
  const chrono::year_month_day ymd{chrono::sys_days(days)};
  const auto minutes = (china - days).count();
  ZonedMoment result;
  result.china = ChartMoment{static_cast<int>(ymd.year()),
                             static_cast<int>(static_cast<unsigned>(ymd.month())),
                             static_cast<int>(static_cast<unsigned>(ymd.day())),
                             static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
  result.offset_minutes = static_cast<int>(chrono::floor<chrono::minutes>(offset).count());
  result.ambiguous = info.result == date::local_info::ambiguous;
  return result;
}

}  // namespace veltrane::app
