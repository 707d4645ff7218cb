// The search of time on one thread, walked by keys as veltrane-chart --find walks it: every hour
// branch of a year (4,383 moments from 2023-01-01T00:00) and of 1800–2999 (5,259,481 moments)
// against a query that reads only the plates, a common reading pattern and a rare one, and for
// comparison the same year plotted and tested moment by moment. Figures in bench/README.md.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>
#include <variant>

#include "calendar/date_time.h"
#include "search/query.h"
#include "search/searcher.h"

namespace {

using namespace veltrane;

constexpr std::string_view kQueries[] = {
    "duty_gate=开门 and dun=阳",
    "reading=青龙返首",
    "reading=星伏吟 and reading=五不遇时",
};

search::Searcher SearcherOf(std::int64_t query) {
  auto parsed = search::ParseQuery(kQueries[query]);
  return search::Searcher(std::get<search::Query>(std::move(parsed)), {});
}

constexpr int kStep = 120;

std::int64_t BranchesBetween(const chart::ChartMoment& from, const chart::ChartMoment& to) {
  return (calendar::MinuteNumberOf(to) - calendar::MinuteNumberOf(from)) / kStep + 1;
}

void Scan(benchmark::State& state, const chart::ChartMoment& from, const chart::ChartMoment& to) {
  const search::Searcher searcher = SearcherOf(state.range(0));
  const std::int64_t moments = BranchesBetween(from, to);
  std::int64_t hits = 0;
  for (auto _ : state) {
    searcher.Scan(from, kStep, 0, moments, [&hits](const search::RangeHit&) { ++hits; });
  }
  benchmark::DoNotOptimize(hits);
  state.SetItemsProcessed(state.iterations() * moments);
  state.counters["hits"] =
      static_cast<double>(hits / static_cast<std::int64_t>(state.iterations()));
}

void BM_ScanYear(benchmark::State& state) {
  Scan(state, {2023, 1, 1, 0, 0}, {2023, 12, 31, 23, 0});
}
void BM_ScanCenturies(benchmark::State& state) {
  Scan(state, {1800, 1, 1, 0, 0}, {2999, 12, 31, 23, 0});
}

// The reference the walk must agree with: each moment plotted and tested.
void BM_TestEveryChart(benchmark::State& state) {
  const search::Searcher searcher = SearcherOf(state.range(0));
  const chart::ChartMoment from{2023, 1, 1, 0, 0};
  const std::int64_t moments = BranchesBetween(from, {2023, 12, 31, 23, 0});
  const std::int64_t first = calendar::MinuteNumberOf(from);
  std::int64_t hits = 0;
  for (auto _ : state) {
    for (std::int64_t k = 0; k < moments; ++k) {
      hits += searcher.Test(calendar::CivilDateTimeOfMinute(first + k * kStep)) ? 1 : 0;
    }
  }
  benchmark::DoNotOptimize(hits);
  state.SetItemsProcessed(state.iterations() * moments);
}

BENCHMARK(BM_ScanYear)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanCenturies)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TestEveryChart)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
