#include "ui/centre_markers.h"

#include <algorithm>

namespace veltrane::ui {
namespace {

std::int32_t ClampPosition(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -kPositionLimit, kPositionLimit));
}

}  // namespace

const CentreOffsets* CentreOffsetsOf(chart::RingOp op) {
  if (op == chart::RingOp::ResetChart) return &kResetCentreOffsets;
  if (op == chart::RingOp::StepStars) return &kStarStepCentreOffsets;
  return nullptr;
}

void PlaceCentreStem(const chart::PlateModel& plates, CentreMarkers& markers,
                     const CentreOffsets& offsets) {
  const int k = plates.TianRuiPosition();
  if (k == 0) return;
  const ControlPoint box = markers.star_boxes[static_cast<std::size_t>(k - 1)];
  markers.marker = {ClampPosition(std::int64_t{box.left} + offsets.marker_left),
                    ClampPosition(std::int64_t{box.top} + offsets.marker_top)};
  markers.stem = {ClampPosition(std::int64_t{box.left} + offsets.stem_left),
                  ClampPosition(std::int64_t{box.top} + offsets.stem_top)};
}

void PlaceCentreStemAfterPlotting(const chart::PlateModel& plates, CentreMarkers& markers) {
  PlaceCentreStem(plates, markers, kStarStepCentreOffsets);
}

}  // namespace veltrane::ui
