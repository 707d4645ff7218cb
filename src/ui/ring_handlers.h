// The click handlers of the turning buttons: each loads the plates it needs
// from the main window, runs one ring operation and writes back what changed.
#pragma once

#include "ui/window_state.h"

namespace veltrane::ui {

void ResetChart(WindowState& state);       // 按钮7 "重置排盘"
void StepEarthYin(WindowState& state);     // 按钮4 "阴逆转地干"
void StepEarthYang(WindowState& state);    // 按钮5 "阳顺转地干"
void StepStars(WindowState& state);        // 按钮2 "转九星"
void StepGates(WindowState& state);        // 按钮1 "转八门"
void StepDeitiesYin(WindowState& state);   // 按钮3 "阴逆转八神"
void StepDeitiesYang(WindowState& state);  // 按钮6 "阳顺转八神"
void StepHiddenYin(WindowState& state);    // 按钮10 "逆转暗干"
void StepHiddenYang(WindowState& state);   // 按钮11 "顺转暗干"

}  // namespace veltrane::ui
