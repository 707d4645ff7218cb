#include "runtime/values/date_time_calc.h"

#include <cmath>
#include <cstdint>

namespace veltrane::runtime::values {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1970-01-01 to a civil date (the era-based proleptic Gregorian count).
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

DateTimeParts CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  DateTimeParts parts;
  parts.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  parts.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  parts.year = static_cast<int>(yoe + era * 400 + (parts.month <= 2 ? 1 : 0));
  return parts;
}

constexpr std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDateTimeParts(const DateTimeParts& parts) {
  return parts.year >= 100 && parts.year <= 9999 && parts.day >= 1 &&
         parts.day <= DaysInMonth(parts.year, parts.month) && parts.hour >= 0 && parts.hour <= 23 &&
         parts.minute >= 0 && parts.minute <= 59 && parts.second >= 0 && parts.second <= 59;
}

double ClampDateTime(double t) {
  if (!(t >= kMinDateTime)) return kMinDateTime;
  return t > kMaxDateTime ? kMaxDateTime : t;
}

double ComposeDateTimeParts(const DateTimeParts& parts) {
  const auto days =
      static_cast<double>(DaysFromCivil(parts.year, parts.month, parts.day) - kEpochDays);
  const double fraction =
      static_cast<double>(parts.hour * 3600 + parts.minute * 60 + parts.second) / kSecondsPerDay;
  return days < 0 ? days - fraction : days + fraction;
}

DateTimeParts SplitDateTimeParts(double t) {
  t = ClampDateTime(t);
  const double whole = std::trunc(t);
  auto day = static_cast<std::int64_t>(whole);
  auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(t - whole) * kSecondsPerDay));
  // The day number names the calendar day on both sides of the epoch, so a time
  // of day that rounds up to midnight moves to the next calendar day.
  if (seconds >= kSecondsPerDay) {
    ++day;
    seconds -= kSecondsPerDay;
  }
  DateTimeParts parts = CivilFromDays(day + kEpochDays);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

}  // namespace veltrane::runtime::values
