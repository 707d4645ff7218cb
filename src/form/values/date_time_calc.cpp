#include "form/values/date_time_calc.h"

#include <cmath>
#include <cstdint>

#include "calendar/gregorian.h"

namespace veltrane::runtime::values {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

bool IsValidDateTimeParts(const DateTimeParts& parts) {
  return parts.year >= 100 && parts.year <= 9999 && parts.day >= 1 &&
         parts.day <= calendar::DaysInMonth(parts.year, parts.month) && parts.hour >= 0 &&
         parts.hour <= 23 && parts.minute >= 0 && parts.minute <= 59 && parts.second >= 0 &&
         parts.second <= 59;
}

double ClampDateTime(double t) {
  if (!(t >= kMinDateTime)) return kMinDateTime;
  return t > kMaxDateTime ? kMaxDateTime : t;
}

double ComposeDateTimeParts(const DateTimeParts& parts) {
  return calendar::ComposeDateTime(parts.year, parts.month, parts.day, parts.hour, parts.minute,
                                   parts.second);
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
  const calendar::CivilDate date = calendar::DateOfDayNumber(static_cast<int>(day));
  DateTimeParts parts;
  parts.year = date.year;
  parts.month = date.month;
  parts.day = date.day;
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

}  // namespace veltrane::runtime::values
