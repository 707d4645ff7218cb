#include "search/searcher.h"

#include "search/match.h"

namespace veltrane::search {

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

}  // namespace veltrane::search
