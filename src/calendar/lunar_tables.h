// The lunar month-length and leap-month tables for lunar years 1901 to 2049,
// and the month and year lengths read from them.
#pragma once

#include <array>
#include <cstdint>

namespace veltrane::calendar {

// The lunar years the tables cover; a lunar year is numbered by the
// Gregorian year in which its first day (正月初一) falls.
inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2049;
inline constexpr int kLunarYearCount = kLastLunarYear - kFirstLunarYear + 1;

// One 16-bit word per lunar year: month lengths in calendar order from bit 15
// down, the leap month right after the month it follows; set = 30 days,
// clear = 29 days; the unused low bits are zero.
extern const std::array<std::uint16_t, kLunarYearCount> kLunarYearTable;

// One 4-bit leap-month number per lunar year (0 = none), two years a byte:
// even offset from 1901 in the high nibble; the last low nibble is unused.
extern const std::array<std::uint8_t, 75> kLeapMonthTable;

// The month a lunar year's leap month follows.
//   Given: a lunar year.  Returns: 0 (no leap month) to 12 for 1901..2049, −1 otherwise.
int LeapMonthOf(int lunar_year);

// Lengths of an ordinary lunar month and of the leap month following it.
struct MonthLengths {
  int ordinary = 0;  // 29 or 30; 0 for a month outside the tables
  int leap = 0;      // 29 or 30 when a leap month follows, else 0
  friend bool operator==(const MonthLengths&, const MonthLengths&) = default;
};

// Lengths of a lunar month and its leap month, in days.
//   Given: lunar year 1901..2049 and month 1..12.
//   Returns: {ordinary, leap}; {0, 0} for a year or month outside those ranges.
MonthLengths LunarMonthLengths(int lunar_year, int month);

// Number of days of a lunar year (353 to 385); 0 outside 1901..2049.
int LunarYearLength(int lunar_year);

}  // namespace veltrane::calendar
