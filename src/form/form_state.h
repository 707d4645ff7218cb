// The form runtime's own state: the template's windows with their working
// unit tables, resolved handlers and live controls. Internal to the form runtime.
#pragma once

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "form/controls/control.h"
#include "form/form_runtime.h"
#include "form/template/window_template.h"

namespace veltrane::runtime::form {

struct ResolvedEvent {
  EventNumber event = 0;
  HandlerFn handler = nullptr;  // null = listed without a handler
};

struct WindowState {
  WindowRecord record;                             // the template, with pre-load writes
  UnitTable table;                                 // the working copy: common properties live here
  std::vector<std::vector<ResolvedEvent>> events;  // per unit, in stored order
  std::vector<std::unique_ptr<Control>> objects;   // per unit while live, else empty
  std::vector<int> child_ids;                      // per unit while live
  // The UnitIds, sorted, each with its unit's index: every property call looks
  // its control up here. The template reader refuses two units with one id.
  std::vector<std::pair<std::uint32_t, int>> index_of_id;
  bool loaded = false;                          // all nine load steps done
  std::vector<platform::Rect> reading_regions;  // see SetReadingRegions
  std::vector<MenuItem> context_menu;           // see SetContextMenu
  bool keyboard_order_stale = false;            // a move or show waits for the running handler
  bool ever_loaded = false;                     // the first working copy was made

  WindowId id() const { return record.id; }
  // Index of a unit by its UnitId; -1 if absent.
  int IndexOf(std::uint32_t unit_id) const {
    const auto found = std::lower_bound(
        index_of_id.begin(), index_of_id.end(), unit_id,
        [](const std::pair<std::uint32_t, int>& e, std::uint32_t id) { return e.first < id; });
    return found != index_of_id.end() && found->first == unit_id ? found->second : -1;
  }
  bool live() const { return !objects.empty() && objects[0] != nullptr; }
  Control* Object(int index) const {
    return static_cast<std::size_t>(index) < objects.size()
               ? objects[static_cast<std::size_t>(index)].get()
               : nullptr;
  }
};

struct RuntimeState {
  std::vector<WindowState> windows;
  bool started = false;  // RunMessageLoop entered
  int suspended = 0;     // event dispatch suspended while above 0
  std::optional<EventSource> source;
};

RuntimeState& State();

// The window with this id among the template's windows; null if none.
WindowState* FindWindow(WindowId window);

// The window and unit index of a live platform handle; {nullptr, -1} if none.
std::pair<WindowState*, int> FindByHandle(platform::Handle handle);

// Ends the process through the fatal report; `utf8` is one of the runtime's own texts.
[[noreturn]] void Fatal(std::string_view utf8);

// Destroys a window's live controls and the window itself (no events).
void DestroyLiveWindow(WindowState& window);

// Hands the window's keyboard order (see keyboard_order.h) to the platform.
void ApplyKeyboardOrder(WindowState& window);
// A control was moved, resized, shown or hidden: the keyboard order follows at
// once, or after the running handler when one runs.
void KeyboardLayoutChanged(WindowState& window);
// Applies the orders that waited for a handler to end.
void ApplyStaleKeyboardOrders();
// Hands the window's context menu to the platform (a live window only).
void ApplyContextMenu(WindowState& window);

// The runtime's answer to the platform's notifications.
platform::EventSink& Sink();

}  // namespace veltrane::runtime::form
