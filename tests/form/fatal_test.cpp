// The end of the process: the fatal report's box and exit code, and the exit
// routines that ExitProgram runs and a fatal report drops. Each case runs in a
// child process.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "base/memory.h"
#include "base/text/gbk.h"
#include "form/fatal.h"
#include "form/process.h"
#include "support/child_process.h"

namespace veltrane::runtime {
namespace {

using test_support::RecordInChild;
using test_support::RunInChild;

constexpr int kErrorIconStyle = 0x10;

void NoteExitRoutine() { RecordInChild("exit routine"); }
void NoteSecondExitRoutine() { RecordInChild("second exit routine"); }
void NoteShutdown() { RecordInChild("shutdown"); }

// The box as the child records it, converted to UTF-8 for readable failures.
std::string Box(std::string_view text_utf8) {
  return "box[" + GbkFromUtf8("错误") + "|" + std::to_string(kErrorIconStyle) + "]" +
         GbkFromUtf8(text_utf8) + "\n";
}

struct FatalCase {
  const char* name;
  void (*fail)();
  const char* box_utf8;
};

const FatalCase kFatalCases[] = {
    {"array index below one", [] { RaiseRuntimeError(4); },
     "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"},
    {"array index above size", [] { RaiseRuntimeError(1); },
     "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
    {"last table entry", [] { RaiseRuntimeError(11); },
     "运行时出错!\r\n\r\n错误代码：11\r\n\r\n错误信息：所提供参数的数据类型不符合要求\r\n"},
    {"number outside the table", [] { RaiseRuntimeError(12); },
     "运行时出错!\r\n\r\n错误代码：12\r\n\r\n"},
    {"allocation failure has no code line", [] { AllocMemory(-1); },
     "运行时出错!\r\n\r\n错误信息：分配 -1 字节内存失败!\r\n"},
    {"failed resize names the bytes asked for", [] { ReallocMemory(AllocMemory(8), -20); },
     "运行时出错!\r\n\r\n错误信息：分配 -20 字节内存失败!\r\n"},
    {"code and message both empty", [] { ReportFatal({}, 0); }, "运行时出错!\r\n\r\n"},
    {"message without code", [] { ReportFatal(GbkFromUtf8("载入窗口模板数据段出错!"), 0); },
     "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"},
};

class FatalReportTest : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalReportTest, ShowsExactBoxAndEndsWithMinusOneWithoutExitRoutines) {
  const FatalCase& c = GetParam();
  const auto outcome = RunInChild([&] {
    SetShutdownHook(NoteShutdown);
    RegisterExitRoutine(NoteExitRoutine);
    c.fail();
  });
  ASSERT_TRUE(outcome.exited);
  EXPECT_EQ(outcome.exit_code, 255);
  // The shutdown hook still tears the windows down; the exit routine never runs.
  EXPECT_EQ(outcome.output, Box(c.box_utf8) + "shutdown\n")
      << "got: " << Utf8FromGbk(outcome.output);
}

INSTANTIATE_TEST_SUITE_P(Cases, FatalReportTest, ::testing::ValuesIn(kFatalCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

TEST(FatalReport, ReportInProgressFlagIsSetWhileTheBoxShows) {
  const auto outcome = RunInChild([] {
    RecordInChild(FatalReportInProgress() ? "before: yes" : "before: no");
    SetShutdownHook([] { RecordInChild(FatalReportInProgress() ? "during: yes" : "during: no"); });
    RaiseRuntimeError(2);
  });
  EXPECT_EQ(outcome.output.substr(0, 11), "before: no\n");
  EXPECT_NE(outcome.output.find("during: yes\n"), std::string::npos);
}

TEST(FatalReport, FailureDuringTheReportEndsAtOnce) {
  const auto outcome = RunInChild([] {
    SetShutdownHook([] { RaiseRuntimeError(5); });
    RaiseRuntimeError(4);
  });
  ASSERT_TRUE(outcome.exited);
  EXPECT_EQ(outcome.exit_code, 255);
  // One box only: the nested failure does not show a second one.
  EXPECT_EQ(outcome.output.find("box["), outcome.output.rfind("box["));
}

TEST(RuntimeErrorTable, HasElevenDistinctMessages) {
  for (int n = 1; n <= kRuntimeErrorCount; ++n) {
    EXPECT_FALSE(RuntimeErrorMessage(n).empty()) << n;
    for (int m = 1; m < n; ++m) EXPECT_NE(RuntimeErrorMessage(n), RuntimeErrorMessage(m));
  }
  EXPECT_TRUE(RuntimeErrorMessage(0).empty());
  EXPECT_TRUE(RuntimeErrorMessage(kRuntimeErrorCount + 1).empty());
  EXPECT_EQ(Utf8FromGbk(RuntimeErrorMessage(9)),
            "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围");
}

TEST(ExitProgram, RunsShutdownHookThenExitRoutinesInOrderThenEnds) {
  const auto outcome = RunInChild([] {
    RegisterExitRoutine(NoteExitRoutine);
    RegisterExitRoutine(NoteSecondExitRoutine);
    SetShutdownHook(NoteShutdown);
    ExitProgram(3);
  });
  ASSERT_TRUE(outcome.exited);
  EXPECT_EQ(outcome.exit_code, 3);
  EXPECT_EQ(outcome.output, "shutdown\nexit routine\nsecond exit routine\n");
}

TEST(ExitProgram, ExitFromAnExitRoutineEndsWithoutRunningThemAgain) {
  const auto outcome = RunInChild([] {
    RegisterExitRoutine([] {
      RecordInChild("first");
      ExitProgram(9);
    });
    RegisterExitRoutine(NoteSecondExitRoutine);
    ExitProgram(0);
  });
  ASSERT_TRUE(outcome.exited);
  EXPECT_EQ(outcome.exit_code, 9);
  EXPECT_EQ(outcome.output, "first\n");
}

TEST(ExitProgram, NullRoutineIsNotRegistered) {
  const auto outcome = RunInChild([] {
    RegisterExitRoutine(nullptr);
    RegisterExitRoutine(NoteExitRoutine);
    ExitProgram(0);
  });
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_EQ(outcome.output, "exit routine\n");
}

}  // namespace
}  // namespace veltrane::runtime
