// The native Windows platform's context menu: a popup menu of the entries'
// button captions and their Ctrl shortcuts, which the message loop also
// catches as keys.
#include <windows.h>
#include <windowsx.h>

#include <string>

#include "platform/win32/win32_platform.h"

namespace veltrane::platform {

namespace {

std::wstring CaptionOf(HWND button) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(button)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(button, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

void Win32Platform::SetContextMenu(Handle window, const std::vector<MenuEntry>& entries) {
  if (Entry* entry = FindOf(window, Kind::kWindow)) entry->menu = entries;
}

bool Win32Platform::RunMenuEntry(Handle window, std::size_t index) {
  const Entry* entry = FindOf(window, Kind::kWindow);
  if (entry == nullptr || index >= entry->menu.size() || sink_ == nullptr) return false;
  const Handle button = entry->menu[index].button;
  const Entry* target = Find(button);
  if (target == nullptr || target->kind != Kind::kButton || IsWindowEnabled(target->hwnd) == FALSE)
    return false;
  sink_->OnButtonClicked(button);
  return true;
}

bool Win32Platform::ShowContextMenu(Handle window, HWND hwnd, LPARAM at) {
  const Entry* entry = FindOf(window, Kind::kWindow);
  if (entry == nullptr || entry->menu.empty()) return false;
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return false;
  for (std::size_t i = 0; i < entry->menu.size(); ++i) {
    const MenuEntry& item = entry->menu[i];
    const Entry* button = Find(item.button);
    if (button == nullptr) continue;
    std::wstring caption = CaptionOf(button->hwnd);
    if (item.ctrl_key != 0)
      caption += std::wstring(L"\tCtrl+") + static_cast<wchar_t>(item.ctrl_key);
    const UINT flags = MF_STRING | (IsWindowEnabled(button->hwnd) ? 0u : MF_GRAYED);
    AppendMenuW(menu, flags, kMenuCommandBase + i, caption.c_str());
  }
  // From the keyboard (Menu key, Shift+F10) the menu opens at the window's top-left corner.
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (at == -1) {
    point = {0, 0};
    ClientToScreen(hwnd, &point);
  }
  // The chosen entry comes back as WM_COMMAND from a menu.
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, hwnd,
                 nullptr);
  DestroyMenu(menu);
  return true;
}

bool Win32Platform::TranslateShortcut(HWND root, const MSG& msg) {
  if (msg.message != WM_KEYDOWN || (GetKeyState(VK_CONTROL) & 0x8000) == 0 ||
      (GetKeyState(VK_MENU) & 0x8000) != 0 || (GetKeyState(VK_SHIFT) & 0x8000) != 0) {
    return false;
  }
  const Handle window = HandleOf(root);
  const Entry* entry = FindOf(window, Kind::kWindow);
  if (entry == nullptr) return false;
  // The virtual-key codes of digits and letters are their ASCII codes.
  for (std::size_t i = 0; i < entry->menu.size(); ++i) {
    if (entry->menu[i].ctrl_key != 0 &&
        static_cast<WPARAM>(entry->menu[i].ctrl_key) == msg.wParam) {
      RunMenuEntry(window, i);
      return true;
    }
  }
  return false;
}

}  // namespace veltrane::platform
