// Start-up, window loading, the message loop and the end of the run.
#include <algorithm>
#include <utility>

#include "form/controls/control_types.h"
#include "form/form_state.h"
#include "form/process.h"

namespace veltrane::runtime {
namespace {

using form::State;
using form::WindowState;

// Resolves every HandlerRef of a window; false when one lies outside the table.
bool ResolveHandlers(WindowState& window, std::span<const HandlerFn> handlers) {
  const UnitTable& table = window.record.units;
  window.events.assign(static_cast<std::size_t>(table.size()), {});
  for (int i = 0; i < table.size(); ++i) {
    for (const EventEntry& entry : table.Events(i)) {
      HandlerFn fn = nullptr;
      if (entry.handler != -1) {
        if (entry.handler < 0 || static_cast<std::size_t>(entry.handler) >= handlers.size()) {
          return false;
        }
        fn = handlers[static_cast<std::size_t>(entry.handler)];
      }
      window.events[static_cast<std::size_t>(i)].push_back({entry.event, fn});
    }
  }
  return true;
}

void DestroyAllWindows() {
  for (WindowState& w : State().windows) {
    if (w.live()) form::DestroyLiveWindow(w);
  }
}

platform::CreateParams ParamsOf(const UnitTable& table, int index) {
  platform::CreateParams params;
  params.rect = {
      table.Geometry(index, GeometryField::Left), table.Geometry(index, GeometryField::Top),
      table.Geometry(index, GeometryField::Width), table.Geometry(index, GeometryField::Height)};
  params.disabled = (table.Flags(index) & kUnitDisabled) != 0;
  params.tab_stop = (table.Flags(index) & kUnitTabStop) != 0;
  return params;
}

// Creates one unit's object; false when its type is unknown or creation fails.
bool CreateUnit(WindowState& window, int index, platform::CreateParams params) {
  const ControlType* type = FindControlType(window.table.TypeCodeAt(index));
  const bool is_window =
      window.table.TypeCodeAt(index) == static_cast<std::uint32_t>(TypeCode::Window);
  if (type == nullptr || is_window != (index == 0)) return false;
  CreateContext context{type, &platform::CurrentPlatform(), params};
  Result<std::unique_ptr<Control>> made = type->create(context, window.table.TypeBlock(index));
  if (!made) return false;
  window.objects[static_cast<std::size_t>(index)] = std::move(*made);
  window.child_ids[static_cast<std::size_t>(index)] = params.child_id;
  return true;
}

[[noreturn]] void LoadFailed(WindowState* window) {
  if (window != nullptr) form::DestroyLiveWindow(*window);
  form::Fatal("载入启动窗口失败");
}

}  // namespace

void InitRuntime(std::span<const std::uint8_t> template_stream,
                 std::span<const HandlerFn> handlers) {
  ShutdownRuntimeForTests();
  Result<std::vector<WindowRecord>> windows = ReadWindowTemplate(template_stream);
  if (!windows) form::Fatal("载入窗口模板数据段出错!");
  for (WindowRecord& record : *windows) {
    WindowState state;
    state.table = record.units;
    for (int i = 0; i < state.table.size(); ++i)
      state.index_of_id.emplace_back(state.table.IdAt(i), i);
    std::sort(state.index_of_id.begin(), state.index_of_id.end());
    state.record = std::move(record);
    if (!ResolveHandlers(state, handlers)) {
      State().windows.clear();
      form::Fatal("载入窗口模板数据段出错!");
    }
    State().windows.push_back(std::move(state));
  }
  platform::CurrentPlatform().SetEventSink(&form::Sink());
  SetShutdownHook(&DestroyAllWindows);
}

void LoadWindow(WindowId id) {
  WindowState* window = form::FindWindow(id);
  if (window == nullptr) LoadFailed(nullptr);
  platform::Platform& p = platform::CurrentPlatform();
  if (window->live()) {
    p.SetVisible(window->objects[0]->handle(), true);
    p.SetFocus(window->objects[0]->handle());
    return;
  }

  // Steps 2 and 3: a fresh working copy, then the window and the controls
  // from the last record up; the n-th control made gets child id 100 + 10(n - 1).
  // Until the first load the table itself took the common-property writes, so
  // they become the window's record that every load copies.
  if (window->ever_loaded) {
    window->table = window->record.units;
  } else {
    window->record.units = window->table;
    window->ever_loaded = true;
  }
  const int n = window->table.size();
  if (n == 0) LoadFailed(nullptr);
  window->objects.resize(static_cast<std::size_t>(n));
  window->child_ids.assign(static_cast<std::size_t>(n), 0);
  if (!CreateUnit(*window, 0, ParamsOf(window->table, 0))) LoadFailed(window);
  const platform::Handle top = window->objects[0]->handle();
  int made = 0;
  for (int i = n - 1; i >= 1; --i) {
    platform::CreateParams params = ParamsOf(window->table, i);
    params.parent = top;  // no container types: every control lies on the window
    params.child_id = 100 + 10 * made++;
    if (!CreateUnit(*window, i, params)) LoadFailed(window);
  }

  // Step 4: stacking, record 1 on top; each below the nearest earlier sibling.
  for (int i = 1; i < n; ++i) {
    const std::uint32_t parent = window->table.Unit(i).parent;
    platform::Handle above = 0;
    for (int j = i - 1; j >= 1; --j) {
      if (window->table.Unit(j).parent == parent) {
        above = window->Object(j)->handle();
        break;
      }
    }
    p.PlaceBelow(window->Object(i)->handle(), above);
  }

  // Step 7: show by the visible flag, without activating.
  const platform::Handle focus = p.FocusedControl();
  for (int i = 1; i < n; ++i) {
    p.SetVisible(window->Object(i)->handle(), (window->table.Flags(i) & kUnitVisible) != 0);
  }
  p.SetVisible(top, (window->table.Flags(0) & kUnitVisible) != 0);

  // Step 8: created, then moved and resized while the window still exists.
  for (EventNumber event : {kWindowCreated, kWindowMoved, kWindowResized}) {
    if (!window->live() || window->objects[0]->handle() != top) return;
    RaiseEvent(id, kWindowUnitId, event);
  }

  // Step 9.
  if (focus != 0) p.SetFocus(focus);
  window->loaded = true;
  form::ApplyKeyboardOrder(*window);
  form::ApplyContextMenu(*window);
}

bool IsWindowLoaded(WindowId id) {
  const WindowState* window = form::FindWindow(id);
  return window != nullptr && window->live();
}

void RunMessageLoop() {
  State().started = true;
  for (const WindowState& w : State().windows) {
    if (w.live()) {
      platform::CurrentPlatform().RunMessageLoop();
      return;
    }
  }
}

void ShutdownRuntimeForTests() {
  DestroyAllWindows();
  State() = form::RuntimeState{};
  SetShutdownHook(nullptr);
}

}  // namespace veltrane::runtime
