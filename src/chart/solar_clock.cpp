#include "chart/solar_clock.h"

#include <cmath>

#include "calendar/date_time.h"
#include "calendar/delta_t.h"
#include "calendar/equation_of_time.h"

namespace veltrane::chart {
namespace {

constexpr double kSecondsPerDegree = 240.0;  // 86400 s / 360°
constexpr double kChinaMeridian = 120.0;     // UTC+8 is the mean time of 120° E
// J2000.0 (2000-01-01 12:00) as a day number from 1899-12-30, and UTC+8 in days.
constexpr double kJ2000DayNumber = 36526.5;
constexpr double kChinaOffsetDays = 8.0 / 24.0;
constexpr double kDaysPerYear = 365.25;

}  // namespace

SolarClock LocalSolarClock(const ChartMoment& china, double longitude_degrees, SolarTime kind) {
  SolarClock clock;
  clock.longitude_correction_seconds = (longitude_degrees - kChinaMeridian) * kSecondsPerDegree;
  const int day_number = calendar::DayNumberOfDate(china.year, china.month, china.day);
  if (kind == SolarTime::kApparent) {
    // UT1 is taken as UTC: their difference (under a second) moves the
    // equation of time by microseconds.
    const double ut1_days =
        day_number + (china.hour * 60 + china.minute) / 1440.0 - kChinaOffsetDays - kJ2000DayNumber;
    const double delta_t = calendar::DeltaTSeconds(2000.0 + ut1_days / kDaysPerYear);
    clock.equation_of_time_seconds = calendar::EquationOfTimeSeconds(ut1_days, delta_t);
  }
  // Seconds from the start of the moment's day, then whole days and the rest.
  const double seconds = (china.hour * 60 + china.minute) * 60.0 +
                         clock.longitude_correction_seconds + clock.equation_of_time_seconds;
  const auto whole = static_cast<long long>(std::floor(seconds));
  long long days = whole / 86400;
  long long rest = whole % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  const calendar::CivilDate date = calendar::DateOfDayNumber(day_number + static_cast<int>(days));
  clock.time = ChartMoment{date.year, date.month, date.day, static_cast<int>(rest / 3600),
                           static_cast<int>(rest / 60 % 60)};
  clock.second = static_cast<int>(rest % 60);
  return clock;
}

}  // namespace veltrane::chart
