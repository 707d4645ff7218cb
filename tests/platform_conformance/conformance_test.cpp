// The platform seam's contract, written once and run on every platform: the
// in-memory one, Qt and native Windows. Each test program links its own driver.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "base/text/gbk.h"
#include "platform_driver.h"

namespace veltrane::platform::conformance {
namespace {

using runtime::GbkFromUtf8;

struct Reported {
  enum Kind { kClicked, kEditChanged, kSpin, kTypedChar, kComboSelected, kClosed };
  Kind kind;
  Handle handle;
  int value = 0;
};

class RecordingSink : public EventSink {
 public:
  void OnButtonClicked(Handle h) override { events.push_back({Reported::kClicked, h}); }
  void OnEditChanged(Handle h) override { events.push_back({Reported::kEditChanged, h}); }
  void OnSpinArrow(Handle h, int delta) override { events.push_back({Reported::kSpin, h, delta}); }
  bool AcceptTypedChar(Handle h, char32_t ch) override {
    events.push_back({Reported::kTypedChar, h, static_cast<int>(ch)});
    return digits_only ? (ch >= U'0' && ch <= U'9') : true;
  }
  void OnComboSelected(Handle h) override { events.push_back({Reported::kComboSelected, h}); }
  void OnWindowMoved(Handle) override {}
  void OnWindowResized(Handle) override {}
  void OnWindowClosed(Handle h) override { events.push_back({Reported::kClosed, h}); }

  std::vector<Reported> Of(Reported::Kind kind) const {
    std::vector<Reported> out;
    for (const Reported& e : events) {
      if (e.kind == kind) out.push_back(e);
    }
    return out;
  }

  std::vector<Reported> events;
  bool digits_only = false;
};

class PlatformConformance : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_ = MakeDriver();
    p().SetEventSink(&sink_);
    CreateParams params;
    params.rect = {10, 20, 400, 300};
    WindowLook look;
    look.caption = GbkFromUtf8("排盘");
    look.position = 0;  // where it is put (the runtime centres a window itself)
    window_ = p().CreateTopWindow(params, look);
    ASSERT_NE(window_, 0u);
  }

  void TearDown() override {
    if (window_ != 0) p().Destroy(window_);
    driver_->Settle();
    p().SetEventSink(nullptr);
  }

  Platform& p() { return driver_->platform(); }

  CreateParams At(int left, int top, int width, int height, bool tab_stop = false) {
    CreateParams params;
    params.parent = window_;
    params.child_id = next_child_id_ += 10;
    params.rect = {left, top, width, height};
    params.tab_stop = tab_stop;
    return params;
  }

  Handle Edit(const CreateParams& params, EditLook look = {}) {
    const Handle edit = p().CreateEdit(params, look);
    EXPECT_NE(edit, 0u);
    return edit;
  }

  Handle Combo(const CreateParams& params) {
    ComboLook look;
    for (const char* item : {"乙", "丙", "丁"}) look.items.push_back(GbkFromUtf8(item));
    const Handle combo = p().CreateComboBox(params, look);
    EXPECT_NE(combo, 0u);
    return combo;
  }

  // Shows the controls, then the window, as the runtime does.
  void Show(std::initializer_list<Handle> controls) {
    for (const Handle c : controls) p().SetVisible(c, true);
    p().SetVisible(window_, true);
    driver_->Settle();
  }

  std::unique_ptr<PlatformDriver> driver_;
  RecordingSink sink_;
  Handle window_ = 0;
  int next_child_id_ = 90;
};

TEST_F(PlatformConformance, ControlsAreCreatedHiddenAndNeedALiveParent) {
  const Handle label = p().CreateLabel(At(8, 8, 80, 20), LabelLook{});
  const Handle button = p().CreateButton(At(8, 40, 80, 32), ButtonLook{});
  const Handle edit = Edit(At(8, 80, 60, 24));
  const Handle combo = Combo(At(8, 120, 56, 160));
  for (const Handle h : {window_, label, button, edit, combo}) {
    EXPECT_NE(h, 0u);
    EXPECT_FALSE(p().IsVisible(h)) << h;
  }
  CreateParams orphan = At(0, 0, 10, 10);
  orphan.parent = 0x7FFF;
  EXPECT_EQ(p().CreateLabel(orphan, LabelLook{}), 0u);
}

