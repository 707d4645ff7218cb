// Applying the keyboard order of a loaded window through the platform.
#include "form/form_state.h"
#include "form/keyboard_order.h"

namespace veltrane::runtime {

void SetReadingRegions(WindowId id, std::vector<platform::Rect> regions) {
  form::WindowState* window = form::FindWindow(id);
  if (window == nullptr) form::Fatal("未载入欲访问窗口组件所在的窗口");
  window->reading_regions = std::move(regions);
  if (window->live()) form::KeyboardLayoutChanged(*window);
}

namespace form {

void ApplyKeyboardOrder(WindowState& window) {
  window.keyboard_order_stale = false;
  if (!window.live()) return;
  const UnitTable& table = window.table;
  std::vector<FocusCandidate> controls;
  std::vector<platform::Handle> handles;
  for (int i = 1; i < table.size(); ++i) {
    const Control* control = window.Object(i);
    if (control == nullptr) continue;
    const std::uint32_t flags = table.Flags(i);
    controls.push_back(
        {{table.Geometry(i, GeometryField::Left), table.Geometry(i, GeometryField::Top),
          table.Geometry(i, GeometryField::Width), table.Geometry(i, GeometryField::Height)},
         (flags & kUnitTabStop) != 0,
         (flags & kUnitVisible) != 0,
         table.TypeCodeAt(i) != static_cast<std::uint32_t>(TypeCode::Label)});
    handles.push_back(control->handle());
  }
  // The client area lies within the window's outer size.
  const platform::Size client{table.Geometry(0, GeometryField::Width),
                              table.Geometry(0, GeometryField::Height)};
  const KeyboardPlan plan = PlanKeyboardOrder(controls, window.reading_regions, client);
  platform::Platform& p = platform::CurrentPlatform();
  for (std::size_t i = 0; i < handles.size(); ++i) {
    if (controls[i].can_focus) p.SetFocusable(handles[i], plan.focusable[i]);
  }
  std::vector<platform::Handle> order;
  order.reserve(plan.tab_order.size());
  for (int i : plan.tab_order) order.push_back(handles[static_cast<std::size_t>(i)]);
  p.SetTabOrder(window.objects[0]->handle(), order);
  // A window opens with the focus on the first control a reader meets.
  if (!order.empty() && p.FocusedControl() == 0) p.SetFocus(order.front());
}

void KeyboardLayoutChanged(WindowState& window) {
  if (!window.loaded) return;  // the load applies it at its end
  if (State().source.has_value()) {
    window.keyboard_order_stale = true;
  } else {
    ApplyKeyboardOrder(window);
  }
}

void ApplyStaleKeyboardOrders() {
  for (WindowState& window : State().windows) {
    if (window.keyboard_order_stale) ApplyKeyboardOrder(window);
  }
}

}  // namespace form
}  // namespace veltrane::runtime
