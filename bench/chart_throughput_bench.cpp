// Charts per second: through the whole program (date boxes written, 自动排盘
// clicked on the headless platform, PlotChart's property reads and writes
// through the form runtime) and through the plate model alone.
#include <benchmark/benchmark.h>

#include "bench_dates.h"
#include "chart/chart_boundaries.h"
#include "chart/plate_model.h"
#include "chart/plot_chart.h"
#include "form/form_runtime.h"
#include "form/process.h"
#include "platform/headless/headless_platform.h"
#include "ui/copy_chart_handler.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"
#include "ui/plate_binding.h"
#include "ui/program.h"

namespace veltrane::bench {
namespace {

using ui::kMainWindow;

// The program started once on a headless platform with a fixed clock.
class RunningProgram {
 public:
  RunningProgram() {
    platform::InstallPlatform(&platform_);
    platform_.SetClock({2001, 12, 27, 4, 0, 0, 0});
    program_.Start();
  }
  ~RunningProgram() {
    runtime::ShutdownRuntimeForTests();
    runtime::ClearExitRoutines();
  }
  platform::HeadlessPlatform& headless() { return platform_; }
  ui::WindowState& window() { return program_.state(); }

 private:
  platform::HeadlessPlatform platform_;
  ui::Program program_;
};

void WriteDateBoxes(const BenchDate& d) {
  runtime::WriteText(kMainWindow, ui::kYearBox, runtime::kEditContent, d.year.c_str());
  runtime::WriteText(kMainWindow, ui::kMonthBox, runtime::kEditContent, d.month.c_str());
  runtime::WriteText(kMainWindow, ui::kDayBox, runtime::kEditContent, d.day.c_str());
  runtime::WriteText(kMainWindow, ui::kHourBox, runtime::kEditContent, d.hour.c_str());
}

void BM_PlotChartThroughHandlers(benchmark::State& state) {
  RunningProgram program;
  const platform::Handle plot_button = runtime::NativeHandleOf(kMainWindow, ui::kPlotButton);
  const std::vector<BenchDate>& dates = BenchDates();
  std::size_t i = 0;
  for (auto _ : state) {
    WriteDateBoxes(dates[i]);
    program.headless().Click(plot_button);
    i = (i + 1) % dates.size();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("charts");
}
BENCHMARK(BM_PlotChartThroughHandlers);

// The same charts with the date boxes left alone: the click and PlotChart only.
void BM_PlotChartClickOnly(benchmark::State& state) {
  RunningProgram program;
  const platform::Handle plot_button = runtime::NativeHandleOf(kMainWindow, ui::kPlotButton);
  WriteDateBoxes(BenchDates()[1]);
  for (auto _ : state) program.headless().Click(plot_button);
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("charts");
}
BENCHMARK(BM_PlotChartClickOnly);

void BM_PlotChartOnModel(benchmark::State& state) {
  chart::PlateModel model;
  model.ResetChart();
  const std::vector<BenchDate>& dates = BenchDates();
  std::size_t i = 0;
  for (auto _ : state) {
    chart::Chart c = chart::PlotChartOnModel(model, dates[i].date);
    benchmark::DoNotOptimize(c);
    i = (i + 1) % dates.size();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("charts");
}
BENCHMARK(BM_PlotChartOnModel);

// The typed core: ComputeChart on a fresh plate model, pillars and term
// search included, no window and no runtime.
void BM_ComputeChart(benchmark::State& state) {
  const std::vector<BenchDate>& dates = BenchDates();
  std::size_t i = 0;
  for (auto _ : state) {
    chart::Chart c = chart::ComputeChart(dates[i].date);
    benchmark::DoNotOptimize(c);
    i = (i + 1) % dates.size();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("charts");
}
BENCHMARK(BM_ComputeChart);

// ComputeBoundaries of a computed chart: the term search for the terms on
// either side, the yuan and hour edges; range(0) = 1 on the apparent solar
// clock of longitude 87.6, which takes each edge back to an instant.
void BM_ComputeBoundaries(benchmark::State& state) {
  chart::ChartOptions options;
  if (state.range(0) == 1) options.longitude = 87.6;
  std::vector<chart::Chart> charts;
  for (const BenchDate& d : BenchDates()) charts.push_back(chart::ComputeChart(d.date, options));
  std::size_t i = 0;
  for (auto _ : state) {
    chart::ChartBoundaries b = chart::ComputeBoundaries(charts[i], options);
    benchmark::DoNotOptimize(b);
    i = (i + 1) % charts.size();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("charts");
}
BENCHMARK(BM_ComputeBoundaries)->Arg(0)->Arg(1);

// ComputeChart with one option: range(0) = 0 --longitude 87.6 (apparent solar
// time: the equation of time and a second pillar computation), 1 the same on
// the mean clock, 2 --day-start 0, 3 --centre-palace gen-kun.
void BM_ComputeChartWithOption(benchmark::State& state) {
  chart::ChartOptions options;
  switch (state.range(0)) {
    case 0:
    case 1:
      options.longitude = 87.6;
      options.solar_time =
          state.range(0) == 1 ? chart::SolarTime::kMean : chart::SolarTime::kApparent;
      break;
    case 2:
      options.day_start = chart::DayStart::kAtMidnight;
      break;
    default:
      options.centre_palace = chart::CentrePalace::kGenKun;
      break;
  }
  const std::vector<BenchDate>& dates = BenchDates();
  std::size_t i = 0;
  for (auto _ : state) {
    chart::Chart c = chart::ComputeChart(dates[i].date, options);
    benchmark::DoNotOptimize(c);
    i = (i + 1) % dates.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeChartWithOption)->DenseRange(0, 3);

// The rings alone: earth plate, heaven plate and stars, deities, gates, hidden
// stems and counter-deities laid with their stop tests, for charts whose
// pillars, term and ju are already known.
void BM_PlotPlatesOnModel(benchmark::State& state) {
  std::vector<chart::Chart> charts;
  for (const BenchDate& d : BenchDates()) charts.push_back(chart::ComputeChart(d.date));
  chart::PlateModel model;
  std::size_t i = 0;
  for (auto _ : state) {
    chart::Chart c = charts[i];
    model.ResetChart();
    chart::PlotPlates(model, c);
    benchmark::DoNotOptimize(c);
    i = (i + 1) % charts.size();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("charts");
}
BENCHMARK(BM_PlotPlatesOnModel);

void BM_CopyChartText(benchmark::State& state) {
  RunningProgram program;
  for (auto _ : state) ui::CopyChartText(program.window());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CopyChartText);

}  // namespace
}  // namespace veltrane::bench