TEST_F(PlatformConformance, GeometryReadsGiveBackWhatWasSet) {
  EXPECT_EQ(p().GetRect(window_), (Rect{10, 20, 400, 300}));
  const Handle label = p().CreateLabel(At(12, 34, 100, 24), LabelLook{});
  const Handle button = p().CreateButton(At(120, 34, 80, 32), ButtonLook{});
  EXPECT_EQ(p().GetRect(label), (Rect{12, 34, 100, 24}));
  EXPECT_EQ(p().GetRect(button), (Rect{120, 34, 80, 32}));
  // A control may stand outside the client area.
  p().SetRect(label, {-728, 384, 80, 24});
  EXPECT_EQ(p().GetRect(label), (Rect{-728, 384, 80, 24}));

  // An edit box is at least as high as asked; a drop-down box keeps the
  // height of its own closed face (the stored height is its open list's).
  const Rect edit = p().GetRect(Edit(At(8, 80, 60, 24)));
  EXPECT_EQ((Rect{edit.left, edit.top, edit.width, 24}), (Rect{8, 80, 60, 24}));
  EXPECT_GE(edit.height, 24);
  const Rect combo = p().GetRect(Combo(At(200, 100, 56, 160)));
  EXPECT_EQ((Rect{combo.left, combo.top, combo.width, 0}), (Rect{200, 100, 56, 0}));
}

TEST_F(PlatformConformance, VisibilityAndEnabledStateAreEachControlsOwn) {
  CreateParams params = At(8, 8, 80, 32);
  params.disabled = true;
  const Handle button = p().CreateButton(params, ButtonLook{});
  EXPECT_FALSE(p().IsEnabled(button));
  p().SetEnabled(button, true);
  EXPECT_TRUE(p().IsEnabled(button));
  // Shown while its window is still hidden.
  p().SetVisible(button, true);
  EXPECT_TRUE(p().IsVisible(button));
  EXPECT_FALSE(p().IsVisible(window_));
  p().SetVisible(button, false);
  EXPECT_FALSE(p().IsVisible(button));
}

TEST_F(PlatformConformance, DestroyingAWindowTakesItsControlsWithIt) {
  const Handle edit = Edit(At(8, 8, 60, 24));
  p().SetText(edit, "12");
  p().Destroy(window_);
  window_ = 0;
  driver_->Settle();
  EXPECT_EQ(p().GetRect(edit), Rect{});
  EXPECT_FALSE(p().IsVisible(edit));
  EXPECT_EQ(p().GetText(edit), "");
}

TEST_F(PlatformConformance, TextsRoundTripAsGbkAndProgramWritesAreQuiet) {
  const Handle label = p().CreateLabel(At(8, 8, 80, 20), LabelLook{});
  const Handle button = p().CreateButton(At(8, 40, 80, 32), ButtonLook{});
  const Handle edit = Edit(At(8, 80, 120, 24));
  for (const Handle h : {window_, label, button, edit}) {
    const std::string text = GbkFromUtf8("阳遁3局 甲子");
    p().SetText(h, text);
    EXPECT_EQ(p().GetText(h), text) << h;
  }
  Show({label, button, edit});
  EXPECT_TRUE(sink_.Of(Reported::kEditChanged).empty());
}

TEST_F(PlatformConformance, TypedCharactersPassTheFilterAndReplaceTheSelection) {
  const Handle edit = Edit(At(8, 8, 120, 24));
  Show({edit});
  sink_.digits_only = true;
  p().SetText(edit, "12");
  p().SelectAllText(edit);
  driver_->TypeChar(edit, U'a');
  EXPECT_EQ(p().GetText(edit), "12");
  driver_->TypeChar(edit, U'7');
  EXPECT_EQ(p().GetText(edit), "7");
  const std::vector<Reported> asked = sink_.Of(Reported::kTypedChar);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].value, 'a');
  EXPECT_EQ(asked[1].value, '7');
  EXPECT_FALSE(sink_.Of(Reported::kEditChanged).empty());

  // Selections are given in GBK bytes.
  sink_.digits_only = false;
  p().SetText(edit, GbkFromUtf8("甲乙丙"));
  p().SetTextSelection(edit, 2, 2);
  driver_->TypeChar(edit, U'x');
  EXPECT_EQ(p().GetText(edit), GbkFromUtf8("甲x丙"));
  p().SetTextSelection(edit, 0, 0);
  driver_->TypeChar(edit, U'y');
  EXPECT_EQ(p().GetText(edit), GbkFromUtf8("y甲x丙"));
}

