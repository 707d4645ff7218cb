#include "ui/ring_handlers.h"

#include "chart/plate_model.h"
#include "ui/plate_binding.h"

namespace veltrane::ui {

using chart::RingOp;

void ResetChart() { RunRingOpOnWindow(RingOp::ResetChart); }
void StepEarthYin() { RunRingOpOnWindow(RingOp::StepEarthYin); }
void StepEarthYang() { RunRingOpOnWindow(RingOp::StepEarthYang); }
void StepStars() { RunRingOpOnWindow(RingOp::StepStars); }
void StepGates() { RunRingOpOnWindow(RingOp::StepGates); }
void StepDeitiesYin() { RunRingOpOnWindow(RingOp::StepDeitiesYin); }
void StepDeitiesYang() { RunRingOpOnWindow(RingOp::StepDeitiesYang); }
void StepHiddenYin() { RunRingOpOnWindow(RingOp::StepHiddenYin); }
void StepHiddenYang() { RunRingOpOnWindow(RingOp::StepHiddenYang); }

}  // namespace veltrane::ui
