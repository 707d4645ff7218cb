// The search of time on one thread: the charts of every hour branch of a year (4,380 moments)
// tested against a query that reads only the plates, a common reading pattern and a rare one.
// The figures per chart, times 5.26 million, give a count over 1800-2999 (bench/README.md).
#include <benchmark/benchmark.h>

#include <string_view>
#include <variant>

#include "search/query.h"
#include "search/searcher.h"

namespace {

using namespace veltrane;

void SearchYear(benchmark::State& state, std::string_view text) {
  auto parsed = search::ParseQuery(text);
  const search::Searcher searcher(std::get<search::Query>(std::move(parsed)), {});
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::int64_t charts = 0;
  for (auto _ : state) {
    int hits = 0;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= kDays[month - 1]; ++day) {
        for (int hour = 0; hour < 24; hour += 2) {
          hits += searcher.Test({2023, month, day, hour, 0}).has_value() ? 1 : 0;
          ++charts;
        }
      }
    }
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(charts);
}

void BM_SearchPlates(benchmark::State& state) { SearchYear(state, "duty_gate=开门 and dun=阳"); }
void BM_SearchReading(benchmark::State& state) { SearchYear(state, "reading=青龙返首"); }
void BM_SearchRare(benchmark::State& state) {
  SearchYear(state, "reading=星伏吟 and reading=五不遇时");
}

BENCHMARK(BM_SearchPlates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchReading)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchRare)->Unit(benchmark::kMillisecond);

}  // namespace
