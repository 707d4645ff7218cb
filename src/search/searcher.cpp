#include "search/searcher.h"

#include "search/key_walk.h"
#include "search/match.h"

namespace veltrane::search {

Searcher::Searcher(Query query, const chart::ChartOptions& options,
                   const reading::ReadingProfile& profile)
    : query_(std::move(query)),
      options_(options),
      profile_(profile),
      keyed_(std::make_shared<const KeyedQuery>(query_, options_, profile_)) {}

std::optional<Hit> Searcher::Test(const chart::ChartMoment& moment) const {
  Hit hit{chart::ComputeChart(moment, options_), {}};
  // The reading is made only when a reading test is reached, and once.
  std::optional<reading::Reading> read;
  const ReadingSource reading = [&]() -> const reading::Reading* {
    if (!read) read = reading::Read(hit.chart, profile_);
    return &*read;
  };
  if (!Matches(query_, hit.chart, reading)) return std::nullopt;
  hit.matched = Matched(query_, hit.chart, reading);
  return hit;
}

void Searcher::Scan(const chart::ChartMoment& first, int step_minutes, std::int64_t begin,
                    std::int64_t end, const std::function<void(const RangeHit&)>& hit) const {
  KeyWalk walk(first, step_minutes, options_);
  for (std::int64_t index = begin; index < end;) {
    KeyRun run = walk.RunFrom(index, end);
    for (std::int64_t k = run.first; k <= run.last; ++k) {
      run.keys.pillars.hour = walk.HourPillar(run, k);
      if (!keyed_->Holds(run.keys)) continue;
      hit(RangeHit{k, walk.MomentOf(k), run.keys});
    }
    index = run.last + 1;
  }
}

}  // namespace veltrane::search
