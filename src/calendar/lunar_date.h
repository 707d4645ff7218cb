// The Chinese lunar date of a Gregorian date or moment (lunar years 1901 to
// 2049, Gregorian dates 1901-02-19 to 2048-12-31).
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/gregorian.h"

namespace veltrane::calendar {

// A lunar date. A leap month carries the number of the month it follows.
struct LunarDate {
  int year = 0;   // numbered by the Gregorian year of its 正月初一
  int month = 0;  // 1..12 (1 = 正月)
  int day = 0;    // 1..30
  bool leap = false;
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The lunar date n days after 1901-01-01.
//   Given: n ≥ 49 (1901-02-19, lunar 1901-01-01, is n = 49).
//   Returns: the lunar date; nullopt for n < 49 or a day past the end of lunar
//            2049 (the walk would otherwise run beyond the tables).
std::optional<LunarDate> LunarDateFromOffset(int n);

// The lunar date of a Gregorian date.
//   Given: year, month, day as unsigned 16-bit numbers.
//   Returns: the lunar date; nullopt when month is 0 or above 12, the day is
//            not a day of that month, the year is 2049 or later, or the date
//            lies before 1901-02-19.
//   Notes: lunar 2049 is in the tables, but no Gregorian date of 2049 is
//          accepted.
std::optional<LunarDate> GregorianToLunar(std::uint16_t year, std::uint16_t month,
                                          std::uint16_t day);

// The lunar date of a DateTime (China Standard Time).
//   Given: moment, a DateTime; the time of day matters only from 23:59:59.5
//          on, which counts as the following day.
//   Returns: true and writes year, month, day, leap in that order when the
//            date lies in 1901-02-19..2048-12-31; false otherwise (a moment
//            outside the DateTime range or not a number included), leaving
//            the four variables as they were.
bool ToLunarDate(double moment, int& year, int& month, int& day, bool& leap);

}  // namespace veltrane::calendar
