// Value operations that reach the platform (message box, clipboard) and the
// command boundary itself.
#include <gtest/gtest.h>

#include <string>

#include "form/values/command.h"
#include "form/values/command_args.h"
#include "form/values/value_ops.h"
#include "support/child_process.h"
#include "values_test_platform.h"

namespace veltrane::runtime {
namespace {

using test_support::Gbk8;
using test_support::Utf8;

TEST(ValuesShowMessage, StyleZeroIsATaskModalOkBoxAnsweringZero) {
  test_support::ValuesPlatformScope scope;
  EXPECT_EQ(ops::ShowMessage(Gbk8("已复制").c_str(), 0, Gbk8("提示").c_str()), 0);
  ASSERT_EQ(scope.platform().MessageBoxes().size(), 1u);
  EXPECT_EQ(Utf8(scope.platform().MessageBoxes()[0].text), "已复制");
  EXPECT_EQ(Utf8(scope.platform().MessageBoxes()[0].title), "提示");
  EXPECT_EQ(scope.platform().MessageBoxes()[0].style, 0x2000u);
}

TEST(ValuesShowMessage, SystemModalStylesKeepTheirBits) {
  test_support::ValuesPlatformScope scope;
  ops::ShowMessage("x", 0x1000 | 0x40 | 4, "t");
  ops::ShowMessage("x", 0x40 | 4, "t");
  ASSERT_EQ(scope.platform().MessageBoxes().size(), 2u);
  EXPECT_EQ(scope.platform().MessageBoxes()[0].style, 0x1044u);
  EXPECT_EQ(scope.platform().MessageBoxes()[1].style, 0x2044u);
}

TEST(ValuesShowMessage, ButtonCodesFromThePlatformsAnswer) {
  test_support::ValuesPlatformScope scope;
  struct Case {
    int native;
    int code;
  };
  const Case cases[] = {{1, 0}, {2, 1},  {3, 2},  {4, 3}, {5, 4}, {6, 5},
                        {7, 6}, {10, 3}, {11, 4}, {0, 1}, {99, 1}};
  for (const Case& c : cases) {
    scope.platform().SetMessageBoxAnswer(c.native);
    EXPECT_EQ(ops::ShowMessage("q", 4, "t"), c.code) << "native answer " << c.native;
  }
}

TEST(ValuesShowMessage, ContentOfAnyTagAndOmittedStyleAndTitle) {
  test_support::ValuesPlatformScope scope;
  CommandArg args[] = {DoubleArg(2.5), OmittedArg(), OmittedArg(), OmittedArg()};
  const CommandArg r = CallCommand(ValueOp::ShowMessage, 4, args);
  EXPECT_EQ(r.tag, ValueTag::Integer);
  CommandArg only_content = BoolArg(true);
  CallCommand(ValueOp::ShowMessage, 1, &only_content);
  ASSERT_EQ(scope.platform().MessageBoxes().size(), 2u);
  for (const auto& box : scope.platform().MessageBoxes()) {
    EXPECT_EQ(Utf8(box.title), "信息：");
    EXPECT_EQ(box.style, 0x2000u);
  }
  EXPECT_EQ(scope.platform().MessageBoxes()[0].text, "2.5");
  EXPECT_EQ(Utf8(scope.platform().MessageBoxes()[1].text), "真");
}

TEST(ValuesClipboard, SetClearAndUnavailable) {
  test_support::ValuesPlatformScope scope;
  const std::string chart = Gbk8("┌──┐\r\n│坎│\r\n");
  EXPECT_TRUE(ops::SetClipboardText(chart.c_str()));
  EXPECT_EQ(scope.platform().ClipboardBytes(), chart);
  ops::ClearClipboard();
  EXPECT_FALSE(scope.platform().ClipboardHasText());

  scope.platform().SetClipboardFails(true);
  CommandArg text = TextArg("x");
  const CommandArg r = CallCommand(ValueOp::SetClipboardText, 1, &text);
  EXPECT_EQ(r.tag, ValueTag::Logical);
  EXPECT_FALSE(ArgBool(r));
  EXPECT_FALSE(scope.platform().ClipboardHasText());
}

TEST(ValuesCommandBoundary, TextResultsAreFreshHeapTextsOwnedByTheCaller) {
  const char* source = "abc";
  CommandArg args[] = {TextArg(source), IntArg(3)};
  const CommandArg r = CallCommand(ValueOp::LeftText, 2, args);
  HeapText owned(static_cast<char*>(ArgPointer(r)));
  EXPECT_NE(owned.get(), source);
  EXPECT_EQ(owned.view(), "abc");
}

TEST(ValuesCommandBoundary, ResultsStartZeroed) {
  test_support::ValuesPlatformScope scope;
  const CommandArg r = CallCommand(ValueOp::ClearClipboard, 0, nullptr);
  EXPECT_EQ(r.lo, 0u);
  EXPECT_EQ(r.hi, 0u);
  EXPECT_EQ(r.tag, ValueTag::None);
}

TEST(ValuesCommandBoundary, TheValueLibraryHasItsTwentyFiveOperations) {
  EXPECT_EQ(ValueLibrary().command_count, 25);
  for (int i = 0; i < ValueLibrary().command_count; ++i) {
    EXPECT_NE(ValueLibrary().commands[i], nullptr) << i;
  }
}

void DoubleOperation(CommandArg* result, int count, CommandArg* args) {
  *result = DoubleArg(count > 0 ? ArgDouble(args[0]) * 2 : -1);
}

TEST(ValuesCommandBoundary, RegisteredLibrariesAreReachedByNumber) {
  static const CommandFn kCommands[] = {DoubleOperation};
  static const CommandLibrary kLibrary{"test", kCommands, 1};
  RegisterCommandLibrary(kCalendarLibraryNumber, kLibrary);
  CommandArg arg = DoubleArg(21);
  EXPECT_EQ(ArgDouble(CallCommand(kCalendarLibraryNumber, 0, 1, &arg)), 42);
  // A number past the known libraries has no slot: it stays unknown.
  RegisterCommandLibrary(kCommandLibraryCount, kLibrary);
  RegisterCommandLibrary(-1, kLibrary);
  const auto outcome =
      test_support::RunInChild([] { CallCommand(kCommandLibraryCount, 0, 0, nullptr); });
  ASSERT_TRUE(outcome.exited);
  EXPECT_EQ(outcome.exit_code, 255);
}

TEST(ValuesCommandBoundary, AnUnknownOperationIsFatal) {
  struct Call {
    int library;
    int operation;
  };
  for (const Call& c : {Call{0, 25}, Call{0, -1}, Call{99, 0}, Call{-1, 0}}) {
    const auto outcome =
        test_support::RunInChild([&] { CallCommand(c.library, c.operation, 0, nullptr); });
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.exit_code, 255) << c.library << ":" << c.operation;
  }
}

}  // namespace
}  // namespace veltrane::runtime
