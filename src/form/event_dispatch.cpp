// Event dispatch: one point where every event of every unit is checked and
// its handler looked up; and the runtime's answers to platform notifications.
#include "form/controls/combo_box.h"
#include "form/controls/control_types.h"
#include "form/controls/edit_box.h"
#include "form/fatal.h"
#include "form/form_state.h"

namespace veltrane::runtime {
namespace {

using form::State;
using form::WindowState;

// The unit whose event table serves `index`: follows the event-sharing chain
// while it names a unit of the same type. A chain that loops ends after one
// pass over the table instead of spinning forever.
int SharedUnit(const UnitTable& table, int index) {
  const std::uint32_t type = table.TypeCodeAt(index);
  for (int steps = 0; steps < table.size(); ++steps) {
    const std::uint32_t share = table.EventShareAt(index);
    if (share == 0) break;
    const int next = table.Find(share);
    if (next < 0 || table.TypeCodeAt(next) != type) break;
    index = next;
  }
  return index;
}

class FormEvents final : public platform::EventSink {
 public:
  void OnButtonClicked(platform::Handle button) override { Raise(button, kButtonClicked); }
  void OnEditChanged(platform::Handle edit) override { Raise(edit, kEditContentChanged); }
  void OnComboSelected(platform::Handle combo) override {
    auto [window, index] = form::FindByHandle(combo);
    if (window == nullptr) return;
    if (auto* box = dynamic_cast<ComboBox*>(window->Object(index))) box->LiveSelection();
    Raise(combo, kComboItemSelected);
  }
  void OnWindowMoved(platform::Handle window) override { Raise(window, kWindowMoved); }
  void OnWindowResized(platform::Handle window) override { Raise(window, kWindowResized); }

  void OnSpinArrow(platform::Handle edit, int delta) override {
    auto [window, index] = form::FindByHandle(edit);
    if (window == nullptr || FatalReportInProgress()) return;
    auto* box = dynamic_cast<EditBox*>(window->Object(index));
    if (box == nullptr) return;
    const WindowId id = window->id();
    const ControlId unit = window->table.IdAt(index);
    switch (box->Spin(delta)) {
      case SpinOutcome::Stepped:
        RaiseEvent(id, unit, kEditContentChanged);
        break;
      case SpinOutcome::Event:
        RaiseEvent(id, unit, kEditSpin, delta > 0 ? 1 : -1);
        break;
      case SpinOutcome::Ignored:
        break;
    }
  }

  bool AcceptTypedChar(platform::Handle edit, char32_t ch) override {
    auto [window, index] = form::FindByHandle(edit);
    if (window == nullptr) return true;
    const auto* box = dynamic_cast<const EditBox*>(window->Object(index));
    return box == nullptr || box->AcceptsTypedChar(ch);
  }

  void OnWindowClosed(platform::Handle handle) override {
    auto [window, index] = form::FindByHandle(handle);
    if (window == nullptr || index != 0) return;
    form::DestroyLiveWindow(*window);
    if (!State().started) return;
    for (const WindowState& w : State().windows) {
      if (w.live()) return;
    }
    platform::CurrentPlatform().QuitMessageLoop();
  }

 private:
  static void Raise(platform::Handle handle, EventNumber event) {
    auto [window, index] = form::FindByHandle(handle);
    if (window != nullptr) RaiseEvent(window->id(), window->table.IdAt(index), event);
  }
};

}  // namespace

platform::EventSink& form::Sink() {
  static FormEvents sink;
  return sink;
}

std::optional<EventSource> CurrentEventSource() { return State().source; }

void RaiseEvent(WindowId window_id, ControlId unit, EventNumber event, std::int32_t argument) {
  if (FatalReportInProgress() || State().suspended > 0) return;
  WindowState* window = form::FindWindow(window_id);
  if (window == nullptr) form::Fatal("未找到引发事件的窗口");
  const UnitTable& table = window->table;
  const int raiser = window->IndexOf(unit);
  if (raiser < 0) form::Fatal("未找到引发事件的窗口组件");
  const int index = SharedUnit(table, raiser);
  const ControlType* type = FindControlType(table.TypeCodeAt(index));
  if (type == nullptr || !type->CanRaiseEvents()) form::Fatal("引发事件的窗口组件无效");

  HandlerFn handler = nullptr;
  for (const form::ResolvedEvent& entry : window->events[static_cast<std::size_t>(index)]) {
    if (entry.event == event) {
      handler = entry.handler;
      break;
    }
  }
  if (handler == nullptr) return;
  // A handler may raise events of its own; the outer source comes back after them.
  const std::optional<EventSource> outer = State().source;
  State().source = EventSource{window_id, unit, event, argument};
  handler();
  State().source = outer;
  // Moves and shows made by the handler settle the keyboard order once, at its end.
  if (!outer.has_value()) form::ApplyStaleKeyboardOrders();
}

}  // namespace veltrane::runtime
