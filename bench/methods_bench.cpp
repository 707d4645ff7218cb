// The chart-setting methods' own cost per chart: the term, yuan and ju of a
// moment by 拆补, 置闰 and 茅山, over every hour of a century, as a comparison
// of the methods over a range would ask for them.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calendar/date_time.h"
#include "chart/method.h"
#include "chart/method_terms.h"
#include "chart/method_zhirun.h"

namespace veltrane::bench {
namespace {

// Every hour from 1950 to 2049 (876,576 moments), with their day pillars.
const std::vector<chart::MethodInput>& CenturyHours() {
  static const std::vector<chart::MethodInput> hours = [] {
    std::vector<chart::MethodInput> list;
    const int first = calendar::DayNumberOfDate(1950, 1, 1);
    const int end = calendar::DayNumberOfDate(2050, 1, 1);
    for (int day = first; day < end; ++day) {
      for (int hour = 0; hour < 24; ++hour) {
        const double moment = day + hour / 24.0;
        list.push_back({moment, chart::GanZhiOfDayNumber(chart::ChartDayOfMoment(moment))});
      }
    }
    return list;
  }();
  return hours;
}

void BM_MethodPerChart(benchmark::State& state) {
  const auto method = static_cast<chart::ChartMethod>(state.range(0));
  const std::vector<chart::MethodInput>& hours = CenturyHours();
  (void)chart::ComputeMethodJu(method, hours.front());  // the 置闰 walk is built once
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(chart::ComputeMethodJu(method, hours[i]));
    i = i + 1 == hours.size() ? 0 : i + 1;
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(std::string(chart::ChartMethodName(method)));
}
BENCHMARK(BM_MethodPerChart)->DenseRange(0, chart::kChartMethodCount - 1);

// All three methods for one moment, as a comparison over a range does.
void BM_CompareMethodsPerChart(benchmark::State& state) {
  const std::vector<chart::MethodInput>& hours = CenturyHours();
  std::size_t i = 0;
  for (auto _ : state) {
    for (int m = 0; m < chart::kChartMethodCount; ++m) {
      benchmark::DoNotOptimize(
          chart::ComputeMethodJu(static_cast<chart::ChartMethod>(m), hours[i]));
    }
    i = i + 1 == hours.size() ? 0 : i + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompareMethodsPerChart);

// Building the 置闰 walk over 1799..3000, done once per process.
void BM_ZhirunWalk(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(chart::WalkZhirunIntercalaryPeriods(chart::kZhirunAnchorYear, 3000));
  }
}
BENCHMARK(BM_ZhirunWalk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltrane::bench
