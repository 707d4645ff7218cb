#include "chart/method_zhirun.h"

#include <algorithm>

#include "calendar/date_time.h"

namespace veltrane::chart {
namespace {

constexpr int kPeriodDays = 15;
// Day number + 8 is a multiple of 15 on every 上元 符头 day (day 0 is 壬申).
constexpr int kPeriodOffset = 8;

int FloorDiv(int a, int b) { return (a >= 0 ? a : a - b + 1) / b; }

int PeriodIndexOfDay(int day_number) { return FloorDiv(day_number + kPeriodOffset, kPeriodDays); }
int FirstDayOfPeriod(int index) { return kPeriodDays * index - kPeriodOffset; }

int TermDay(TermOrdinal k) { return ChartDayOfMoment(TermOrdinalMoment(k)); }

ZhirunPeriod PeriodOf(int index, TermOrdinal term, bool intercalary) {
  const int first_day = FirstDayOfPeriod(index);
  return ZhirunPeriod{first_day, term, TermDay(term) - first_day, intercalary};
}

// The walk: the anchor period and the indexes of the repeated periods, which
// together give every period's term.
struct ZhirunWalk {
  int first_index = 0;
  int last_index = 0;
  TermOrdinal first_term = 0;
  std::vector<int> intercalary;  // period indexes, rising
};

ZhirunWalk Walk(int anchor_year, int end_year) {
  ZhirunWalk walk;
  const TermOrdinal dongzhi = TermOrdinalOf(anchor_year, 24);
  walk.first_index = PeriodIndexOfDay(TermDay(dongzhi));
  walk.first_term = dongzhi;
  walk.last_index = PeriodIndexOfDay(calendar::DayNumberOfDate(end_year, 1, 1));
  ZhirunPeriod period = PeriodOf(walk.first_index, dongzhi, false);
  for (int index = walk.first_index + 1; index <= walk.last_index; ++index) {
    const int slot = SlotOfTerm(period.term);
    const bool repeat = !period.intercalary && (slot == kSlotMangzhong || slot == kSlotDaxue) &&
                        period.lead_days >= kIntercalaryLeadDays;
    if (repeat) walk.intercalary.push_back(index);
    period = PeriodOf(index, repeat ? period.term : period.term + 1, repeat);
  }
  return walk;
}

const ZhirunWalk& MethodWalk() {
  static const ZhirunWalk walk = Walk(kZhirunAnchorYear, kMethodLastYear + 1);
  return walk;
}

ZhirunPeriod PeriodInWalk(const ZhirunWalk& walk, int index) {
  const auto repeated = std::upper_bound(walk.intercalary.begin(), walk.intercalary.end(), index);
  const int repeats = static_cast<int>(repeated - walk.intercalary.begin());
  const bool intercalary = repeats > 0 && *(repeated - 1) == index;
  return PeriodOf(index, walk.first_term + (index - walk.first_index) - repeats, intercalary);
}

std::vector<ZhirunPeriod> IntercalaryPeriodsOf(const ZhirunWalk& walk, int first_day, int end_day) {
  std::vector<ZhirunPeriod> periods;
  for (const int index : walk.intercalary) {
    const ZhirunPeriod period = PeriodInWalk(walk, index);
    if (period.first_day >= first_day && period.first_day < end_day) periods.push_back(period);
  }
  return periods;
}

}  // namespace

std::optional<ZhirunPeriod> ZhirunPeriodOfDay(int day_number) {
  const ZhirunWalk& walk = MethodWalk();
  const int index = PeriodIndexOfDay(day_number);
  if (index < walk.first_index || index > walk.last_index) return std::nullopt;
  return PeriodInWalk(walk, index);
}

std::vector<ZhirunPeriod> ZhirunIntercalaryPeriods(int first_year, int last_year) {
  return IntercalaryPeriodsOf(MethodWalk(), calendar::DayNumberOfDate(first_year, 1, 1),
                              calendar::DayNumberOfDate(last_year + 1, 1, 1));
}

std::vector<ZhirunPeriod> WalkZhirunIntercalaryPeriods(int anchor_year, int end_year) {
  const ZhirunWalk walk = Walk(anchor_year, end_year);
  return IntercalaryPeriodsOf(walk, FirstDayOfPeriod(walk.first_index),
                              FirstDayOfPeriod(walk.last_index + 1));
}

MethodJu ZhirunJu(const MethodInput& input) { return ZhirunJu(input, TermStartAt(input.moment)); }

MethodJu ZhirunJu(const MethodInput& input, const TermStart& in_force) {
  const int day = DayNumberOfChartDay(input.moment, input.day_ganzhi).value_or(0);
  const std::optional<ZhirunPeriod> period = ZhirunPeriodOfDay(day);
  // A valid input always lies in the walk; the term in force stands in otherwise.
  const TermOrdinal term = period ? period->term : in_force.term;
  return MethodJuOf(SolarTermOfOrdinal(term), YuanOfDayGanZhi(input.day_ganzhi));
}

}  // namespace veltrane::chart
