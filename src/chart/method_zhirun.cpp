#include "chart/method_zhirun.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "calendar/date_time.h"

namespace veltrane::chart {
namespace {

constexpr int kPeriodDays = 15;
// Day number + 8 is a multiple of 15 on every 上元 符头 day (day 0 is 壬申).
constexpr int kPeriodOffset = 8;

int FloorDiv(int a, int b) { return (a >= 0 ? a : a - b + 1) / b; }

int PeriodIndexOfDay(int day_number) { return FloorDiv(day_number + kPeriodOffset, kPeriodDays); }
int FirstDayOfPeriod(int index) { return kPeriodDays * index - kPeriodOffset; }

// A term's day under the day pillar's reckoning, so that the walk and the
// lookup of a chart's day count days alike.
int TermDay(TermOrdinal k, bool from_midnight) {
  return ChartDayOfMoment(TermOrdinalMoment(k), from_midnight);
}

ZhirunPeriod PeriodOf(int index, TermOrdinal term, bool intercalary, bool from_midnight) {
  const int first_day = FirstDayOfPeriod(index);
  return ZhirunPeriod{first_day, term, TermDay(term, from_midnight) - first_day, intercalary};
}

// The walk: the anchor period and the indexes of the repeated periods, which
// together give every period's term.
struct ZhirunWalk {
  int first_index = 0;
  int last_index = 0;
  TermOrdinal first_term = 0;
  bool from_midnight = false;  // days start at midnight rather than 23:00
  int threshold = kIntercalaryLeadDays;
  std::vector<int> intercalary;  // period indexes, rising
};

ZhirunWalk Walk(int anchor_year, int end_year, bool from_midnight, int threshold) {
  ZhirunWalk walk;
  walk.from_midnight = from_midnight;
  walk.threshold = threshold;
  const TermOrdinal dongzhi = TermOrdinalOf(anchor_year, 24);
  walk.first_index = PeriodIndexOfDay(TermDay(dongzhi, from_midnight));
  walk.first_term = dongzhi;
  walk.last_index = PeriodIndexOfDay(calendar::DayNumberOfDate(end_year, 1, 1));
  ZhirunPeriod period = PeriodOf(walk.first_index, dongzhi, false, from_midnight);
  for (int index = walk.first_index + 1; index <= walk.last_index; ++index) {
    const bool repeat = ZhirunRepeatsAfter(SlotOfTerm(period.term), period.lead_days,
                                           period.intercalary, threshold);
    if (repeat) walk.intercalary.push_back(index);
    period = PeriodOf(index, repeat ? period.term : period.term + 1, repeat, from_midnight);
  }
  return walk;
}

// One walk over the methods' years for each day start and threshold, each
// made the first time a chart asks for it.
const ZhirunWalk& MethodWalk(bool from_midnight, int threshold) {
  constexpr int kReadings = kMostZhirunLeadDays - kFewestZhirunLeadDays + 1;
  static std::array<std::array<std::once_flag, kReadings>, 2> made;
  static std::array<std::array<ZhirunWalk, kReadings>, 2> walks;
  const int reading =
      std::clamp(threshold, kFewestZhirunLeadDays, kMostZhirunLeadDays) - kFewestZhirunLeadDays;
  const std::size_t start = from_midnight ? 1 : 0;
  std::call_once(made[start][reading], [&] {
    walks[start][reading] = Walk(kZhirunAnchorYear, kMethodLastYear + 1, from_midnight,
                                 reading + kFewestZhirunLeadDays);
  });
  return walks[start][reading];
}

ZhirunPeriod PeriodInWalk(const ZhirunWalk& walk, int index) {
  const auto repeated = std::upper_bound(walk.intercalary.begin(), walk.intercalary.end(), index);
  const int repeats = static_cast<int>(repeated - walk.intercalary.begin());
  const bool intercalary = repeats > 0 && *(repeated - 1) == index;
  return PeriodOf(index, walk.first_term + (index - walk.first_index) - repeats, intercalary,
                  walk.from_midnight);
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

bool ZhirunRepeatsAfter(int slot, int lead_days, bool intercalary, int threshold) {
  return !intercalary && (slot == kSlotMangzhong || slot == kSlotDaxue) && lead_days >= threshold;
}

std::optional<ZhirunPeriod> ZhirunPeriodOfDay(int day_number, bool from_midnight, int threshold) {
  const ZhirunWalk& walk = MethodWalk(from_midnight, threshold);
  const int index = PeriodIndexOfDay(day_number);
  if (index < walk.first_index || index > walk.last_index) return std::nullopt;
  return PeriodInWalk(walk, index);
}

std::vector<ZhirunPeriod> ZhirunIntercalaryPeriods(int first_year, int last_year) {
  return IntercalaryPeriodsOf(MethodWalk(false, kIntercalaryLeadDays),
                              calendar::DayNumberOfDate(first_year, 1, 1),
                              calendar::DayNumberOfDate(last_year + 1, 1, 1));
}

std::vector<ZhirunPeriod> WalkZhirunIntercalaryPeriods(int anchor_year, int end_year) {
  const ZhirunWalk walk = Walk(anchor_year, end_year, false, kIntercalaryLeadDays);
  return IntercalaryPeriodsOf(walk, FirstDayOfPeriod(walk.first_index),
                              FirstDayOfPeriod(walk.last_index + 1));
}

MethodJu ZhirunJu(const MethodInput& input) { return ZhirunJu(input, TermStartAt(input.moment)); }

MethodJu ZhirunJu(const MethodInput& input, const TermStart& in_force) {
  const int day = DayNumberOfChartDay(input.moment, input.day_ganzhi).value_or(0);
  const std::optional<ZhirunPeriod> period =
      ZhirunPeriodOfDay(day, input.day_from_midnight, input.zhirun_lead_days);
  // A valid input always lies in the walk; the term in force stands in otherwise.
  const TermOrdinal term = period ? period->term : in_force.term;
  return MethodJuOf(SolarTermOfOrdinal(term), YuanOfDayGanZhi(input.day_ganzhi));
}

}  // namespace veltrane::chart
