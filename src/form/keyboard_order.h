// Which controls of a window take the keyboard focus and the order Tab visits
// them in. Decided here, above the platform seam, so that every platform
// applies the same order (Platform::SetTabOrder, Platform::SetFocusable).
#pragma once

#include <span>
#include <vector>

#include "form/form_runtime.h"
#include "platform/platform.h"

namespace veltrane::runtime {

// Areas of a window's client area that a reader takes one after another, in
// that order (a grid's cells, a row of inputs). Tab visits the controls region
// by region; without regions the whole client area is one region.
void SetReadingRegions(WindowId window, std::vector<platform::Rect> regions);

// One control as the plan sees it.
struct FocusCandidate {
  platform::Rect rect;  // in the client area's coordinates
  bool tab_stop = false;
  bool visible = false;
  bool can_focus = true;  // false for kinds that never take the focus (labels)
};

struct KeyboardPlan {
  std::vector<int> tab_order;   // indexes into the candidates, in the order Tab visits them
  std::vector<bool> focusable;  // per candidate: may take the focus at all
};

// A control lying wholly outside the client area takes no focus; the visible
// tab stops among the others are read region by region (a control belongs to
// the first region that holds its top-left corner; those in none come last),
// within a region line by line from the top (a line: the controls whose tops
// lie above the bottom of its topmost control), each line left to right.
KeyboardPlan PlanKeyboardOrder(std::span<const FocusCandidate> controls,
                               std::span<const platform::Rect> regions, platform::Size client);

}  // namespace veltrane::runtime
