// The process services of the native Windows platform: message loop, message
// boxes, clipboard, clock and process end.
#include <windows.h>

#include <algorithm>

#include <cstdio>
#include <cstring>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace veltrane::platform {

namespace {

// A message delivered between checks for the quit message, at most.
constexpr int kPendingLimit = 10000;
// The clipboard may be held for a moment by another program.
constexpr int kClipboardTries = 10;
constexpr DWORD kClipboardWaitMs = 10;
// The locale of the GBK bytes in CF_TEXT: Chinese (PRC), so other programs
// derive the right texts from them.
constexpr LCID kGbkLocale = 0x0804;

bool OpenClipboardRetrying(HWND owner) {
  for (int i = 0; i < kClipboardTries; ++i) {
    if (OpenClipboard(owner)) return true;
    Sleep(kClipboardWaitMs);
  }
  return false;
}

// Moves bytes into a movable global block for the clipboard; nullptr on failure.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (block == nullptr) return nullptr;
  void* target = GlobalLock(block);
  if (target == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(block);
  return block;
}

// Hands a block to the open clipboard; the block is freed when it is refused.
bool Offer(UINT format, HGLOBAL block) {
  if (block == nullptr) return false;
  if (SetClipboardData(format, block) != nullptr) return true;
  GlobalFree(block);
  return false;
}

}  // namespace

HWND Win32Platform::DialogRootOf(HWND hwnd) const {
  if (hwnd == nullptr) return nullptr;
  HWND root = GetAncestor(hwnd, GA_ROOT);
  const Entry* entry = Find(HandleOf(root));
  return entry != nullptr && entry->kind == Kind::kWindow ? root : nullptr;
}

bool Win32Platform::TranslateDialogKey(MSG& msg) {
  HWND root = DialogRootOf(msg.hwnd);
  if (root == nullptr) return false;
  if (TranslateShortcut(root, msg)) return true;
  // Enter and the keypad's Enter press the focused button, as Space does.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
    const Entry* focused = Find(HandleOf(GetFocus()));
    if (focused != nullptr && focused->kind == Kind::kButton) {
      SendMessageW(focused->hwnd, BM_CLICK, 0, 0);
      return true;
    }
  }
  // Tab and Shift+Tab follow the runtime's order; the other dialog keys stay Windows'.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB &&
      MoveFocusAlongTabOrder(root, (GetKeyState(VK_SHIFT) & 0x8000) != 0)) {
    return true;
  }
  return IsDialogMessageW(root, &msg) != FALSE;
}

bool Win32Platform::MoveFocusAlongTabOrder(HWND root, bool backwards) const {
  const Entry* window = Find(HandleOf(root));
  if (window == nullptr || window->tab_order.empty()) return false;
  const std::vector<Handle>& order = window->tab_order;
  Handle focused = 0;
  for (HWND focus = GetFocus(); focus != nullptr && focused == 0; focus = GetParent(focus)) {
    focused = HandleOf(focus);
  }
  const auto n = static_cast<std::ptrdiff_t>(order.size());
  const std::ptrdiff_t at = std::find(order.begin(), order.end(), focused) - order.begin();
  for (std::ptrdiff_t step = 1; step <= n; ++step) {
    // From outside the order, Tab starts at its first control and Shift+Tab at its last.
    const std::ptrdiff_t from = at < n ? at : (backwards ? n : -1);
    const std::ptrdiff_t i = ((from + (backwards ? -step : step)) % n + n) % n;
    const Entry* next = Find(order[static_cast<std::size_t>(i)]);
    if (next == nullptr || !next->focusable || IsWindowVisible(next->hwnd) == FALSE ||
        IsWindowEnabled(next->hwnd) == FALSE) {
      continue;
    }
    ::SetFocus(next->hwnd);
    // As a dialog does: an edit box reached by Tab shows its text selected.
    if (next->kind == Kind::kEdit) SendMessageW(next->hwnd, EM_SETSEL, 0, -1);
    return true;
  }
  return false;
}

void Win32Platform::RunMessageLoop() {
  // A quit asked for before the loop ran waits in the queue and ends it at once.
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateDialogKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Platform::QuitMessageLoop() { PostQuitMessage(0); }

void Win32Platform::ProcessPendingEvents() {
  MSG msg{};
  for (int i = 0; i < kPendingLimit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // left for the loop that ends with it
      return;
    }
    if (TranslateDialogKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

int Win32Platform::ShowMessageBox(std::string_view text_gbk, std::string_view title_gbk,
                                  std::uint32_t style) {
  const std::wstring text = win32::WideFromGbk(text_gbk);
  const std::wstring title = win32::WideFromGbk(title_gbk);
  // No owner; modal to every window of the program unless the style says otherwise.
  UINT flags = style;
  if ((flags & MB_MODEMASK) == 0) flags |= MB_TASKMODAL;
  // 0 when the box could not be shown.
  return MessageBoxExW(nullptr, text.c_str(), title.c_str(), flags,
                       MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
}

void Win32Platform::ClearClipboard() {
  if (!OpenClipboardRetrying(clipboard_owner_)) return;
  EmptyClipboard();
  CloseClipboard();
}

bool Win32Platform::SetClipboardText(std::string_view gbk) {
  const std::wstring wide = win32::WideFromGbk(gbk);
  if (!OpenClipboardRetrying(clipboard_owner_)) return false;
  EmptyClipboard();
  const std::string bytes(gbk);
  bool ok = Offer(CF_UNICODETEXT, GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)));
  ok = Offer(CF_TEXT, GlobalCopy(bytes.c_str(), bytes.size() + 1)) && ok;
  Offer(CF_LOCALE, GlobalCopy(&kGbkLocale, sizeof(kGbkLocale)));
  CloseClipboard();
  return ok;
}

std::string Win32Platform::ClipboardText() {
  if (!OpenClipboardRetrying(clipboard_owner_)) return {};
  std::string text;
  // The UTF-16 text is the exact one; CF_TEXT may have been made in another code page.
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
      text = win32::GbkFromWide(std::wstring_view(wide, wcsnlen(wide, units)));
      GlobalUnlock(data);
    }
  } else if (HANDLE bytes = GetClipboardData(CF_TEXT); bytes != nullptr) {
    if (const auto* chars = static_cast<const char*>(GlobalLock(bytes))) {
      text.assign(chars, strnlen(chars, GlobalSize(bytes)));
      GlobalUnlock(bytes);
    }
  }
  CloseClipboard();
  return text;
}

LocalTime Win32Platform::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

void Win32Platform::EndProcess(int code) {
  std::fflush(nullptr);
  // At once: no exit routines, no static destructors. What is on the
  // clipboard belongs to the system and stays.
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace veltrane::platform
