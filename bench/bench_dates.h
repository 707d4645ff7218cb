// The moments the benchmarks plot: spread over two centuries, every hour
// branch and both duns, so no ring always stops at its first step.
#pragma once

#include <string>
#include <vector>

#include "chart/plot_chart.h"

namespace veltrane::bench {

struct BenchDate {
  chart::ChartMoment date;
  // The date boxes' texts (GBK is ASCII for digits).
  std::string year, month, day, hour;
};

// A fixed list of moments, the same on every run.
const std::vector<BenchDate>& BenchDates();

}  // namespace veltrane::bench
