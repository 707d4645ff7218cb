#include "calendar/date_time.h"

#include <cmath>

namespace veltrane::calendar {
namespace {

// Half a second, in days.
constexpr double kHalfSecond = 1.0 / 172800.0;

// Days from 1970-01-01 to a proleptic Gregorian date (the era algorithm:
// 400-year eras starting 1 March, so February's leap day ends each year).
long long DaysFromCivil(long long year, long long month, long long day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long year_of_era = year - era * 400;
  const long long day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

// Day 0 of DateTime, 1899-12-30, counted from 1970-01-01.
constexpr long long kEpochFromUnix = -25569;

}  // namespace

int DayNumberOfDate(int year, int month, int day) {
  return static_cast<int>(DaysFromCivil(year, month, day) - kEpochFromUnix);
}

CivilDate DateOfDayNumber(int day_number) {
  long long z = static_cast<long long>(day_number) + kEpochFromUnix + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long day_of_era = z - era * 146097;
  const long long year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long mp = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
  return CivilDate{year, month, day};
}

double ComposeDateTime(int year, int month, int day, int hour, int minute, int second) {
  if (month < 1 || month > 12) return kMinDateTime;
  const auto n = static_cast<double>(DaysFromCivil(year, month, day) - kEpochFromUnix);
  const double t = (3600.0 * hour + 60.0 * minute + second) / 86400.0;
  return n >= 0 ? n + t : n - t;
}

CivilDate SplitDateTime(double t) {
  if (!(t >= kMinDateTime && t <= kMaxDateTime)) return CivilDate{};  // also NaN
  double day = 0.0;
  if (t >= 0) {
    day = std::trunc(t + kHalfSecond);
  } else {
    // The day is trunc(t) and the time of day trunc(t) − t; rounding up to
    // midnight moves to the next calendar day, which is one day up here too.
    day = std::trunc(t);
    if (day - t + kHalfSecond >= 1.0) day += 1.0;
  }
  return DateOfDayNumber(static_cast<int>(day));
}

std::int64_t MinuteNumberOf(const CivilDateTime& t) {
  return std::int64_t{DayNumberOfDate(t.year, t.month, t.day)} * 1440 + std::int64_t{t.hour} * 60 +
         t.minute;
}

CivilDateTime CivilDateTimeOfMinute(std::int64_t minute_number) {
  const std::int64_t day = (minute_number >= 0 ? minute_number : minute_number - 1439) / 1440;
  const auto rest = static_cast<int>(minute_number - day * 1440);
  const CivilDate date = DateOfDayNumber(static_cast<int>(day));
  return CivilDateTime{date.year, date.month, date.day, rest / 60, rest % 60};
}

}  // namespace veltrane::calendar
