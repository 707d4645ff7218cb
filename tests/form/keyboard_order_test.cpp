// The keyboard order a window's controls are given: which take the focus and
// the order Tab visits them in.
#include <gtest/gtest.h>

#include <vector>

#include "form/keyboard_order.h"

namespace veltrane::runtime {
namespace {

using platform::Rect;

FocusCandidate Box(int left, int top, int width = 50, int height = 20) {
  return {{left, top, width, height}, true, true, true};
}

TEST(KeyboardOrder, OutsideTheClientAreaNoFocusInsideReadingOrderByRegionThenLine) {
  std::vector<FocusCandidate> controls = {
      Box(300, 10),                           // 0: right column, first line
      Box(10, 10),                            // 1: left column, first line
      Box(10, 40),                            // 2: left column, second line
      Box(60, 14),                            // 3: left column, first line (overlaps 1's height)
      Box(10, 400, 80, 32),                   // 4: bottom row, a taller button
      Box(100, 404),                          // 5: bottom row, same line as 4
      Box(-200, 10, 80, 32),                  // 6: parked left of the client area
      Box(10, 700),                           // 7: below the client area
      Box(-40, 60, 50, 20),                   // 8: half inside: takes the focus, in no region
      {{20, 80, 50, 20}, false, true, true},  // 9: no tab stop: clicks only
      {{20, 90, 50, 20}, true, false, true},  // 10: hidden
      {{20, 95, 50, 20}, true, true, false},  // 11: a label
  };
  // The bottom row is read first, then the left and the right column.
  const std::vector<Rect> regions = {{0, 300, 800, 300}, {0, 0, 200, 300}, {200, 0, 600, 300}};
  const KeyboardPlan plan = PlanKeyboardOrder(controls, regions, {800, 600});
  EXPECT_EQ(plan.tab_order, (std::vector<int>{4, 5, 1, 3, 2, 0, 8}));
  EXPECT_EQ(plan.focusable, (std::vector<bool>{true, true, true, true, true, true, false, false,
                                               true, true, true, false}));

  // Without regions the client area is read line by line; in none, a control comes last.
  EXPECT_EQ(PlanKeyboardOrder(controls, {}, {800, 600}).tab_order,
            (std::vector<int>{1, 3, 0, 2, 8, 4, 5}));
  const std::vector<Rect> left_only = {{0, 0, 200, 300}};
  EXPECT_EQ(PlanKeyboardOrder(controls, left_only, {800, 600}).tab_order,
            (std::vector<int>{1, 3, 2, 0, 8, 4, 5}));
}

}  // namespace
}  // namespace veltrane::runtime
