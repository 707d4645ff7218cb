// The rings turned from the keyboard and the context menu on the headless
// platform: every entry and shortcut does exactly what its button's click
// does, and Enter presses the focused button.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "form/template/window_template.h"
#include "program_fixture.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

using platform::Key;

constexpr platform::LocalTime kClock = {2001, 12, 27, 4, 7, 0, 0};

constexpr ControlId kRingButtons[] = {
    kStepGatesButton,       kStepStarsButton,      kStepDeitiesYinButton,
    kStepDeitiesYangButton, kStepEarthYinButton,   kStepEarthYangButton,
    kStepHiddenYinButton,   kStepHiddenYangButton, kResetButton};

class RingMenuTest : public ProgramFixture {
 protected:
  // Every plate box's selection and the counter labels.
  std::vector<std::string> Plates() {
    std::vector<std::string> shown;
    for (const auto* family : {&kEarthStemBoxes, &kHeavenStemBoxes, &kHiddenStemBoxes}) {
      for (ControlId box : *family) shown.push_back(std::to_string(Selection(box)));
    }
    for (const auto* family : {&kStarBoxes, &kGateBoxes, &kDeityBoxes, &kCounterDeityBoxes}) {
      for (ControlId box : *family) shown.push_back(std::to_string(Selection(box)));
    }
    for (ControlId label : kCounterLabels) shown.push_back(Caption(label));
    return shown;
  }
  // Starts a fresh program, turns the chart by `act` three times and gives what it shows.
  template <class Act>
  std::vector<std::string> AfterThree(Act act) {
    TearDown();
    fresh_ = std::make_unique<Program>();
    platform_.SetClock(kClock);
    fresh_->Start();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(act());
    return Plates();
  }
  std::unique_ptr<Program> fresh_;
  platform::Handle Window() { return H(runtime::kWindowUnitId); }
  // The ring button behind a handle; 0 for none.
  ControlId RingButtonOf(platform::Handle h) {
    for (ControlId id : kRingButtons) {
      if (H(id) == h) return id;
    }
    return 0;
  }
};

TEST_F(RingMenuTest, TheMenuListsEveryRingButtonOnceWithItsOwnShortcut) {
  Start(kClock);
  const std::vector<platform::MenuEntry> menu = platform_.ContextMenu(Window());
  std::set<platform::Handle> ring_buttons;
  for (ControlId id : kRingButtons) ring_buttons.insert(H(id));
  std::set<platform::Handle> buttons;
  std::set<char> keys;
  for (const platform::MenuEntry& entry : menu) {
    buttons.insert(entry.button);
    keys.insert(entry.ctrl_key);
    EXPECT_NE(entry.ctrl_key, 0);
  }
  EXPECT_EQ(buttons, ring_buttons);
  EXPECT_EQ(keys.size(), menu.size());
}

TEST_F(RingMenuTest, EachEntryAndShortcutDoesWhatItsButtonsClickDoes) {
  Start(kClock);
  ASSERT_EQ(platform_.ContextMenu(Window()).size(), 9u);
  const std::vector<std::string> untouched = Plates();
  const auto entry = [this](int i) {
    return platform_.ContextMenu(Window())[static_cast<std::size_t>(i)];
  };
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE("entry " + std::to_string(i));
    // The button's click event, as the runtime raises it (按钮10 and 按钮11 are hidden).
    const std::vector<std::string> clicked = AfterThree([&] {
      const ControlId button = RingButtonOf(entry(i).button);
      runtime::RaiseEvent(kMainWindow, button, runtime::kButtonClicked);
      return button != 0;
    });
    EXPECT_EQ(AfterThree([&] { return platform_.ChooseMenuEntry(Window(), i); }), clicked);
    EXPECT_EQ(AfterThree([&] {
                platform_.SetFocus(H(kYearBox));  // typing in a date box
                return platform_.PressShortcut(entry(i).ctrl_key);
              }),
              clicked);
    if (entry(i).button != H(kResetButton)) {
      EXPECT_NE(clicked, untouched);
    }
  }
}

TEST_F(RingMenuTest, ADisabledButtonsEntryDoesNothing) {
  Start(kClock);
  runtime::WriteInt(kMainWindow, kStepStarsButton, runtime::kDisabled, 1);
  const std::vector<std::string> before = Plates();
  const std::vector<platform::MenuEntry> menu = platform_.ContextMenu(Window());
  for (std::size_t i = 0; i < menu.size(); ++i) {
    if (menu[i].button != H(kStepStarsButton)) continue;
    EXPECT_FALSE(platform_.ChooseMenuEntry(Window(), static_cast<int>(i)));
    EXPECT_FALSE(platform_.PressShortcut(menu[i].ctrl_key));
  }
  EXPECT_EQ(Plates(), before);
}

TEST_F(RingMenuTest, EnterPressesTheFocusedButtonAndNothingElse) {
  Start(kClock);
  EXPECT_FALSE(platform_.PressKey(Key::Enter));  // the year box
  platform_.SetFocus(H(kCopyButton));
  EXPECT_TRUE(platform_.PressKey(Key::Enter));
  EXPECT_EQ(platform_.MessageBoxes().size(), 1u);  // copied and confirmed
}

}  // namespace
}  // namespace veltrane::ui
