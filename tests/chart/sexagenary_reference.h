// The four pillars reckoned the common way, independently of the engine's
// arithmetic: the day from the Julian day number, the year from 立春 and the
// month from the jie terms as the calendar's stored term moments give them.
#pragma once

namespace veltrane::chart::reference {

// Julian day number of a proleptic Gregorian date (2000-01-01 is 2451545).
long JulianDayNumber(int year, int month, int day);

// Sixty-cycle number (1 = 甲子 .. 60 = 癸亥) of a civil day: (JDN + 49) mod 60
// counts 甲子 as 0.
int DayGanZhi(int year, int month, int day);

// The moment of solar term x (小寒 = 1 .. 冬至 = 24; 立春 = 3) of a Gregorian
// year by the closed formula of the four-pillar arithmetic, as days after
// 0 January 00:00 of that year (35.5 = 4 February, 12:00).
double ClosedFormulaTermDay(int year, int x);

// Where the moments of the jie terms come from.
enum class JieSource {
  kStored,         // the calendar's table, years 1880..2079
  kClosedFormula,  // ClosedFormulaTermDay, any Gregorian year
};

// Sixty-cycle numbers of the four pillars.
struct SexagenaryPillars {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
};

// The pillars of a moment in China Standard Time: the year changes at 立春, the
// month at each jie, both at the moments the source gives (the table has the
// years 1880..2079 only; elsewhere year and month are 0); day and hour change
// at 23:00.
SexagenaryPillars StandardPillars(int year, int month, int day, int hour, int minute,
                                  JieSource source = JieSource::kStored);

}  // namespace veltrane::chart::reference
