// The reading: Read of one chart under each profile, and one reading as the JSON every chart
// line of veltrane-chart carries and as the text lines of --reading.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_dates.h"
#include "reading/reading.h"
#include "views/reading_text.h"

namespace veltrane {
namespace {

const std::vector<chart::Chart>& BenchCharts() {
  static const std::vector<chart::Chart> charts = [] {
    std::vector<chart::Chart> c;
    for (const bench::BenchDate& d : bench::BenchDates()) c.push_back(chart::ComputeChart(d.date));
    return c;
  }();
  return charts;
}

// range(0): the profile's index (0 classic, 1 yanbo, 2 tongzong).
void BM_Read(benchmark::State& state) {
  const std::vector<chart::Chart>& charts = BenchCharts();
  const reading::ReadingProfile profile =
      reading::Profiles()[static_cast<std::size_t>(state.range(0))];
  std::size_t i = 0;
  std::size_t findings = 0;
  for (auto _ : state) {
    const reading::Reading r = reading::Read(charts[i], profile);
    benchmark::DoNotOptimize(r.count);
    findings += r.count;
    i = (i + 1) % charts.size();
  }
  state.counters["findings"] =
      benchmark::Counter(static_cast<double>(findings), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Read)->DenseRange(0, 2);

void BM_ReadingJson(benchmark::State& state) {
  const std::vector<chart::Chart>& charts = BenchCharts();
  std::vector<reading::Reading> readings;
  for (const chart::Chart& c : charts) readings.push_back(reading::Read(c));
  std::string out;
  std::size_t i = 0;
  for (auto _ : state) {
    out.clear();
    views::AppendReadingJson(out, readings[i]);
    benchmark::DoNotOptimize(out.data());
    i = (i + 1) % readings.size();
  }
  state.counters["bytes"] = static_cast<double>(out.size());
}
BENCHMARK(BM_ReadingJson);

void BM_ReadingText(benchmark::State& state) {
  const std::vector<chart::Chart>& charts = BenchCharts();
  std::string out;
  std::size_t i = 0;
  for (auto _ : state) {
    out.clear();
    views::AppendReadingText(out, reading::Read(charts[i]), "\r\n");
    benchmark::DoNotOptimize(out.data());
    i = (i + 1) % charts.size();
  }
}
BENCHMARK(BM_ReadingText);

}  // namespace
}  // namespace veltrane
