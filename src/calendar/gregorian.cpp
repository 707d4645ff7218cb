#include "calendar/gregorian.h"

#include <array>

namespace veltrane::calendar {
namespace {

// Days before each month of a common year.
constexpr std::array<int, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};
constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Floor division for the year terms (y − 1 is −1 for year 0).
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int Ordinal(GregorianDate d) {
  const int y = d.year;
  const int month_index = (d.month >= 1 && d.month <= 12) ? d.month - 1 : 0;
  const int leap_day = (IsLeapYear(y) && d.month > 2) ? 1 : 0;
  return 365 * y + FloorDiv(y - 1, 4) - FloorDiv(y - 1, 100) + FloorDiv(y - 1, 400) +
         kDaysBeforeMonth[month_index] + leap_day + d.day;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  return kDaysInMonth[month - 1] + ((month == 2 && IsLeapYear(year)) ? 1 : 0);
}

int CompareDates(GregorianDate a, GregorianDate b) {
  if (a.year != b.year) return a.year > b.year ? 1 : -1;
  if (a.month != b.month) return a.month > b.month ? 1 : -1;
  if (a.day != b.day) return a.day > b.day ? 1 : -1;
  return 0;
}

int DaysBetween(GregorianDate a, GregorianDate b) { return Ordinal(a) - Ordinal(b); }

}  // namespace veltrane::calendar
