#include "form/form_state.h"

#include "base/text/gbk_literal.h"
#include "form/fatal.h"

namespace veltrane::runtime::form {

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

WindowState* FindWindow(WindowId window) {
  for (WindowState& w : State().windows) {
    if (w.id() == window) return &w;
  }
  return nullptr;
}

std::pair<WindowState*, int> FindByHandle(platform::Handle handle) {
  if (handle == 0) return {nullptr, -1};
  for (WindowState& w : State().windows) {
    for (std::size_t i = 0; i < w.objects.size(); ++i) {
      if (w.objects[i] != nullptr && w.objects[i]->handle() == handle) {
        return {&w, static_cast<int>(i)};
      }
    }
  }
  return {nullptr, -1};
}

void Fatal(std::string_view utf8) { ReportFatal(Gbk(utf8), 0); }

void DestroyLiveWindow(WindowState& window) {
  platform::Platform& p = platform::CurrentPlatform();
  // Controls first, from the last record up, then the window.
  for (std::size_t i = window.objects.size(); i-- > 0;) {
    if (window.objects[i] != nullptr) p.Destroy(window.objects[i]->handle());
  }
  window.objects.clear();
  window.child_ids.clear();
  window.loaded = false;
}

}  // namespace veltrane::runtime::form
