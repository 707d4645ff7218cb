// The web page's C++ share of a re-plot: one moment's answer (chart,
// boundaries, JSON, text, notes, the window's labels and the palaces' texts),
// natively; the page's own figures in a browser come from bench/web/.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "bench_dates.h"
#include "web/page_chart.h"

namespace veltrane::bench {
namespace {

void BM_PageChartJson(benchmark::State& state) {
  const auto& dates = BenchDates();
  std::size_t i = 0;
  std::size_t bytes = 0;
  for (auto _ : state) {
    web::PageRequest request;
    request.moment = request.local = dates[i++ % dates.size()].date;
    const std::string answer = web::PageChartJson(request, "0");
    bytes += answer.size();
    benchmark::DoNotOptimize(answer.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_PageChartJson);

}  // namespace
}  // namespace veltrane::bench
