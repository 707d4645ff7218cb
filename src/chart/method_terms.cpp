#include "chart/method_terms.h"

#include <cmath>

#include "calendar/arithmetic.h"
#include "chart/term_in_force.h"

namespace veltrane::chart {
namespace {

using calendar::kTolerance;
// The mean length of a term in days (a tropical year over 24).
constexpr double kMeanTermDays = 365.2422 / 24;
// 1899-12-30, day 0, is 壬申 (9).
constexpr int kGanZhiOfDayZero = 9;

int FloorMod(int a, int b) { return ((a % b) + b) % b; }

}  // namespace

double TermOrdinalMoment(TermOrdinal k) { return TermMoment(YearOfTerm(k), SlotOfTerm(k)); }

TermStart TermStartAt(double linear_moment) {
  // Estimate from the 小寒 of 1900 (day 6.1) and the mean term length, then
  // step to the exact term; the estimate is off by at most one term or two.
  constexpr double kXiaohan1900 = 6.086;
  TermOrdinal k = TermOrdinalOf(1900, 1) +
                  static_cast<int>(std::floor((linear_moment - kXiaohan1900) / kMeanTermDays));
  double start = TermOrdinalMoment(k);
  while (linear_moment - start < -kTolerance) start = TermOrdinalMoment(--k);
  for (double next = TermOrdinalMoment(k + 1); linear_moment - next >= -kTolerance;
       next = TermOrdinalMoment(k + 1)) {
    ++k;
    start = next;
  }
  return {k, start};
}

TermOrdinal TermInForceAt(double linear_moment) { return TermStartAt(linear_moment).term; }

int ChartDayOfMoment(double linear_moment, bool from_midnight) {
  return static_cast<int>(
      std::floor(linear_moment + (from_midnight ? 0.0 : 1.0 / 24) + kTolerance));
}

int GanZhiOfDayNumber(int day_number) {
  return FloorMod(day_number + kGanZhiOfDayZero - 1, 60) + 1;
}

std::optional<int> DayNumberOfChartDay(double linear_moment, int day_ganzhi) {
  // Beyond the DateTime range a day number would not fit an int.
  if (!(std::fabs(linear_moment) <= 1e7) || day_ganzhi < 1 || day_ganzhi > 60) return std::nullopt;
  const int calendar_day = static_cast<int>(std::floor(linear_moment));
  const int offset = FloorMod(day_ganzhi - GanZhiOfDayNumber(calendar_day) + 30, 60) - 30;
  return calendar_day + offset;
}

}  // namespace veltrane::chart
