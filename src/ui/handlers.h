// The program's event handlers, numbered: the window template stores these
// numbers as its HandlerRefs and the form runtime calls handler n through
// entry n of HandlerTable(state), each bound to the window's state.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "form/form_runtime.h"
#include "ui/window_state.h"

namespace veltrane::ui {

enum class Handler : std::int32_t {
  OnMainWindowCreated = 0,  // the window's event 0 (created)
  PlotChart,                // 按钮8
  CopyChartText,            // 按钮9
  ResetChart,               // 按钮7
  StepEarthYin,             // 按钮4
  StepEarthYang,            // 按钮5
  StepStars,                // 按钮2
  StepGates,                // 按钮1
  StepDeitiesYin,           // 按钮3
  StepDeitiesYang,          // 按钮6
  StepHiddenYin,            // 按钮10
  StepHiddenYang,           // 按钮11
};
inline constexpr int kHandlerCount = 12;

// A handler routine of the main window, given the window's state.
using WindowHandler = void (*)(WindowState& state);

// The handler routines, indexed by Handler.
std::span<const WindowHandler> WindowHandlers();

// The handler routines bound to `state`, indexed by Handler, for InitRuntime;
// `state` must outlive the runtime's use of them.
std::array<runtime::HandlerFn, kHandlerCount> HandlerTable(WindowState& state);

// Handler number n as the template stores it.
constexpr std::int32_t HandlerRef(Handler h) { return static_cast<std::int32_t>(h); }

}  // namespace veltrane::ui
