// A window's context menu: kept with the window's state and handed to the
// platform whenever the window is loaded.
#include <cstdio>
#include <string>

#include "base/text/gbk_literal.h"
#include "form/fatal.h"
#include "form/form_state.h"

namespace veltrane::runtime {

void SetContextMenu(WindowId id, std::vector<MenuItem> items) {
  form::WindowState* window = form::FindWindow(id);
  if (window == nullptr) form::Fatal("未载入欲访问窗口组件所在的窗口");
  for (const MenuItem& item : items) {
    if (window->IndexOf(item.button) >= 0) continue;
    char unit[16];
    std::snprintf(unit, sizeof unit, " 0x%08X", item.button);
    ReportFatal(std::string(Gbk("未找到欲访问的窗口组件")) + unit, 0);
  }
  window->context_menu = std::move(items);
  form::ApplyContextMenu(*window);
}

namespace form {

void ApplyContextMenu(WindowState& window) {
  if (!window.live()) return;
  std::vector<platform::MenuEntry> entries;
  for (const MenuItem& item : window.context_menu) {
    const Control* button = window.Object(window.IndexOf(item.button));
    if (button != nullptr) entries.push_back({button->handle(), item.ctrl_key});
  }
  platform::CurrentPlatform().SetContextMenu(window.objects[0]->handle(), entries);
}

}  // namespace form
}  // namespace veltrane::runtime
