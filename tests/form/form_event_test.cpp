// Event dispatch and the user's actions: clicks, spin arrows, the typed
// character filter, event sharing, nesting, the fatal checks, and the end of
// the run by closing the window or by a run-time error.
#include <gtest/gtest.h>

#include <cstdio>

#include "form/controls/property_index.h"
#include "form/fatal.h"
#include "form/process.h"
#include "form_test_fixture.h"

namespace veltrane::runtime::testing_form {
namespace {

using FormEvent = FormTest;
using FormEventDeathTest = FormTest;

TEST_F(FormEvent, ClickReachesItsHandler) {
  Load();
  calls.clear();
  sources.clear();
  ASSERT_TRUE(platform_.Click(H(kButton)));
  EXPECT_EQ(calls, (std::vector<std::string>{"clicked"}));
  EXPECT_EQ(sources[0].unit, kButton);
  EXPECT_EQ(sources[0].event, kButtonClicked);
  EXPECT_FALSE(CurrentEventSource().has_value());
}

TEST_F(FormEvent, HiddenOrDisabledButtonsCannotBeClicked) {
  Load();
  calls.clear();
  WriteInt(kWindow, kButton, kVisible, 0);
  EXPECT_FALSE(platform_.Click(H(kButton)));
  WriteInt(kWindow, kButton, kVisible, 1);
  WriteInt(kWindow, kButton, kDisabled, 1);
  EXPECT_FALSE(platform_.Click(H(kButton)));
  EXPECT_TRUE(calls.empty());
}

TEST_F(FormEvent, SharedEventsRunTheSharedUnitsHandler) {
  Load();
  calls.clear();
  sources.clear();
  ASSERT_TRUE(platform_.Click(H(kSharingButton)));
  EXPECT_EQ(calls, (std::vector<std::string>{"clicked"}));
  EXPECT_EQ(sources[0].unit, kSharingButton);  // the source is the unit the user clicked
  // Two units sharing each other end the chain instead of looping.
  ASSERT_TRUE(platform_.Click(H(kLoopButtonA)));
  EXPECT_EQ(calls.size(), 1u);
}

TEST_F(FormEvent, ListedEventWithoutRoutineDoesNothing) {
  Load();
  calls.clear();
  RaiseEvent(kWindow, kButton, 1);  // listed with a null table entry
  RaiseEvent(kWindow, kLabel, 0);   // a label without events
  EXPECT_TRUE(calls.empty());
}

struct SpinRow {
  const char* text;
  int delta;
  const char* want;
};

TEST_F(FormEvent, AutomaticSpinSteppingWrapsAround) {
  Load();
  const SpinRow rows[] = {
      {"12", +1, "1"}, {"1", -1, "12"},  {"5", +1, "6"}, {"5", -1, "4"},
      {"ab", +1, "1"}, {"ab", -1, "12"}, {"", +1, "1"},  {"-7", +1, "1"},
  };
  for (const SpinRow& row : rows) {
    platform_.SetText(H(kSpinEdit), row.text);
    calls.clear();
    ASSERT_TRUE(platform_.PressSpin(H(kSpinEdit), row.delta));
    EXPECT_EQ(Native(kSpinEdit).text, row.want) << row.text << " " << row.delta;
    EXPECT_EQ(calls, (std::vector<std::string>{"edit changed"})) << row.text;
  }
  // The new text is selected whole and the box has the focus.
  EXPECT_EQ(Native(kSpinEdit).text_selection_start, 0);
  EXPECT_EQ(Native(kSpinEdit).text_selection_length, 1);
  EXPECT_EQ(platform_.FocusedControl(), H(kSpinEdit));
}

TEST_F(FormEvent, SpinSteppingNeedsAnEnabledVisibleBox) {
  Load();
  WriteInt(kWindow, kSpinEdit, kDisabled, 1);
  EXPECT_FALSE(platform_.PressSpin(H(kSpinEdit), 1));
  EXPECT_EQ(Native(kSpinEdit).text, "12");
  // A box without spin has no arrows to press.
  WriteInt(kWindow, kSpinEdit, kDisabled, 0);
  WriteInt(kWindow, kSpinEdit, kEditSpinMode, 0);
  EXPECT_FALSE(platform_.PressSpin(H(kSpinEdit), 1));
}

TEST_F(FormEvent, EventOnlySpinRaisesEventOneWithTheDirection) {
  Load();
  calls.clear();
  sources.clear();
  ASSERT_TRUE(platform_.PressSpin(H(kEventSpinEdit), 1));
  ASSERT_TRUE(platform_.PressSpin(H(kEventSpinEdit), -1));
  EXPECT_EQ(calls, (std::vector<std::string>{"spun", "spun"}));
  EXPECT_EQ(sources[0].event, kEditSpin);
  EXPECT_EQ(sources[0].argument, 1);
  EXPECT_EQ(sources[1].argument, -1);
  EXPECT_EQ(Native(kEventSpinEdit).text, "5");
}

TEST_F(FormEvent, IntegerInputTakesOnlyDigitsAndMinus) {
  Load();
  const platform::Handle edit = H(kSpinEdit);
  platform_.SetText(edit, "");
  EXPECT_FALSE(platform_.TypeChar(edit, U'a'));
  EXPECT_FALSE(platform_.TypeChar(edit, U'.'));
  EXPECT_FALSE(platform_.TypeChar(edit, U'年'));
  EXPECT_TRUE(platform_.TypeChar(edit, U'-'));
  EXPECT_TRUE(platform_.TypeChar(edit, U'4'));
  EXPECT_FALSE(platform_.TypeChar(edit, U'5'));  // the maximum length is 2
  EXPECT_EQ(Native(kSpinEdit).text, "-4");
  EXPECT_TRUE(platform_.TypeChar(edit, U'\b'));
  EXPECT_EQ(Native(kSpinEdit).text, "-");
  // The filter follows a written InputMode.
  WriteInt(kWindow, kSpinEdit, kEditInputMode, 0);
  EXPECT_TRUE(platform_.TypeChar(edit, U'x'));
}

TEST_F(FormEvent, ComboPickRaisesItsEvent) {
  Load();
  calls.clear();
  ASSERT_TRUE(platform_.PickComboItem(H(kCombo), 5));
  EXPECT_EQ(calls, (std::vector<std::string>{"combo picked"}));
  EXPECT_FALSE(platform_.PickComboItem(H(kCombo), 8));
}

TEST_F(FormEvent, EventsNestInsideARunningHandler) {
  Load();
  on_click = [] {
    WriteText(kWindow, kSpinEdit, kEditContent, "3");
    Record("after write");
  };
  calls.clear();
  sources.clear();
  ASSERT_TRUE(platform_.Click(H(kButton)));
  EXPECT_EQ(calls, (std::vector<std::string>{"clicked", "edit changed", "after write"}));
  EXPECT_EQ(sources[1].unit, kSpinEdit);
  EXPECT_EQ(sources[2].unit, kButton);  // the outer source is back after the nested handler
}

TEST_F(FormEvent, UserMovingTheWindowRaisesMovedAndResized) {
  Load();
  calls.clear();
  platform::Rect r = Native(kWindowUnitId).rect;
  r.left += 5;
  ASSERT_TRUE(platform_.MoveWindow(H(kWindowUnitId), r));
  r.width += 5;
  ASSERT_TRUE(platform_.MoveWindow(H(kWindowUnitId), r));
  EXPECT_EQ(calls, (std::vector<std::string>{"moved", "resized"}));
}

TEST_F(FormEvent, ClosingTheLastWindowEndsTheLoop) {
  Load();
  const platform::Handle window = H(kWindowUnitId);
  platform_.Post([&] { platform_.CloseWindow(window); });
  platform_.Post([] { Record("after close"); });
  RunMessageLoop();
  EXPECT_FALSE(IsWindowLoaded(kWindow));
  EXPECT_EQ(platform_.LiveCount(), 0);
  EXPECT_TRUE(platform_.QuitRequested());
  EXPECT_EQ(calls.back(), "resized");  // the loop ended before the next task
  // The record still answers for the common properties; the rest is gone.
  EXPECT_EQ(ReadInt(kWindow, kButton, kLeft), 10);
}

TEST_F(FormEventDeathTest, DispatchChecksWindowUnitAndType) {
  Load();
  EXPECT_EXIT(RaiseEvent(0x52019999, kButton, 0), ::testing::ExitedWithCode(255),
              FatalEcho("未找到引发事件的窗口"));
  EXPECT_EXIT(RaiseEvent(kWindow, 0x16019999, 0), ::testing::ExitedWithCode(255),
              FatalEcho("未找到引发事件的窗口组件"));
  EXPECT_EXIT(RaiseEvent(kSecondWindow, kUnknownTypeUnit, 0), ::testing::ExitedWithCode(255),
              FatalEcho("引发事件的窗口组件无效"));
}

TEST_F(FormEventDeathTest, NoEventsWhileAFatalReportRuns) {
  Load();
  EXPECT_EXIT(
      {
        platform_.SetMessageBoxResponder([this](const platform::MessageBoxRecord&) {
          calls.clear();
          platform_.Click(H(kButton));
          std::fprintf(stderr, "handlers run during the report: %zu\n", calls.size());
          return 1;
        });
        RaiseRuntimeError(1);
      },
      ::testing::ExitedWithCode(255), "handlers run during the report: 0");
}

void SayExitRoutineRan() { std::fputs("exit routine ran\n", stderr); }

TEST_F(FormEventDeathTest, ClosingTheWindowExitsZeroAfterTheExitRoutine) {
  EXPECT_EXIT(
      {
        RegisterExitRoutine(&SayExitRoutineRan);
        Load();
        const platform::Handle window = H(kWindowUnitId);
        platform_.Post([&] { platform_.CloseWindow(window); });
        RunMessageLoop();
        ExitProgram(0);
      },
      ::testing::ExitedWithCode(0), "exit routine ran");
}

TEST_F(FormEventDeathTest, RuntimeErrorShowsTheExactTextAndSkipsTheExitRoutine) {
  // The box is the last thing written: the exit routine never runs.
  EXPECT_EXIT(
      {
        RegisterExitRoutine(&SayExitRoutineRan);
        Load();
        RaiseRuntimeError(4);
      },
      ::testing::ExitedWithCode(255),
      "^\\[message box\\] 错误: 运行时出错!\r\n\r\n错误代码：4\r\n\r\n"
      "错误信息：数组成员引用下标必须大于等于1\r\n\n$");
}

TEST_F(FormEventDeathTest, RuntimeErrorBoxIsRecordedWithErrorIcon) {
  EXPECT_EXIT(
      {
        platform_.SetMessageBoxResponder([](const platform::MessageBoxRecord& box) {
          std::fprintf(stderr, "style %u\n", box.style);
          return 1;
        });
        RaiseRuntimeError(1);
      },
      ::testing::ExitedWithCode(255), "style 16");
}

}  // namespace
}  // namespace veltrane::runtime::testing_form
