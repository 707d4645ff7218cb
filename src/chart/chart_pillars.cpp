#include "chart/chart_pillars.h"

#include <algorithm>
#include <cmath>

#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

constexpr int kAutomatic = static_cast<int>(CalendarMode::kAutomatic);

Pillars PillarsAt(const ChartMoment& m) {
  return ComputePillars(m.year, m.month, m.day, m.hour, m.minute, kAutomatic).value_or(Pillars{});
}

}  // namespace

ChartPillars ChartPillarsOf(const ChartMoment& moment, const ChartOptions& options) {
  ChartPillars result;
  result.pillars = PillarsAt(moment);
  ChartMoment day_clock = moment;
  if (options.longitude && std::isfinite(*options.longitude)) {
    const double longitude = std::clamp(*options.longitude, -180.0, 180.0);
    result.solar_clock = LocalSolarClock(moment, longitude, options.solar_time);
    day_clock = result.solar_clock->time;
    const Pillars local = PillarsAt(day_clock);
    result.pillars.day = local.day;
    result.pillars.hour = local.hour;
  }
  // From 23:00 the pillars count the next day; the 晚子时 reckoning keeps the
  // day pillar one back (the hour pillar is already the next day's 子).
  if (options.day_start == DayStart::kAtMidnight && day_clock.hour == 23) {
    result.pillars.day = (result.pillars.day + kGanZhiCount - 2) % kGanZhiCount + 1;
  }
  return result;
}

}  // namespace veltrane::chart
