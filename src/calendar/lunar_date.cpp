#include "calendar/lunar_date.h"

#include "calendar/date_time.h"
#include "calendar/lunar_tables.h"

namespace veltrane::calendar {
namespace {

// 1901-02-19, the first day of lunar 1901, counted from 1901-01-01.
constexpr int kFirstLunarDayOffset = 49;
constexpr GregorianDate kFirstLunarDay = {1901, 2, 19};
constexpr GregorianDate kOffsetOrigin = {1901, 1, 1};
// No Gregorian date of this year or later is converted.
constexpr int kFirstRejectedYear = 2049;

}  // namespace

std::optional<LunarDate> LunarDateFromOffset(int n) {
  if (n < kFirstLunarDayOffset) return std::nullopt;
  int rest = n - kFirstLunarDayOffset;
  LunarDate date{kFirstLunarYear, 1, 1, false};
  while (rest >= LunarYearLength(date.year)) {
    if (date.year == kLastLunarYear) return std::nullopt;  // beyond the tables
    rest -= LunarYearLength(date.year);
    ++date.year;
  }
  const int leap_month = LeapMonthOf(date.year);
  for (; date.month <= 12; ++date.month) {
    const MonthLengths lengths = LunarMonthLengths(date.year, date.month);
    if (rest < lengths.ordinary) break;
    rest -= lengths.ordinary;
    if (date.month == leap_month) {
      if (rest < lengths.leap) {
        date.leap = true;
        break;
      }
      rest -= lengths.leap;
    }
  }
  if (date.month > 12) return std::nullopt;  // cannot happen: rest < the year's length
  date.day = 1 + rest;
  return date;
}

std::optional<LunarDate> GregorianToLunar(std::uint16_t year, std::uint16_t month,
                                          std::uint16_t day) {
  if (month == 0 || month > 12) return std::nullopt;
  if (year >= kFirstRejectedYear) return std::nullopt;
  const GregorianDate date{year, month, day};
  if (CompareDates(date, kFirstLunarDay) < 0) return std::nullopt;
  // Guards callers outside ToLunarDate, whose days always come from a split.
  if (day == 0 || day > DaysInMonth(year, month)) return std::nullopt;
  return LunarDateFromOffset(DaysBetween(date, kOffsetOrigin));
}

bool ToLunarDate(double moment, int& year, int& month, int& day, bool& leap) {
  const CivilDate civil = SplitDateTime(moment);
  // A failed split gives −1 for each field, 65535 as 16 bits: the month test rejects it.
  const auto lunar = GregorianToLunar(static_cast<std::uint16_t>(civil.year),
                                      static_cast<std::uint16_t>(civil.month),
                                      static_cast<std::uint16_t>(civil.day));
  if (!lunar) return false;
  year = lunar->year;
  month = lunar->month;
  day = lunar->day;
  leap = lunar->leap;
  return true;
}

}  // namespace veltrane::calendar
