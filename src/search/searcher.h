// Searching time for a query under the search's options and profile: one moment's chart tested
// in full, or a range walked by the keys that fix its charts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_moment.h"
#include "chart/chart_options.h"
#include "chart/plot_chart.h"
#include "reading/reading.h"
#include "search/keyed_query.h"
#include "search/query.h"

namespace veltrane::search {

// One moment whose chart satisfies the query.
struct Hit {
  chart::Chart chart;
  std::vector<std::string> matched;  // see Matched
};

// A moment of a range whose chart satisfies the query, as the walk knows it.
struct RangeHit {
  std::int64_t index = 0;     // its number in the range
  chart::ChartMoment moment;  // first + index·step
  const chart::Chart& keys;   // its pillars, term, yuan and ju (no plates)
};

class Searcher {
 public:
  Searcher(Query query, const chart::ChartOptions& options,
           const reading::ReadingProfile& profile = reading::ClassicProfile());

  // The hit of a moment, or none when its chart does not satisfy the query: the chart is
  // plotted, and read only when a reading test is reached.
  std::optional<Hit> Test(const chart::ChartMoment& moment) const;

  // Calls hit() for each moment first + k·step_minutes, k = begin..end − 1, whose chart
  // satisfies the query, in moment order: exactly the moments whose Test gives a hit, found
  // without plotting each (see KeyWalk and KeyedQuery). Safe on any number of threads.
  void Scan(const chart::ChartMoment& first, int step_minutes, std::int64_t begin, std::int64_t end,
            const std::function<void(const RangeHit&)>& hit) const;

  const chart::ChartOptions& options() const { return options_; }

 private:
  Query query_;
  chart::ChartOptions options_;
  reading::ReadingProfile profile_;
  std::shared_ptr<const KeyedQuery> keyed_;
};

}  // namespace veltrane::search