TEST_F(PlatformConformance, TheLengthLimitCountsGbkBytes) {
  EditLook look;
  look.max_length = 4;
  const Handle edit = Edit(At(8, 8, 120, 24), look);
  Show({edit});
  for (const char32_t ch : {U'甲', U'乙', U'x'}) driver_->TypeChar(edit, ch);
  EXPECT_EQ(p().GetText(edit), GbkFromUtf8("甲乙"));
}

TEST_F(PlatformConformance, SpinArrowsReportTheirDirectionAndLeaveTheTextToTheRuntime) {
  EditLook look;
  look.spin_mode = 1;
  look.spin_min = 1;
  look.spin_max = 12;
  const Handle spin = Edit(At(8, 8, 24, 24), look);
  const Handle plain = Edit(At(80, 8, 24, 24));
  Show({spin, plain});
  p().SetText(spin, "12");
  EXPECT_TRUE(driver_->PressSpin(spin, +1));
  EXPECT_TRUE(driver_->PressSpin(spin, -1));
  EXPECT_FALSE(driver_->PressSpin(plain, +1));
  const std::vector<Reported> arrows = sink_.Of(Reported::kSpin);
  ASSERT_EQ(arrows.size(), 2u);
  EXPECT_EQ(arrows[0].handle, spin);
  EXPECT_EQ(arrows[0].value, +1);
  EXPECT_EQ(arrows[1].value, -1);
  EXPECT_EQ(p().GetText(spin), "12");
}

TEST_F(PlatformConformance, ComboBoxesKeepItemOrderAndClampTheSelection) {
  const Handle combo = Combo(At(8, 8, 56, 160));
  Show({combo});
  EXPECT_EQ(p().GetSelection(combo), -1);
  p().SetSelection(combo, 1);
  EXPECT_EQ(p().GetSelection(combo), 1);
  EXPECT_EQ(p().GetText(combo), GbkFromUtf8("丙"));
  p().SetSelection(combo, 99);
  EXPECT_EQ(p().GetSelection(combo), 2);
  p().SetSelection(combo, -5);
  EXPECT_EQ(p().GetSelection(combo), -1);
  EXPECT_TRUE(sink_.Of(Reported::kComboSelected).empty());
  EXPECT_TRUE(driver_->PickComboItem(combo, 0));
  EXPECT_EQ(p().GetSelection(combo), 0);
  EXPECT_EQ(sink_.Of(Reported::kComboSelected).size(), 1u);
}

TEST_F(PlatformConformance, ClicksReachTheProgramOnlyFromShownEnabledButtons) {
  const Handle button = p().CreateButton(At(8, 8, 80, 32), ButtonLook{});
  Show({button});
  EXPECT_TRUE(driver_->Click(button));
  p().SetEnabled(button, false);
  driver_->Click(button);
  ASSERT_EQ(sink_.Of(Reported::kClicked).size(), 1u);
  EXPECT_EQ(sink_.Of(Reported::kClicked)[0].handle, button);
}

TEST_F(PlatformConformance, FocusGoesWhereItIsSetAndTabFollowsTheStackingOrder) {
  const Handle first = Edit(At(8, 8, 60, 24, true));
  const Handle second = Edit(At(8, 40, 60, 24, true));
  const Handle button = p().CreateButton(At(8, 80, 80, 32, true), ButtonLook{});
  p().PlaceBelow(button, 0);
  p().PlaceBelow(first, button);
  p().PlaceBelow(second, first);
  Show({first, second, button});
  p().SetFocus(first);
  driver_->Settle();
  EXPECT_EQ(p().FocusedControl(), first);
  driver_->PressTab();
  EXPECT_EQ(p().FocusedControl(), second);
  driver_->PressTab();
  EXPECT_EQ(p().FocusedControl(), button);
}

