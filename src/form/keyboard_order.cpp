#include "form/keyboard_order.h"

#include <algorithm>
#include <tuple>

namespace veltrane::runtime {
namespace {

bool WhollyOutside(const platform::Rect& r, platform::Size client) {
  return r.left + r.width <= 0 || r.top + r.height <= 0 || r.left >= client.width ||
         r.top >= client.height;
}

bool Holds(const platform::Rect& region, int x, int y) {
  return x >= region.left && x < region.left + region.width && y >= region.top &&
         y < region.top + region.height;
}

int RegionOf(const platform::Rect& r, std::span<const platform::Rect> regions) {
  for (std::size_t i = 0; i < regions.size(); ++i) {
    if (Holds(regions[i], r.left, r.top)) return static_cast<int>(i);
  }
  return static_cast<int>(regions.size());
}

}  // namespace

KeyboardPlan PlanKeyboardOrder(std::span<const FocusCandidate> controls,
                               std::span<const platform::Rect> regions, platform::Size client) {
  KeyboardPlan plan;
  plan.focusable.resize(controls.size());
  struct Place {
    int region, top, bottom, left, index;
  };
  std::vector<Place> places;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const FocusCandidate& c = controls[i];
    plan.focusable[i] = c.can_focus && !WhollyOutside(c.rect, client);
    if (!plan.focusable[i] || !c.tab_stop || !c.visible) continue;
    places.push_back({RegionOf(c.rect, regions), c.rect.top,
                      c.rect.top + std::max(c.rect.height, 1), c.rect.left, static_cast<int>(i)});
  }
  std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
    return std::tie(a.region, a.top, a.left) < std::tie(b.region, b.top, b.left);
  });
  // A line: the controls of a region whose tops lie above the bottom of the
  // line's first control (a button a little taller than the boxes beside it
  // stays in their line); each line is read left to right.
  for (auto line = places.begin(); line != places.end();) {
    auto end = line + 1;
    while (end != places.end() && end->region == line->region && end->top < line->bottom) ++end;
    std::stable_sort(line, end, [](const Place& a, const Place& b) { return a.left < b.left; });
    line = end;
  }
  for (const Place& p : places) plan.tab_order.push_back(p.index);
  return plan;
}

}  // namespace veltrane::runtime
