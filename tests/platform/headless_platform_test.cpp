// The headless platform on its own: stacking, destruction, text editing by
// the user, combo lists, message boxes, clipboard, clock and process end.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/headless/headless_platform.h"

namespace veltrane::platform {
namespace {

// Records what the platform reports; accepts every character except 'x'.
class RecordingSink final : public EventSink {
 public:
  void OnButtonClicked(Handle h) override { log.push_back("click " + std::to_string(h)); }
  void OnEditChanged(Handle h) override { log.push_back("changed " + std::to_string(h)); }
  void OnSpinArrow(Handle h, int d) override {
    log.push_back("spin " + std::to_string(h) + " " + std::to_string(d));
  }
  bool AcceptTypedChar(Handle, char32_t ch) override { return ch != U'x'; }
  void OnComboSelected(Handle h) override { log.push_back("picked " + std::to_string(h)); }
  void OnWindowMoved(Handle) override { log.push_back("moved"); }
  void OnWindowResized(Handle) override { log.push_back("resized"); }
  void OnWindowClosed(Handle h) override { log.push_back("closed " + std::to_string(h)); }
  std::vector<std::string> log;
};

class Headless : public ::testing::Test {
 protected:
  void SetUp() override {
    p.SetEventSink(&sink);
    CreateParams params;
    params.rect = {0, 0, 300, 200};
    window = p.CreateTopWindow(params, {});
  }
  Handle Child(ControlKind kind, int id) {
    CreateParams params;
    params.parent = window;
    params.child_id = id;
    Handle h = 0;
    switch (kind) {
      case ControlKind::Label:
        h = p.CreateLabel(params, {});
        break;
      case ControlKind::Button:
        h = p.CreateButton(params, {});
        break;
      case ControlKind::Edit:
        h = p.CreateEdit(params, edit_look);
        break;
      case ControlKind::ComboBox:
        h = p.CreateComboBox(params, combo_look);
        break;
      case ControlKind::Window:
        break;
    }
    p.SetVisible(h, true);
    return h;
  }

