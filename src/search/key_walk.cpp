#include "search/key_walk.h"

#include "calendar/date_time.h"

namespace veltrane::search {
namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr std::int64_t kMinutesPerBranch = 120;
// The 子 hour, and with it the day under the 23:00 day start, begins an hour before midnight.
constexpr std::int64_t kZiLeadMinutes = 60;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Whole days that put every minute of the plotted years (and far beyond) after 0.
constexpr std::int64_t kDaysBefore = 1'000'000;

// The two-hour branch a minute lies in, counted from a 子 hour long before the plotted years.
std::int64_t BranchNumber(std::int64_t minute) {
  return (minute + kDaysBefore * kMinutesPerDay + kZiLeadMinutes) / kMinutesPerBranch;
}

// Whether two charts share every key but the day and hour pillars: the same year and month
// pillars, the same term in force (by its moment) and the same term, yuan and ju of the method.
bool SameBeyondTheDay(const chart::Chart& a, const chart::Chart& b) {
  return a.pillars.year == b.pillars.year && a.pillars.month == b.pillars.month &&
         a.term_moment == b.term_moment && a.term == b.term && a.yuan == b.yuan && a.ju == b.ju;
}

// Whether two charts share every key but the hour pillar.
bool SameKeys(const chart::Chart& a, const chart::Chart& b) {
  return a.pillars.year == b.pillars.year && a.pillars.month == b.pillars.month &&
         a.pillars.day == b.pillars.day && a.term == b.term && a.yuan == b.yuan && a.ju == b.ju;
}

// The hour pillar `branches` branches after `pillar`.
int PillarAfter(int pillar, std::int64_t branches) {
  const std::int64_t n = (pillar - 1 + branches) % chart::kGanZhiCount;
  return static_cast<int>(n < 0 ? n + chart::kGanZhiCount : n) + 1;
}

}  // namespace

KeyWalk::KeyWalk(const chart::ChartMoment& first, int step_minutes,
                 const chart::ChartOptions& options)
    : first_minute_(calendar::MinuteNumberOf(first)),
      step_(step_minutes < 1 ? 1 : step_minutes),
      options_(options),
      each_moment_(options.longitude.has_value()) {}

chart::ChartMoment KeyWalk::MomentOf(std::int64_t index) const {
  return calendar::CivilDateTimeOfMinute(MinuteOf(index));
}

const chart::Chart& KeyWalk::KeysAt(std::int64_t index) {
  for (const Known& known : known_) {
    if (known.index == index) return known.keys;
  }
  newest_ = 1 - newest_;
  known_[newest_] = Known{index, chart::ComputeChartKeys(MomentOf(index), options_)};
  return known_[newest_].keys;
}

std::int64_t KeyWalk::LastOfDay(std::int64_t index) const {
  const std::int64_t lead = options_.day_start == chart::DayStart::kAt23 ? kZiLeadMinutes : 0;
  const std::int64_t minute = MinuteOf(index);
  const std::int64_t edge = (FloorDiv(minute + lead, kMinutesPerDay) + 1) * kMinutesPerDay - lead;
  return index + (edge - 1 - minute) / step_;
}

KeyRun KeyWalk::RunFrom(std::int64_t index, std::int64_t end) {
  KeyRun run{index, index, KeysAt(index), 0};
  run.first_hour = run.keys.pillars.hour;
  if (each_moment_) return run;
  const std::int64_t day_last = LastOfDay(index);
  std::int64_t last = std::min(day_last, end - 1);
  if (last == index) return run;
  // Where the next day's first moment has the same keys beyond the day, none changed during
  // this day: a key that changes within a day (a pillar or term at its instant, 茅山's yuan)
  // does not come back by the next day. One computation then serves both days.
  if (day_last + 1 < end) {
    const chart::Chart& next = KeysAt(day_last + 1);
    if (SameBeyondTheDay(next, run.keys) && next.pillars.hour == HourPillar(run, day_last + 1)) {
      run.last = last;
      return run;
    }
  }
  // The keys move forward only (pillars, terms and yuan never come back within a day), so
  // keys equal at both ends hold in between; otherwise the first change is found by halving.
  std::int64_t same = index;
  std::int64_t differs = last;
  const chart::Chart& at_last = KeysAt(last);
  const bool whole = SameKeys(at_last, run.keys);
  if (whole && at_last.pillars.hour == HourPillar(run, last)) {
    run.last = last;
    return run;
  }
  if (whole) {
    // The hour pillar did not count on as the branches do: no such clock is known, but every
    // moment is then computed in full rather than guessed.
    return run;
  }
  while (differs - same > 1) {
    const std::int64_t middle = same + (differs - same) / 2;
    (SameKeys(KeysAt(middle), run.keys) ? same : differs) = middle;
  }
  last = same;
  if (last != index && KeysAt(last).pillars.hour != HourPillar(run, last)) return run;
  run.last = last;
  return run;
}

int KeyWalk::HourPillar(const KeyRun& run, std::int64_t index) const {
  return PillarAfter(run.first_hour,
                     BranchNumber(MinuteOf(index)) - BranchNumber(MinuteOf(run.first)));
}

}  // namespace veltrane::search
