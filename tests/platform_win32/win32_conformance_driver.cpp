// The native Windows platform under the conformance suite: the user's actions
// are the messages the system sends for them (button clicks, typed
// characters, mouse presses on the up-down control, picks, Tab through the
// dialog keys of the message loop).
#include <deque>

#include "../platform_conformance/platform_driver.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "win32_test_support.h"

namespace veltrane::platform::conformance {
namespace {

std::deque<std::function<void()>>& LaterTasks() {
  static std::deque<std::function<void()>> tasks;
  return tasks;
}

void CALLBACK RunLater(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (LaterTasks().empty()) return;
  std::function<void()> task = std::move(LaterTasks().front());
  LaterTasks().pop_front();
  task();
}

bool Usable(HWND hwnd) { return hwnd != nullptr && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

class Win32Driver final : public PlatformDriver {
 public:
  Platform& platform() override { return platform_; }

  void Settle() override {
    for (int i = 0; i < 3; ++i) platform_.ProcessPendingEvents();
  }

  void Later(std::function<void()> task) override {
    LaterTasks().push_back(std::move(task));
    SetTimer(nullptr, 0, 0, &RunLater);
  }

  bool Click(Handle button) override {
    HWND hwnd = platform_.WindowOf(button);
    if (!Usable(hwnd)) return false;
    SendMessageW(hwnd, BM_CLICK, 0, 0);
    return true;
  }

  bool TypeChar(Handle edit, char32_t ch) override {
    HWND hwnd = platform_.WindowOf(edit);
    if (!Usable(hwnd)) return false;
    SendMessageW(hwnd, WM_CHAR, static_cast<WPARAM>(ch), 0);
    return true;
  }

  bool PressSpin(Handle edit, int delta) override {
    HWND spin = platform_.SpinOf(edit);
    if (!Usable(spin)) return false;
    // A press on the upper or lower half of the control.
    RECT r{};
    GetClientRect(spin, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, delta > 0 ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(spin, WM_LBUTTONUP, 0, at);
    return true;
  }

  bool PickComboItem(Handle combo, int index) override {
    HWND hwnd = platform_.WindowOf(combo);
    const auto count = static_cast<int>(SendMessageW(hwnd, CB_GETCOUNT, 0, 0));
    if (!Usable(hwnd) || index < 0 || index >= count) return false;
    // What choosing a row of the open list does.
    SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hwnd));
    return true;
  }

  bool CloseWindow(Handle window) override {
    HWND hwnd = platform_.WindowOf(window);
    if (hwnd == nullptr) return false;
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }

  void PressTab() override {
    HWND focus = GetFocus();
    if (focus == nullptr) return;
    PostMessageW(focus, WM_KEYDOWN, VK_TAB, 1);
    PostMessageW(focus, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC0000001u));
    Settle();
  }

  void PressEnter(bool keypad) override {
    HWND focus = GetFocus();
    if (focus == nullptr) return;
    // The keypad's Enter is VK_RETURN with the extended-key bit.
    const LPARAM extended = keypad ? (1 << 24) : 0;
    PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1 | extended);
    PostMessageW(focus, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001u) | extended);
    Settle();
  }

  // What choosing an entry of the open menu sends: its command from a menu.
  void ChooseMenuEntry(Handle window, int index) override {
    HWND hwnd = platform_.WindowOf(window);
    if (hwnd == nullptr || !IsWindowVisible(hwnd) || index < 0) return;
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(0xE000 + index, 0), 0);
    Settle();
  }

  // The key with Ctrl held, as the thread's keyboard state shows it.
  void PressShortcut(char key) override {
    HWND focus = GetFocus();
    if (focus == nullptr) return;
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE control = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(focus, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
    Settle();
    keys[VK_CONTROL] = control;
    SetKeyboardState(keys);
    PostMessageW(focus, WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001u));
    Settle();
  }

  void AnswerMessageBoxes(int answer) override {
    Collect();
    answerer_ = std::make_unique<test::MessageBoxAnswerer>(answer);
  }

  std::vector<SeenBox> SeenMessageBoxes() override {
    Collect();
    return seen_;
  }

 private:
  void Collect() {
    if (answerer_ == nullptr) return;
    for (const test::SeenMessageBox& box : answerer_->seen()) {
      seen_.push_back({win32::GbkFromWide(box.title), win32::GbkFromWide(box.text)});
    }
    answerer_.reset();
  }

  Win32Platform platform_;
  std::unique_ptr<test::MessageBoxAnswerer> answerer_;
  std::vector<SeenBox> seen_;
};

}  // namespace

std::unique_ptr<PlatformDriver> MakeDriver() { return std::make_unique<Win32Driver>(); }

}  // namespace veltrane::platform::conformance
