// Gregorian date arithmetic on the calendar's 16-bit date triples.
#pragma once

#include <cstdint>

namespace veltrane::calendar {

// A proleptic Gregorian date as three unsigned 16-bit quantities.
struct GregorianDate {
  std::uint16_t year;
  std::uint16_t month;  // 1..12
  std::uint16_t day;    // 1..31
};

// Whether a Gregorian year has 29 February (divisible by 4 and not by 100, or by 400).
bool IsLeapYear(int year);

// Days in a month of a Gregorian year; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// Days in month 1..12 of a year with or without 29 February (the one
// month-length rule, for the Julian reckoning too); 0 for another month.
int MonthLength(int month, bool leap);

// Days of the months before month 1..13 (13 gives the year's length); 0
// outside 1..13.
int DaysBeforeMonth(int month, bool leap);

// Orders two dates.
//   Returns: 1 when a is later than b, −1 when earlier, 0 when equal
//            (years, then months, then days, as unsigned 16-bit numbers).
int CompareDates(GregorianDate a, GregorianDate b);

// Signed number of days from date b to date a (a − b).
//   Given: two dates with months 1..12 (days taken arithmetically).
//   Returns: the difference of their day numbers (DayNumberOfDate).
int DaysBetween(GregorianDate a, GregorianDate b);

}  // namespace veltrane::calendar
