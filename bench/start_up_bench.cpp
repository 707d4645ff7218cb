// Start-up to the first plotted chart on the headless platform: the runtime
// reads the template, the main window and its 109 controls are created, and
// the creation handler plots the clock's hour.
#include <benchmark/benchmark.h>

#include <memory>

#include "form/form_runtime.h"
#include "form/process.h"
#include "platform/headless/headless_platform.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_template.h"
#include "ui/plate_binding.h"
#include "ui/program.h"

namespace veltrane::bench {
namespace {

void ShutDown() {
  runtime::ShutdownRuntimeForTests();
  runtime::ClearExitRoutines();
}

void BM_StartUpToFirstChart(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto headless = std::make_unique<platform::HeadlessPlatform>();
    headless->SetClock({2001, 12, 27, 4, 0, 0, 0});
    platform::InstallPlatform(headless.get());
    // The template is made with the program, once per run of the program as before.
    auto program = std::make_unique<ui::Program>();
    state.ResumeTiming();

    program->Start();

    state.PauseTiming();
    ShutDown();
    program.reset();
    headless.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstChart)->Unit(benchmark::kMicrosecond);

// Building the main window's template stream, which the start-up does once.
void BM_MainWindowTemplate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ui::MainWindowTemplate());
}
BENCHMARK(BM_MainWindowTemplate)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veltrane::bench
