#include "search/searcher.h"

#include "search/match.h"

namespace veltrane::search {

std::optional<Hit> Searcher::Test(const chart::ChartMoment& moment) const {
  Hit hit{chart::ComputeChart(moment, options_), {}};
  std::optional<reading::Reading> read;
  if (query_.needs_reading) read = reading::Read(hit.chart, profile_);
  const reading::Reading* reading = read ? &*read : nullptr;
  if (!Matches(query_, hit.chart, reading)) return std::nullopt;
  hit.matched = Matched(query_, hit.chart, reading);
  return hit;
}

}  // namespace veltrane::search
