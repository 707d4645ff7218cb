// The monkey on the in-memory platform: a fixed seed by default (set
// VELTRANE_MONKEY_SEED to try others), VELTRANE_MONKEY_ACTIONS actions.
#include <gtest/gtest.h>

#include "form/form_runtime.h"
#include "form/process.h"
#include "monkey.h"
#include "platform/headless/headless_platform.h"
#include "ui/kept_plotting.h"
#include "ui/plate_binding.h"
#include "ui/program.h"

namespace veltrane::monkey {
namespace {

class HeadlessHands final : public Hands {
 public:
  explicit HeadlessHands(platform::HeadlessPlatform& platform) : platform_(platform) {
    platform_.SetMessageBoxResponder([this](const platform::MessageBoxRecord& box) {
      if (on_box) on_box(box.title, box.text);
      return 1;
    });
  }
  bool Click(ui::ControlId button) override { return platform_.Click(H(button)); }
  bool Type(ui::ControlId edit, char32_t ch) override { return platform_.TypeChar(H(edit), ch); }
  bool Spin(ui::ControlId edit, int delta) override { return platform_.PressSpin(H(edit), delta); }
  bool Pick(ui::ControlId combo, int index) override {
    return platform_.PickComboItem(H(combo), index);
  }
  std::string Clipboard() override { return platform_.ClipboardText(); }
  void SetClock(const platform::LocalTime& time) override { platform_.SetClock(time); }
  void SetClipboardRefuses(bool refuses) override { platform_.SetClipboardFails(refuses); }

 private:
  static platform::Handle H(ui::ControlId control) {
    return runtime::NativeHandleOf(ui::kMainWindow, control);
  }
  platform::HeadlessPlatform& platform_;
};

TEST(Monkey, RandomUserLeavesTheWindowSound) {
  platform::HeadlessPlatform platform;
  platform::InstallPlatform(&platform);
  platform.SetClock({2001, 12, 27, 4, 20, 0, 0});
  ui::Program program;
  program.Start();
  HeadlessHands hands(platform);
  const std::string failure = RunMonkeyAndEndProgram(hands, "VELTRANE_MONKEY_ACTIONS", 20000);
  if (!failure.empty()) ADD_FAILURE() << failure;
}

}  // namespace
}  // namespace veltrane::monkey
