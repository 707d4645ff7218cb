// veltrane-chart's own path: formatting one chart as JSON and as the copied
// text, and plotting whole ranges into a sink, on one thread and on several.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "app/cli_chart_json.h"
#include "app/cli_compare_methods.h"
#include "app/cli_range.h"
#include "app/cli_zone.h"
#include "bench_dates.h"
#include "chart/plot_chart.h"
#include "views/chart_text.h"

namespace veltrane::bench {
namespace {

#ifdef _WIN32
constexpr const char* kNullDevice = "NUL";
#else
constexpr const char* kNullDevice = "/dev/null";
#endif

void BM_ChartJson(benchmark::State& state) {
  const BenchDate& d = BenchDates()[7];
  const chart::Chart chart = chart::ComputeChart(d.date);
  const chart::ChartBoundaries boundaries = chart::ComputeBoundaries(chart);
  app::LunarDayCache lunar;
  std::string line;
  for (auto _ : state) {
    line.clear();
    app::AppendChartJson(line, d.date, chart, lunar.Of(d.date), boundaries);
    benchmark::DoNotOptimize(line.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_ChartJson);

// One chart's view and copied table in script range(0): 0 简体, 1 繁體, 2 English.
void BM_ChartText(benchmark::State& state) {
  const chart::Chart chart = chart::ComputeChart(BenchDates()[7].date);
  const chart::Script script = chart::kScripts[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    std::string text = views::FormatChartText(views::ViewOfChart(chart, script), script);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_ChartText)->DenseRange(0, 2);

// A range written to the null device, with range(0) threads; a year hour by
// hour, or with range(1) = 1 the whole century that the README measures.
void BM_RangeJson(benchmark::State& state) {
  const bool century = state.range(1) == 1;
  const app::ChartRange range{
      {1900, 1, 1, 0, 0},
      century ? chart::ChartMoment{1999, 12, 31, 23, 0} : chart::ChartMoment{1900, 12, 31, 23, 0},
      60};
  std::FILE* sink = std::fopen(kNullDevice, "wb");
  if (sink == nullptr) {
    state.SkipWithError("no null device");
    return;
  }
  for (auto _ : state) {
    if (!app::WriteRangeJson(range, static_cast<int>(state.range(0)), sink)) {
      state.SkipWithError("write failed");
    }
  }
  std::fclose(sink);
  state.SetItemsProcessed(state.iterations() * app::MomentCount(range));
}
BENCHMARK(BM_RangeJson)->Args({1, 0})->Args({2, 0})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RangeJson)
    ->Args({1, 1})
    ->Args({2, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// What an option costs per chart: 1900 hour by hour (8,760 charts) on one
// thread to the null device, with range(0) = 0 no option, 1 --tz
// America/New_York (each chart's civil time in the zone), 2 --longitude 87.6
// (apparent solar time), 3 --longitude 87.6 --solar-time mean.
void BM_RangeJsonWithOption(benchmark::State& state) {
  const app::ChartRange range{{1900, 1, 1, 0, 0}, {1900, 12, 31, 23, 0}, 60};
  chart::ChartOptions options;
  std::string zone;
  switch (state.range(0)) {
    case 1:
      zone = "America/New_York";
      break;
    case 2:
    case 3:
      options.longitude = 87.6;
      options.solar_time =
          state.range(0) == 3 ? chart::SolarTime::kMean : chart::SolarTime::kApparent;
      break;
    default:
      break;
  }
  const app::RunConventions conventions(options, zone);
  std::FILE* sink = std::fopen(kNullDevice, "wb");
  if (sink == nullptr) {
    state.SkipWithError("no null device");
    return;
  }
  for (auto _ : state) {
    if (!app::WriteRangeJson(range, 1, sink, conventions)) state.SkipWithError("write failed");
  }
  std::fclose(sink);
  state.SetItemsProcessed(state.iterations() * app::MomentCount(range));
}
BENCHMARK(BM_RangeJsonWithOption)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// --compare-methods over the century 1900-01-01T00:00..1999-12-31T23:00 hour
// by hour, once, on range(0) threads: every moment's chart and the three
// methods, and a line for each moment where they disagree.
void BM_CompareMethodsRange(benchmark::State& state) {
  const app::ChartRange range{{1900, 1, 1, 0, 0}, {1999, 12, 31, 23, 0}, 60};
  std::FILE* sink = std::fopen(kNullDevice, "wb");
  if (sink == nullptr) {
    state.SkipWithError("no null device");
    return;
  }
  for (auto _ : state) {
    if (!app::WriteMethodComparison(range, app::DefaultConventions(),
                                    static_cast<int>(state.range(0)), sink)) {
      state.SkipWithError("write failed");
    }
  }
  std::fclose(sink);
  state.SetItemsProcessed(state.iterations() * app::MomentCount(range));
}
BENCHMARK(BM_CompareMethodsRange)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
}  // namespace veltrane::bench
