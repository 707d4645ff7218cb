#include "chart/chart_boundaries.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "calendar/arithmetic.h"
#include "calendar/date_time.h"
#include "calendar/solar_term_table.h"
#include "calendar/term_uncertainty.h"
#include "chart/method_maoshan.h"
#include "chart/method_terms.h"
#include "chart/plot_lookups.h"
#include "chart/solar_clock.h"

namespace veltrane::chart {
namespace {

constexpr ChartSeconds kSecondsPerDay = 86400;
constexpr double kHourSeconds = 3600;
constexpr double kBranchSeconds = 2 * kHourSeconds;
// A yuan lasts five days: its 符头 day and the four after it.
constexpr int kYuanDays = 5;

// a / b rounded towards minus infinity (b > 0).
constexpr ChartSeconds FloorDiv(ChartSeconds a, ChartSeconds b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The first whole second at which a term with this moment is in force: a
// moment within the date arithmetic's tolerance of the term's lies inside it.
ChartSeconds FirstSecondOfTerm(double linear_days) {
  constexpr auto kDay = static_cast<double>(kSecondsPerDay);
  return static_cast<ChartSeconds>(std::ceil((linear_days - calendar::kTolerance) * kDay));
}

TermEdge TermEdgeOf(TermOrdinal k) {
  const int year = YearOfTerm(k);
  const bool stored = year >= calendar::kFirstTermYear && year <= calendar::kLastTermYear;
  return TermEdge{SolarTermOfOrdinal(k), FirstSecondOfTerm(TermOrdinalMoment(k)),
                  stored ? TermSource::kTable : TermSource::kFormula};
}

// The clock the day and hour pillars are read on, as seconds from 1899-12-30
// 00:00 of that clock: China Standard Time, or with a longitude the local
// solar time there, read as ChartPillarsOf reads it.
class PillarClock {
 public:
  // The clock as read at a chart's instant.
  PillarClock(const ChartOptions& options, ChartSeconds chart) : kind_(options.solar_time) {
    if (options.longitude && std::isfinite(*options.longitude)) {
      longitude_ = std::clamp(*options.longitude, -180.0, 180.0);
    }
    chart_offset_ = OffsetAt(static_cast<double>(chart));
    reading_ = static_cast<double>(chart) + chart_offset_;
  }

  // The clock's reading at the chart's instant (seconds).
  double Reading() const { return reading_; }

  // The first whole second at which the clock reads `reading` (a whole
  // second of the clock) or later, for an edge within `days` of the chart.
  ChartSeconds InstantOf(double reading, int days) const {
    // The offset changes by at most 30 s a day (3.5e-4 s a second), so one
    // step from the chart's own offset leaves an error under 2 ms for an
    // edge hours away; an edge days away takes a second step.
    double instant = reading - chart_offset_;
    for (int i = 0; i < (days > 0 ? 2 : 1); ++i) instant = reading - OffsetAt(instant);
    auto first = static_cast<ChartSeconds>(std::ceil(instant - kSettled));
    if (!longitude_) return first;
    // Charts fall on whole minutes: a minute within a second of the edge
    // lies on the side that the chart's own clock reading puts it.
    const ChartSeconds minute = FloorDiv(first + kMinute / 2, kMinute) * kMinute;
    if (std::llabs(first - minute) <= 1) {
      first = ReadsAtLeast(minute, std::llround(reading)) ? std::min(first, minute)
                                                          : std::max(first, minute + 1);
    }
    return first;
  }

 private:
  static constexpr double kSettled = 1e-6;  // seconds
  static constexpr ChartSeconds kMinute = 60;

  SolarClock ClockAt(ChartSeconds minute) const {
    const CivilSecond c = CivilOfSeconds(minute);
    return LocalSolarClock(ChartMoment{c.year, c.month, c.day, c.hour, c.minute}, *longitude_,
                           kind_);
  }

  // The local solar clock minus China Standard Time, as the chart's pillars
  // take it for the minute of the instant.
  double OffsetAt(double instant) const {
    if (!longitude_) return 0;
    const SolarClock clock =
        ClockAt(FloorDiv(static_cast<ChartSeconds>(std::floor(instant)), kMinute) * kMinute);
    return clock.longitude_correction_seconds + clock.equation_of_time_seconds;
  }

  // Whether the chart of a whole minute reads the clock at `reading` or later.
  bool ReadsAtLeast(ChartSeconds minute, ChartSeconds reading) const {
    const SolarClock clock = ClockAt(minute);
    return SecondsOfMoment(clock.time) + clock.second >= reading;
  }

  std::optional<double> longitude_;
  SolarTime kind_;
  double chart_offset_ = 0;
  double reading_ = 0;
};

// The yuan under 茅山: five days from the term's moment for 上元, five more
// for 中元, and 下元 until the next term.
void SetMaoshanYuan(ChartBoundaries& b) {
  const double days = static_cast<double>(b.chart - b.term.start) / kSecondsPerDay;
  const double starts[] = {0, kMaoshanMiddleDays, kMaoshanLowerDays};
  int i = 2;
  while (i > 0 && days < starts[i]) --i;
  const auto at = [&b](double d) { return b.term.start + std::llround(d * kSecondsPerDay); };
  b.yuan_start = at(starts[i]);
  b.next_yuan = i < 2 ? at(starts[i + 1]) : b.next_term.start;
}

// The yuan by its 符头: the 甲 or 己 day (sixty-cycle numbers 1, 6, 11, ...)
// that opens the five days the chart's day belongs to.
void SetYuanByHead(ChartBoundaries& b, const Chart& chart, const ChartOptions& options,
                   const PillarClock& clock, double reading) {
  const int day_ganzhi = chart.pillars.day;
  const int into_yuan = (day_ganzhi - 1) % kYuanDays;
  b.yuan_head = day_ganzhi - into_yuan;
  b.next_yuan_head = (b.yuan_head + kYuanDays - 1) % kGanZhiCount + 1;
  // The chart's day as a day number of the pillar clock.
  const int day = DayNumberOfChartDay(reading / kSecondsPerDay, day_ganzhi).value_or(0);
  const double day_opens = options.day_start == DayStart::kAt23 ? -kHourSeconds : 0;
  const auto start_of = [&](int day_number) {
    return clock.InstantOf(static_cast<double>(day_number) * kSecondsPerDay + day_opens, kYuanDays);
  };
  b.yuan_start = start_of(day - into_yuan);
  b.next_yuan = start_of(day - into_yuan + kYuanDays);
}

}  // namespace

ChartSeconds ChartBoundaries::At(Edge edge) const {
  switch (edge) {
    case Edge::kTermStart:
      return term.start;
    case Edge::kNextTerm:
      return next_term.start;
    case Edge::kYuanStart:
      return yuan_start;
    case Edge::kNextYuan:
      return next_yuan;
    case Edge::kHourStart:
      return hour_start;
    case Edge::kHourEnd:
      return hour_end;
  }
  return chart;
}

ChartSeconds SecondsOfMoment(const ChartMoment& m) {
  const ChartSeconds day = calendar::DayNumberOfDate(m.year, m.month, m.day);
  return day * kSecondsPerDay + ChartSeconds{m.hour} * 3600 + ChartSeconds{m.minute} * 60;
}

CivilSecond CivilOfSeconds(ChartSeconds instant) {
  const ChartSeconds day = FloorDiv(instant, kSecondsPerDay);
  const auto of_day = static_cast<int>(instant - day * kSecondsPerDay);
  const calendar::CivilDate date = calendar::DateOfDayNumber(static_cast<int>(day));
  return CivilSecond{date.year, date.month, date.day, of_day / 3600, of_day / 60 % 60, of_day % 60};
}

ChartBoundaries ComputeBoundaries(const Chart& chart, const ChartOptions& options) {
  ChartBoundaries b;
  b.chart = SecondsOfMoment(chart.date);
  const TermOrdinal k =
      TermInForceAt(static_cast<double>(b.chart) / static_cast<double>(kSecondsPerDay));
  b.term = TermEdgeOf(k);
  b.next_term = TermEdgeOf(k + 1);
  b.term_uncertainty_seconds = std::max(calendar::TermUncertaintySeconds(YearOfTerm(k)),
                                        calendar::TermUncertaintySeconds(YearOfTerm(k + 1)));

  const PillarClock clock(options, b.chart);
  const double reading = clock.Reading();
  if (options.method == ChartMethod::kMaoshan) {
    SetMaoshanYuan(b);
  } else {
    SetYuanByHead(b, chart, options, clock, reading);
  }

  // The branch hours open at odd hours of the pillar clock, 子 at 23:00.
  b.hour_branch = static_cast<Branch>(BranchOfGanZhi(chart.pillars.hour));
  const double opened = std::floor((reading + kHourSeconds) / kBranchSeconds) * kBranchSeconds;
  b.hour_start = clock.InstantOf(opened - kHourSeconds, 0);
  b.hour_end = clock.InstantOf(opened - kHourSeconds + kBranchSeconds, 0);
  return b;
}

NearEdges NearEdgesOf(const ChartBoundaries& b, int near_minutes) {
  NearEdges near;
  const ChartSeconds window = static_cast<ChartSeconds>(std::max(near_minutes, 0)) * 60;
  for (int e = 0; e < kEdgeCount; ++e) {
    const auto edge = static_cast<Edge>(e);
    const ChartSeconds offset = b.At(edge) - b.chart;
    if (std::llabs(offset) <= window) {
      near.items[static_cast<std::size_t>(near.count++)] = NearEdge{edge, offset};
    }
  }
  return near;
}

}  // namespace veltrane::chart
