// The in-memory platform under the conformance suite.
#include <algorithm>

#include "platform/headless/headless_platform.h"
#include "platform_driver.h"

namespace veltrane::platform::conformance {
namespace {

class HeadlessDriver final : public PlatformDriver {
 public:
  Platform& platform() override { return platform_; }
  void Settle() override { platform_.ProcessPendingEvents(); }
  void Later(std::function<void()> task) override { platform_.Post(std::move(task)); }
  bool Click(Handle button) override { return platform_.Click(button); }
  bool TypeChar(Handle edit, char32_t ch) override { return platform_.TypeChar(edit, ch); }
  bool PressSpin(Handle edit, int delta) override { return platform_.PressSpin(edit, delta); }
  bool PickComboItem(Handle combo, int index) override {
    return platform_.PickComboItem(combo, index);
  }
  bool CloseWindow(Handle window) override { return platform_.CloseWindow(window); }

  // The next shown, enabled tab stop among the focused control's siblings, top first.
  void PressTab() override {
    const HeadlessControl* focus = platform_.Find(platform_.FocusedControl());
    if (focus == nullptr) return;
    const std::vector<Handle> order = platform_.Children(focus->parent);
    auto at = std::find(order.begin(), order.end(), focus->handle);
    for (std::size_t step = 1; step <= order.size(); ++step) {
      const std::size_t i = (static_cast<std::size_t>(at - order.begin()) + step) % order.size();
      const HeadlessControl* c = platform_.Find(order[i]);
      if (c->tab_stop && c->visible && c->enabled) {
        platform_.SetFocus(c->handle);
        return;
      }
    }
  }

  void PressEnter(bool) override { platform_.PressKey(Key::Enter); }
  void ChooseMenuEntry(Handle window, int index) override {
    platform_.ChooseMenuEntry(window, index);
  }
  void PressShortcut(char key) override { platform_.PressShortcut(key); }

  void AnswerMessageBoxes(int answer) override { platform_.SetMessageBoxAnswer(answer); }
  std::vector<SeenBox> SeenMessageBoxes() override {
    std::vector<SeenBox> seen;
    for (const MessageBoxRecord& box : platform_.MessageBoxes())
      seen.push_back({box.title, box.text});
    return seen;
  }

 private:
  HeadlessPlatform platform_;
};

}  // namespace

std::unique_ptr<PlatformDriver> MakeDriver() { return std::make_unique<HeadlessDriver>(); }

}  // namespace veltrane::platform::conformance
