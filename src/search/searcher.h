// Testing one moment's chart against a query under the search's options and profile: the
// chart is plotted, and read only when the query reads it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/chart_moment.h"
#include "chart/chart_options.h"
#include "chart/plot_chart.h"
#include "reading/reading.h"
#include "search/query.h"

namespace veltrane::search {

// One moment whose chart satisfies the query.
struct Hit {
  chart::Chart chart;
  std::vector<std::string> matched;  // see Matched
};

class Searcher {
 public:
  Searcher(Query query, const chart::ChartOptions& options,
           const reading::ReadingProfile& profile = reading::ClassicProfile())
      : query_(std::move(query)), options_(options), profile_(profile) {}

  // The hit of a moment, or none when its chart does not satisfy the query.
  std::optional<Hit> Test(const chart::ChartMoment& moment) const;

  const chart::ChartOptions& options() const { return options_; }

 private:
  Query query_;
  chart::ChartOptions options_;
  reading::ReadingProfile profile_;
};

}  // namespace veltrane::search