TEST_F(PlatformConformance, EnterAndTheKeypadsEnterPressTheFocusedButton) {
  const Handle button = p().CreateButton(At(8, 8, 80, 32, true), ButtonLook{});
  const Handle edit = Edit(At(8, 48, 60, 24, true));
  Show({button, edit});
  for (const bool keypad : {false, true}) {
    p().SetFocus(button);
    driver_->Settle();
    driver_->PressEnter(keypad);
  }
  p().SetFocus(edit);
  driver_->Settle();
  driver_->PressEnter(false);  // not a button: nothing is clicked
  EXPECT_EQ(sink_.Of(Reported::kClicked).size(), 2u);
}

TEST_F(PlatformConformance, ContextMenuEntriesAndShortcutsClickTheirEnabledButtons) {
  ButtonLook look;
  look.caption = GbkFromUtf8("转八门");
  const Handle gates = p().CreateButton(At(8, 8, 80, 32), look);
  look.caption = GbkFromUtf8("重置排盘");
  // Outside the client area, out of the mouse's reach: the menu still reaches it.
  const Handle reset = p().CreateButton(At(-300, 8, 80, 32), look);
  const Handle edit = Edit(At(8, 48, 60, 24, true));
  Show({gates, reset, edit});
  p().SetContextMenu(window_, {{gates, '1'}, {reset, '0'}});
  p().SetFocus(edit);
  driver_->Settle();

  const auto clicked = [this] {
    std::vector<Handle> handles;
    for (const Reported& r : sink_.Of(Reported::kClicked)) handles.push_back(r.handle);
    return handles;
  };
  driver_->ChooseMenuEntry(window_, 1);
  EXPECT_EQ(clicked(), std::vector<Handle>{reset}) << "the menu's second entry";
  driver_->PressShortcut('1');
  driver_->PressShortcut('9');  // no entry has it
  EXPECT_EQ(clicked(), (std::vector<Handle>{reset, gates})) << "Ctrl+1";
  p().SetEnabled(reset, false);
  driver_->ChooseMenuEntry(window_, 1);
  driver_->PressShortcut('0');
  p().SetContextMenu(window_, {});
  driver_->PressShortcut('1');
  driver_->Settle();
  EXPECT_EQ(clicked(), (std::vector<Handle>{reset, gates})) << "a disabled button, no menu";
  EXPECT_EQ(p().GetText(edit), "");  // the shortcut typed nothing
}

TEST_F(PlatformConformance, TheClipboardHoldsGbkText) {
  const std::string text = GbkFromUtf8("┌──┐\r\n│阳遁│\r\n");
  ASSERT_TRUE(p().SetClipboardText(text));
  EXPECT_EQ(p().ClipboardText(), text);
  p().ClearClipboard();
  EXPECT_EQ(p().ClipboardText(), "");
}

TEST_F(PlatformConformance, MessageBoxesShowTitleAndTextAndGiveThePressedButton) {
  driver_->AnswerMessageBoxes(1);
  EXPECT_EQ(p().ShowMessageBox(GbkFromUtf8("已经整盘复制到剪切板！"), GbkFromUtf8("提示"), 0x40),
            1);
  driver_->AnswerMessageBoxes(7);
  EXPECT_EQ(p().ShowMessageBox("?", "Yes/No", 0x04), 7);
  const std::vector<SeenBox> seen = driver_->SeenMessageBoxes();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].title, GbkFromUtf8("提示"));
  EXPECT_EQ(seen[0].text, GbkFromUtf8("已经整盘复制到剪切板！"));
}

TEST_F(PlatformConformance, TheLoopRunsUntilQuitAndAnEarlierQuitEndsItAtOnce) {
  p().QuitMessageLoop();
  p().RunMessageLoop();
  bool ran = false;
  driver_->Later([&] {
    ran = true;
    p().QuitMessageLoop();
  });
  p().RunMessageLoop();
  EXPECT_TRUE(ran);
}

TEST_F(PlatformConformance, ClosingAWindowIsReportedAndLeavesItToTheProgram) {
  Show({});
  EXPECT_TRUE(driver_->CloseWindow(window_));
  driver_->Settle();
  ASSERT_EQ(sink_.Of(Reported::kClosed).size(), 1u);
  EXPECT_EQ(sink_.Of(Reported::kClosed)[0].handle, window_);
  EXPECT_EQ(p().GetRect(window_).width, 400);
}

TEST_F(PlatformConformance, EndProcessEndsAtOnceWithTheCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(p().EndProcess(3), ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace veltrane::platform::conformance