  HeadlessPlatform p;
  RecordingSink sink;
  Handle window = 0;
  EditLook edit_look;
  ComboLook combo_look;
};

TEST_F(Headless, NewChildrenGoToTheBottomAndPlaceBelowReorders) {
  const Handle a = Child(ControlKind::Label, 100);
  const Handle b = Child(ControlKind::Label, 110);
  const Handle c = Child(ControlKind::Button, 120);
  EXPECT_EQ(p.Children(window), (std::vector<Handle>{a, b, c}));
  p.PlaceBelow(c, 0);
  EXPECT_EQ(p.Children(window), (std::vector<Handle>{c, a, b}));
  p.PlaceBelow(c, b);
  EXPECT_EQ(p.Children(window), (std::vector<Handle>{a, b, c}));
  p.PlaceBelow(a, b);
  EXPECT_EQ(p.Children(window), (std::vector<Handle>{b, a, c}));
  EXPECT_EQ(p.ChildById(window, 120), c);
  EXPECT_EQ(p.ChildById(window, 130), 0u);
}

TEST_F(Headless, DestroyingTheWindowTakesItsChildren) {
  const Handle a = Child(ControlKind::Label, 100);
  p.SetFocus(a);
  p.Destroy(window);
  EXPECT_FALSE(p.Find(a)->alive);
  EXPECT_FALSE(p.Find(window)->alive);
  EXPECT_EQ(p.LiveCount(), 0);
  EXPECT_EQ(p.FocusedControl(), 0u);
  // Dead or unknown handles answer harmlessly.
  EXPECT_EQ(p.GetText(a), "");
  EXPECT_EQ(p.GetRect(999), Rect{});
  EXPECT_FALSE(p.IsVisible(999));
  EXPECT_EQ(p.GetSelection(a), -1);
  EXPECT_EQ(p.CreateLabel({window, 1, {}, false, false}, {}), 0u);  // no live parent
}

TEST_F(Headless, TypingEditsTheSelectionWithinTheLimits) {
  edit_look.max_length = 4;
  edit_look.case_conversion = 2;
  const Handle e = Child(ControlKind::Edit, 100);
  EXPECT_EQ(p.TypeText(e, "ab年x"), 3);  // the sink refuses 'x'
  EXPECT_EQ(p.GetText(e), "AB\xC4\xEA");
  EXPECT_FALSE(p.TypeChar(e, U'c'));  // 5 bytes would pass the limit
  EXPECT_TRUE(p.TypeChar(e, U'\b'));  // removes the whole two-byte character
  EXPECT_EQ(p.GetText(e), "AB");
  p.SetTextSelection(e, 0, 1);
  EXPECT_TRUE(p.TypeChar(e, U'z'));
  EXPECT_EQ(p.GetText(e), "ZB");
  p.SelectAllText(e);
  EXPECT_EQ(p.Find(e)->text_selection_length, 2);
  EXPECT_EQ(sink.log.back(), "changed " + std::to_string(e));

  edit_look.read_only = true;
  p.SetEditLook(e, edit_look);
  EXPECT_FALSE(p.TypeChar(e, U'1'));
  p.SetEnabled(e, false);
  EXPECT_FALSE(p.PressSpin(e, 1));
  EXPECT_EQ(p.Find(e)->repaints, 1);
}

TEST_F(Headless, SpinArrowsReachTheSinkOnlyWithSpin) {
  const Handle plain = Child(ControlKind::Edit, 100);
  EXPECT_FALSE(p.PressSpin(plain, 1));
  edit_look.spin_mode = 1;
  const Handle spin = Child(ControlKind::Edit, 110);
  EXPECT_TRUE(p.PressSpin(spin, 5));
  EXPECT_TRUE(p.PressSpin(spin, -2));
  EXPECT_EQ(sink.log, (std::vector<std::string>{"spin " + std::to_string(spin) + " 1",
                                                "spin " + std::to_string(spin) + " -1"}));
}

TEST_F(Headless, ComboSelectionStaysInsideTheList) {
  combo_look.items = {"a", "b", "c"};
  const Handle c = Child(ControlKind::ComboBox, 100);
  p.SetSelection(c, 2);
  EXPECT_EQ(p.GetSelection(c), 2);
  EXPECT_EQ(p.GetText(c), "c");  // a drop-down list shows its item
  p.SetSelection(c, 3);
  EXPECT_EQ(p.GetSelection(c), 2);
  p.SetSelection(c, -5);
  EXPECT_EQ(p.GetSelection(c), -1);
  p.SetSelection(c, 1);
  p.SetComboLook(c, combo_look);  // same items: the selection stays
  EXPECT_EQ(p.GetSelection(c), 1);
  combo_look.items = {"x"};
  p.SetComboLook(c, combo_look);
  EXPECT_EQ(p.GetSelection(c), -1);
  EXPECT_FALSE(p.PickComboItem(c, 1));
  EXPECT_TRUE(p.PickComboItem(c, 0));
  EXPECT_EQ(sink.log.back(), "picked " + std::to_string(c));
}

TEST_F(Headless, ClicksNeedAVisibleEnabledButton) {
  const Handle b = Child(ControlKind::Button, 100);
  const Handle l = Child(ControlKind::Label, 110);
  EXPECT_TRUE(p.Click(b));
  EXPECT_FALSE(p.Click(l));
  p.SetVisible(b, false);
  EXPECT_FALSE(p.Click(b));
  EXPECT_EQ(sink.log.size(), 1u);
}

TEST_F(Headless, ClosingAndMovingTheWindowAreReported) {
  EXPECT_TRUE(p.MoveWindow(window, {5, 0, 300, 200}));
  EXPECT_TRUE(p.MoveWindow(window, {5, 0, 310, 200}));
  EXPECT_TRUE(p.CloseWindow(window));
  EXPECT_EQ(sink.log,
            (std::vector<std::string>{"moved", "resized", "closed " + std::to_string(window)}));
  WindowLook fixed;
  fixed.closable = false;
  const Handle other = p.CreateTopWindow({}, fixed);
  EXPECT_FALSE(p.CloseWindow(other));
}

TEST_F(Headless, MessageBoxesAreRecordedAndAnswered) {
  EXPECT_EQ(p.ShowMessageBox("text", "title", kMessageBoxIconInformation), 1);
  p.SetMessageBoxAnswer(2);
  EXPECT_EQ(p.ShowMessageBox("again", "", 0), 2);
  p.SetMessageBoxResponder([](const MessageBoxRecord& box) { return box.text == "x" ? 6 : 7; });
  EXPECT_EQ(p.ShowMessageBox("x", "", 0), 6);
  ASSERT_EQ(p.MessageBoxes().size(), 3u);
  EXPECT_EQ(p.MessageBoxes()[0].title, "title");
  EXPECT_EQ(p.MessageBoxes()[0].style, kMessageBoxIconInformation);
}

TEST_F(Headless, ClipboardHoldsBytes) {
  EXPECT_TRUE(p.SetClipboardText("\xC6\xE6\xC3\xC5\r\n"));
  EXPECT_EQ(p.ClipboardBytes(), "\xC6\xE6\xC3\xC5\r\n");
  EXPECT_EQ(p.ClipboardText(), "\xC6\xE6\xC3\xC5\r\n");
  p.ClearClipboard();
  EXPECT_FALSE(p.ClipboardHasText());
  p.SetClipboardFails(true);
  EXPECT_FALSE(p.SetClipboardText("x"));
  EXPECT_EQ(p.ClipboardText(), "");
}

TEST_F(Headless, ClockIsSettable) {
  p.SetClock({2015, 2, 4, 11, 59, 30, 5});
  const LocalTime t = p.Now();
  EXPECT_EQ(t.year, 2015);
  EXPECT_EQ(t.minute, 59);
  EXPECT_EQ(t.millisecond, 5);
  p.UseSystemClock();
  EXPECT_GE(p.Now().year, 2024);
}

TEST_F(Headless, LoopRunsTasksUntilQuit) {
  std::vector<int> ran;
  p.Post([&] { ran.push_back(1); });
  p.Post([&] {
    ran.push_back(2);
    p.QuitMessageLoop();
  });
  p.Post([&] { ran.push_back(3); });
  p.RunMessageLoop();
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
  p.ProcessPendingEvents();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
}

TEST(HeadlessDeathTest, EndProcessFlushesAndMapsMinusOneTo255) {
  HeadlessPlatform p;
  EXPECT_EXIT(
      {
        std::fputs("unflushed", stderr);
        p.EndProcess(-1);
      },
      ::testing::ExitedWithCode(255), "unflushed");
  EXPECT_EXIT(p.EndProcess(0), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(p.EndProcess(258), ::testing::ExitedWithCode(2), "");
}

TEST(HeadlessDeathTest, EchoedBoxesGoToStderrAsUtf8) {
  HeadlessPlatform p;
  p.SetEchoMessageBoxes(true);
  EXPECT_EXIT(
      {
        p.ShowMessageBox("\xB4\xED\xCE\xF3", "t", 0);  // 错误
        p.EndProcess(1);
      },
      ::testing::ExitedWithCode(1), "\\[message box\\] t: 错误");
}

}  // namespace
}  // namespace veltrane::platform
