// Where the centre markers go: beside the star box that shows 天芮, at the
// reset's offsets or the star step's, within the runtime's position range.
#include "ui/centre_markers.h"

#include <gtest/gtest.h>

#include <climits>

#include "chart/box_items.h"

namespace veltrane::ui {
namespace {

// Left and top of 星1..星8 in the main window.
constexpr std::array<ControlPoint, 8> kStarBoxes = {
    {{336, 384}, {576, 384}, {576, 200}, {576, 48}, {336, 48}, {88, 48}, {88, 200}, {88, 384}}};

TEST(PlaceCentreStem, BesideTianRuiAfterResetAndAfterAStarStep) {
  chart::PlateModel m;
  CentreMarkers markers;
  markers.star_boxes = kStarBoxes;
  m.ResetChart();
  PlaceCentreStem(m, markers, *CentreOffsetsOf(chart::RingOp::ResetChart));
  // 天芮 at home in 星4 (576, 48).
  EXPECT_EQ(markers.marker, (ControlPoint{546, 48}));
  EXPECT_EQ(markers.stem, (ControlPoint{656, 18}));
  m.StepStars();
  PlaceCentreStem(m, markers, *CentreOffsetsOf(chart::RingOp::StepStars));
  // 天芮 now in 星5 (336, 48).
  EXPECT_EQ(markers.marker, (ControlPoint{336 + 130, 48 - 35}));
  EXPECT_EQ(markers.stem, (ControlPoint{336 + 72, 48 - 30}));
  EXPECT_EQ(CentreOffsetsOf(chart::RingOp::StepGates), nullptr);
}

TEST(PlaceCentreStem, NoTianRuiLeavesThemAndPositionsStayInTheRuntimeRange) {
  chart::PlateModel m;
  CentreMarkers markers;
  markers.marker = {1, 2};
  markers.stem = {3, 4};
  m.stars.fill(0);
  PlaceCentreStem(m, markers, kResetCentreOffsets);
  EXPECT_EQ(markers.marker, (ControlPoint{1, 2}));
  EXPECT_EQ(markers.stem, (ControlPoint{3, 4}));

  m.stars.fill(chart::kStarTianRui);
  markers.star_boxes.fill({INT32_MAX, INT32_MIN});
  PlaceCentreStem(m, markers, kStarStepCentreOffsets);
  EXPECT_EQ(markers.marker, (ControlPoint{32627, -32627}));
  EXPECT_EQ(markers.stem, (ControlPoint{32627, -32627}));
}

}  // namespace
}  // namespace veltrane::ui
