// Where the window puts the centre palace's markers: 标签22 ("禽") and the box
// 天干支5 stand beside the star box that shows 天芮, at one set of offsets after
// a reset and another after a star step.
#pragma once

#include <array>
#include <cstdint>

#include "chart/plate_model.h"

namespace veltrane::ui {

// Left and top of a control in its parent's client area, in pixels.
struct ControlPoint {
  std::int32_t left = 0;
  std::int32_t top = 0;
  bool operator==(const ControlPoint&) const = default;
};

// Control positions are kept within this range, as the runtime clamps them.
inline constexpr std::int32_t kPositionLimit = 32627;

// Offsets of the two markers from the left and top of the box that shows 天芮.
struct CentreOffsets {
  std::int32_t marker_left;  // 标签22 ("禽")
  std::int32_t marker_top;
  std::int32_t stem_left;  // 天干支5
  std::int32_t stem_top;
};
inline constexpr CentreOffsets kResetCentreOffsets = {-30, 0, 80, -30};
// After a star step the 禽 mark stands 130 px right of the box: at 135 its
// 20 px box ran into the red rule of the middle column (a bar about 487..493
// wide) and the two cut each other.
inline constexpr CentreOffsets kStarStepCentreOffsets = {130, -35, 72, -30};

// The offsets a ring operation places the markers with; nullptr for the
// operations that leave them.
const CentreOffsets* CentreOffsetsOf(chart::RingOp op);

// The two markers and the star boxes they are placed beside.
struct CentreMarkers {
  ControlPoint marker;                                      // 标签22 ("禽")
  ControlPoint stem;                                        // 天干支5
  std::array<ControlPoint, chart::kRingSize> star_boxes{};  // 星1..8, by ring position − 1
  bool operator==(const CentreMarkers&) const = default;
};

// Moves the markers beside the star box that shows 天芮 on the plates (see
// PlateModel::TianRuiPosition), clamped to kPositionLimit; leaves them when
// no box shows it.
void PlaceCentreStem(const chart::PlateModel& plates, CentreMarkers& markers,
                     const CentreOffsets& offsets);

// Places the markers as a plotting leaves them: every plotting turns the stars
// at least once after its reset, so where its last star step puts them.
void PlaceCentreStemAfterPlotting(const chart::PlateModel& plates, CentreMarkers& markers);

}  // namespace veltrane::ui
