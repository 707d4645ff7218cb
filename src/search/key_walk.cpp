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

// The two-hour branch a minute lies in, counted from the 子 hour of 1899-12-30.
std::int64_t BranchNumber(std::int64_t minute) {
  return FloorDiv(minute + kZiLeadMinutes, kMinutesPerBranch);
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
  if (index != known_index_) {
    known_ = chart::ComputeChartKeys(MomentOf(index), options_);
    known_index_ = index;
  }
  return known_;
}

std::int64_t KeyWalk::LastOfDay(std::int64_t index) const {
  const std::int64_t lead = options_.day_start == chart::DayStart::kAt23 ? kZiLeadMinutes : 0;
  const std::int64_t minute = MinuteOf(index);
  const std::int64_t edge = (FloorDiv(minute + lead, kMinutesPerDay) + 1) * kMinutesPerDay - lead;
  return index + (edge - 1 - minute) / step_;
}

KeyRun KeyWalk::RunFrom(std::int64_t index, std::int64_t end) {
  KeyRun run{index, index, KeysAt(index), known_.pillars.hour};
  if (each_moment_) return run;
  std::int64_t last = std::min(LastOfDay(index), end - 1);
  if (last == index) return run;
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
