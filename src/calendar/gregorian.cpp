#include "calendar/gregorian.h"

#include <array>

#include "calendar/date_time.h"

namespace veltrane::calendar {
namespace {

constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) { return MonthLength(month, IsLeapYear(year)); }

int MonthLength(int month, bool leap) {
  if (month < 1 || month > 12) return 0;
  return kDaysInMonth[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

int DaysBeforeMonth(int month, bool leap) {
  int days = 0;
  for (int m = 1; m < month && m <= 12; ++m) days += MonthLength(m, leap);
  return month >= 1 && month <= 13 ? days : 0;
}

int CompareDates(GregorianDate a, GregorianDate b) {
  if (a.year != b.year) return a.year > b.year ? 1 : -1;
  if (a.month != b.month) return a.month > b.month ? 1 : -1;
  if (a.day != b.day) return a.day > b.day ? 1 : -1;
  return 0;
}

int DaysBetween(GregorianDate a, GregorianDate b) {
  return DayNumberOfDate(a.year, a.month, a.day) - DayNumberOfDate(b.year, b.month, b.day);
}

}  // namespace veltrane::calendar
