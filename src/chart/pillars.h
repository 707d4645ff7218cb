// The four pillars (year, month, day, hour) of a civil date and time in China
// Standard Time, from the program's own calendar arithmetic: day counts with
// the Julian/Gregorian switch of 1582 and a closed formula for the moments of
// the solar terms. The year changes at 立春, the month at each jie term, the
// day and the hour at 23:00. The number rules are those of calendar/arithmetic.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chart/script.h"

namespace veltrane::chart {

// Which calendar a date is read in. The plotting always passes kAutomatic.
enum class CalendarMode : int { kAutomatic = 1, kGregorian = 2, kJulian = 3 };

// CalendarKind of a date: Gregorian, Julian, or a date that does not exist
// (1582-10-05..14 in automatic mode, or any date under an unknown mode).
enum class CalendarKind : int { kNonexistent = -1, kJulian = 0, kGregorian = 1 };

// Returns the calendar a date (year, month, day) belongs to under a mode.
CalendarKind CalendarKindOf(int year, int month, int day, int mode);

// Returns the day of the year (days of months 1..month−1 plus day; month 13
// gives the year's length plus day), or +infinity for a nonexistent date or a
// month outside 1..13. The day is not compared with the month's length.
double DayOfYear(int year, int month, int day, int mode);

// Returns the day number with 0001-01-01 (Gregorian) as day 1, or +infinity
// for a nonexistent date. 2000-01-01 is day 730120.
double DayCount(int year, int month, int day, int mode);

// Returns the moment of solar term x (小寒 = 1 .. 冬至 = 24; 立春 = 3) of a
// year as days after 0 January 00:00 of that year (35.5 = 4 February, 12:00).
double TermDayOfYear(int year, int term, bool exact, int mode);

// Returns 100·month + day for day n of a year, or +infinity when the result
// falls in 1582-10-05..14 under automatic mode.
double MonthAndDay(int year, double n, int mode);

// Returns b·(a/b − IntegerPart(a/b)): non-negative for b > 0.
double FloorMod(double a, double b);

// The days of the year (for 立春) or of the civil month (for its jie) around
// which a term falls in automatic mode from 1600 to 3100, a day inside each
// end: first_day + 1 ≤ term ≤ last_day − 1. Outside its window a moment is
// before or after the term whatever the term's moment.
struct TermWindow {
  int first_day;
  int last_day;
};
const TermWindow& LiChunWindow();
const TermWindow& JieWindow(int month);  // month 1..12

// The four pillars as sixty-cycle numbers, 1 = 甲子 .. 60 = 癸亥.
struct Pillars {
  int year = 1;
  int month = 1;
  int day = 1;
  int hour = 1;
  bool operator==(const Pillars&) const = default;
};

// Returns the four pillars of a date and time, or nullopt when the date does
// not exist under the mode or a part lies outside year 1..9999, month 1..12,
// day 1..31, hour 0..23, minute 0..59. A day past its month's end counts into
// the next month.
std::optional<Pillars> ComputePillars(int year, int month, int day, int hour, int minute, int mode);

// Returns the two-character UTF-8 text of a sixty-cycle number, 1 = 甲子 ..
// 60 = 癸亥, any other number taken modulo 60 (0 = 癸亥).
std::string_view GanZhiText(int n);

// The text of a sixty-cycle number in a script: 甲子 in 简体 and 繁體, Jiazi in
// English; numbers taken as GanZhiText takes them.
std::string GanZhiTextIn(int n, Script script);

}  // namespace veltrane::chart
