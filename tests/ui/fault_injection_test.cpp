// The program when the machine fails under it. An allocation that fails at
// any point of start-up, one plotting and one copy ends in the fatal report
// and exit status 255, never a crash, and the clipboard then holds nothing or
// a whole chart; a message box that cannot be shown loses nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/memory.h"
#include "base/text/gbk.h"
#include "copy_table.h"
#include "program_fixture.h"
#include "support/child_process.h"

namespace veltrane::ui {
namespace {

using test_support::RecordInChild;
using test_support::RunInChild;

constexpr platform::LocalTime kClock = {2001, 12, 27, 4, 20, 0, 0};

// What the child saw when the fatal report's box was open.
std::string FatalVerdict(const platform::MessageBoxRecord& box, const std::string& clipboard) {
  const std::string text = runtime::Utf8FromGbk(box.text);
  const std::string head = "运行时出错!\r\n\r\n错误信息：分配 ";
  const std::string tail = " 字节内存失败!\r\n";
  const bool exact =
      text.starts_with(head) && text.ends_with(tail) && text.size() > head.size() + tail.size() &&
      text.find_first_not_of("0123456789", head.size()) == text.size() - tail.size() &&
      box.title == runtime::GbkFromUtf8("错误") && box.style == platform::kMessageBoxIconError;
  const bool clipboard_whole =
      clipboard.empty() || testing_support::CopyTableFault(runtime::Utf8FromGbk(clipboard)).empty();
  return std::string(exact ? "allocation report" : "other report: " + text) +
         (clipboard_whole ? "" : ", half a chart on the clipboard");
}

void NoteExitRoutine() { RecordInChild("exit routine ran"); }

// Start-up, one plotting and one copy, with the n-th allocation failing
// (0: none); records the fatal report it ends in, or the allocations made.
void StartPlotAndCopy(std::int64_t fail_at, bool boxes_fail = false) {
  static platform::HeadlessPlatform platform;
  platform::InstallPlatform(&platform);
  platform.SetClock(kClock);
  platform.SetMessageBoxFails(boxes_fail);
  platform.SetMessageBoxResponder([](const platform::MessageBoxRecord& box) {
    if (box.style == platform::kMessageBoxIconError) {
      RecordInChild(FatalVerdict(box, platform.ClipboardText()));
    }
    return 1;
  });
  runtime::RegisterExitRoutine(&NoteExitRoutine);
  runtime::FailAllocationForTests(fail_at);
  static Program program;
  program.Start();
  platform.Click(runtime::NativeHandleOf(kMainWindow, kPlotButton));
  platform.Click(runtime::NativeHandleOf(kMainWindow, kCopyButton));
  RecordInChild("allocations " + std::to_string(runtime::AllocationCountForTests()));
}

TEST(AllocationFailure, AtEveryPointOfStartUpPlottingAndCopyEndsInTheFatalReport) {
  const test_support::ChildOutcome whole = RunInChild([] { StartPlotAndCopy(0); });
  ASSERT_TRUE(whole.output.starts_with("allocations ")) << whole.output;
  const std::int64_t count = std::stoll(whole.output.substr(12));
  ASSERT_GT(count, 100);

  std::vector<std::string> faults;
  for (std::int64_t n = 1; n <= count && faults.size() < 5; ++n) {
    const test_support::ChildOutcome run = RunInChild([n] { StartPlotAndCopy(n); });
    if (!run.exited || run.exit_code != 255 || run.output != "allocation report\n") {
      faults.push_back("allocation " + std::to_string(n) + ": " +
                       (run.exited ? "exit " + std::to_string(run.exit_code) : "killed") +
                       ", saw: " + run.output);
    }
  }
  EXPECT_TRUE(faults.empty()) << faults.front();
  // One past the last allocation fails nothing.
  const test_support::ChildOutcome past = RunInChild([count] { StartPlotAndCopy(count + 1); });
  EXPECT_EQ(past.output, whole.output);
}

TEST(AllocationFailure, EndsWithStatus255WhenTheReportCannotBeShown) {
  const test_support::ChildOutcome run = RunInChild([] { StartPlotAndCopy(1, true); });
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.output, "");  // no box, and the exit routine did not run
}

class MessageBoxFailure : public ProgramFixture {};

TEST_F(MessageBoxFailure, ACopyWhoseConfirmationCannotShowStillCopiesAndTheWindowGoesOn) {
  Start(kClock);
  platform_.SetMessageBoxFails(true);
  ASSERT_TRUE(platform_.Click(H(kCopyButton)));
  const std::string copied = runtime::Utf8FromGbk(platform_.ClipboardText());
  EXPECT_EQ(testing_support::CopyTableFault(copied), "") << copied;
  EXPECT_TRUE(platform_.MessageBoxes().empty());

  platform_.SetMessageBoxFails(false);
  Type(kHourBox, "5");
  ASSERT_TRUE(platform_.Click(H(kPlotButton)));
  ASSERT_TRUE(platform_.Click(H(kCopyButton)));
  EXPECT_EQ(platform_.MessageBoxes().size(), 1u);
  EXPECT_NE(runtime::Utf8FromGbk(platform_.ClipboardText()), copied);
}

TEST_F(MessageBoxFailure, ARefusedCopyWhoseErrorBoxCannotShowKeepsTheClipboard) {
  Start(kClock);
  ASSERT_TRUE(platform_.Click(H(kCopyButton)));
  const std::string held = platform_.ClipboardText();
  platform_.SetClipboardFails(true);
  platform_.SetMessageBoxFails(true);
  Type(kHourBox, "5");
  ASSERT_TRUE(platform_.Click(H(kPlotButton)));
  ASSERT_TRUE(platform_.Click(H(kCopyButton)));
  EXPECT_EQ(platform_.ClipboardText(), held);
  EXPECT_EQ(platform_.MessageBoxes().size(), 1u);  // the first copy's confirmation only
}

}  // namespace
}  // namespace veltrane::ui
