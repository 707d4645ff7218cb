// The solar terms and days as the chart-setting methods count them: every
// term of every year on one running number, its moment and its day, and the
// day and sexagenary day of a chart moment. No runtime, no window.
#pragma once

#include <optional>

#include "chart/vocabulary.h"

namespace veltrane::chart {

// A term's running number: 24·year + slot − 1, with the calendar's slot 1..24
// (小寒 .. 冬至), so consecutive terms have consecutive numbers.
using TermOrdinal = int;

// The running number of (year, slot 1..24).
constexpr TermOrdinal TermOrdinalOf(int year, int slot) { return 24 * year + slot - 1; }

// The Gregorian year of a running number.
constexpr int YearOfTerm(TermOrdinal k) { return (k >= 0 ? k : k - 23) / 24; }

// The calendar slot 1..24 (小寒 .. 冬至) of a running number.
constexpr int SlotOfTerm(TermOrdinal k) { return ((k % 24) + 24) % 24 + 1; }

// The chart's SolarTerm (冬至 .. 大雪) of a running number.
constexpr SolarTerm SolarTermOfOrdinal(TermOrdinal k) {
  return static_cast<SolarTerm>(SlotOfTerm(k) % 24 + 1);
}

// Slots of the two terms after which an intercalary repetition may stand.
inline constexpr int kSlotMangzhong = 11;  // 芒种
inline constexpr int kSlotDaxue = 23;      // 大雪

// The moment of a term as a linear day count (NormalizeMoment form, UTC+8):
// the stored table for 1880..2079, the closed formula of the pillars outside,
// exactly as the plotting's term search takes it.
double TermOrdinalMoment(TermOrdinal k);

// The term in force at a linear moment: the latest term whose moment is not
// later than it (a moment within 1e-7 day of a term's moment lies inside it).
TermOrdinal TermInForceAt(double linear_moment);

// The term in force at a linear moment and its own moment (TermOrdinalMoment).
struct TermStart {
  TermOrdinal term = 0;
  double moment = 0;
};
TermStart TermStartAt(double linear_moment);

// The day a moment belongs to as a day number (days since 1899-12-30), the
// day changing at 23:00 as the day pillar does, or at midnight when
// `from_midnight` (the day pillar under that day start).
int ChartDayOfMoment(double linear_moment, bool from_midnight = false);

// The sexagenary number 1..60 (甲子 = 1) of a day number.
int GanZhiOfDayNumber(int day_number);

// The day number whose sexagenary number is day_ganzhi nearest to the
// moment's calendar day: the chart day under any day-start reckoning that
// moves the day by less than a day. Nullopt for a moment that is not a
// number within ±1e7 days or a number outside 1..60.
std::optional<int> DayNumberOfChartDay(double linear_moment, int day_ganzhi);

}  // namespace veltrane::chart
