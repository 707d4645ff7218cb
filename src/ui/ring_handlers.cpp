#include "ui/ring_handlers.h"

#include "chart/plate_model.h"
#include "ui/plate_binding.h"

namespace veltrane::ui {

using chart::RingOp;

void ResetChart(WindowState& state) { RunRingOpOnWindow(RingOp::ResetChart, state.ring_counters); }
void StepEarthYin(WindowState& state) {
  RunRingOpOnWindow(RingOp::StepEarthYin, state.ring_counters);
}
void StepEarthYang(WindowState& state) {
  RunRingOpOnWindow(RingOp::StepEarthYang, state.ring_counters);
}
void StepStars(WindowState& state) { RunRingOpOnWindow(RingOp::StepStars, state.ring_counters); }
void StepGates(WindowState& state) { RunRingOpOnWindow(RingOp::StepGates, state.ring_counters); }
void StepDeitiesYin(WindowState& state) {
  RunRingOpOnWindow(RingOp::StepDeitiesYin, state.ring_counters);
}
void StepDeitiesYang(WindowState& state) {
  RunRingOpOnWindow(RingOp::StepDeitiesYang, state.ring_counters);
}
void StepHiddenYin(WindowState& state) {
  RunRingOpOnWindow(RingOp::StepHiddenYin, state.ring_counters);
}
void StepHiddenYang(WindowState& state) {
  RunRingOpOnWindow(RingOp::StepHiddenYang, state.ring_counters);
}

}  // namespace veltrane::ui
