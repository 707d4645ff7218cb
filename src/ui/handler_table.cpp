#include <array>

#include "ui/copy_chart_handler.h"
#include "ui/handlers.h"
#include "ui/plot_chart_handler.h"
#include "ui/ring_handlers.h"
#include "ui/start_up_handler.h"

namespace veltrane::ui {
namespace {

// In the order of Handler.
constexpr std::array<WindowHandler, kHandlerCount> kHandlers = {
    &OnMainWindowCreated, &PlotChart,       &CopyChartText, &ResetChart,
    &StepEarthYin,        &StepEarthYang,   &StepStars,     &StepGates,
    &StepDeitiesYin,      &StepDeitiesYang, &StepHiddenYin, &StepHiddenYang,
};

}  // namespace

std::span<const WindowHandler> WindowHandlers() { return kHandlers; }

std::array<runtime::HandlerFn, kHandlerCount> HandlerTable(WindowState& state) {
  std::array<runtime::HandlerFn, kHandlerCount> bound;
  for (std::size_t i = 0; i < kHandlers.size(); ++i) {
    bound[i] = [handler = kHandlers[i], &state] { handler(state); };
  }
  return bound;
}

}  // namespace veltrane::ui
