// The tally of a search's hits: how many, and how many in each year, term and yuan.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "chart/plot_chart.h"

namespace veltrane::search {

struct HitCounts {
  std::int64_t hits = 0;
  std::map<int, std::int64_t> per_year;                        // by the moment's civil year
  std::array<std::int64_t, chart::kTermCount> per_term{};      // by SolarTerm − 1
  std::array<std::int64_t, chart::kYuanCount + 1> per_yuan{};  // by Yuan (0: none)

  // Counts one hit: the chart of a moment in `year` (its term and yuan are read).
  void Add(int year, const chart::Chart& chart);

  // Adds the hits of another tally.
  void Merge(const HitCounts& other);
};

// The tally as one JSON object (no line end):
//   {"hits", "per_year": {"2024": n}, "per_term": {"冬至": n}, "per_yuan": {"上元": n}}
// Terms and yuan are given in their order, with zero counts too.
std::string CountsJson(const HitCounts& counts);

}  // namespace veltrane::search
