#include <array>

#include "ui/copy_chart_handler.h"
#include "ui/handlers.h"
#include "ui/plot_chart_handler.h"
#include "ui/ring_handlers.h"
#include "ui/start_up_handler.h"

namespace veltrane::ui {
namespace {

// In the order of Handler.
constexpr std::array<HandlerFn, kHandlerCount> kHandlers = {
    &OnMainWindowCreated, &PlotChart,       &CopyChartText, &ResetChart,
    &StepEarthYin,        &StepEarthYang,   &StepStars,     &StepGates,
    &StepDeitiesYin,      &StepDeitiesYang, &StepHiddenYin, &StepHiddenYang,
};

}  // namespace

std::span<const HandlerFn> HandlerTable() { return kHandlers; }

}  // namespace veltrane::ui
