// Fatal run-time errors: every failure inside the runtime ends the process
// through a message box, without running the exit routines.
#pragma once

#include <string>
#include <string_view>

namespace veltrane::runtime {

// Number of the RuntimeError table's messages (1..kRuntimeErrorCount).
inline constexpr int kRuntimeErrorCount = 11;

// Shows the "运行时出错!" box (title "错误"; "错误代码：" line when code != 0,
// "错误信息：" line when the message is not empty), drops the exit routines and
// ends the process with exit code -1.
[[noreturn]] void ReportFatal(std::string_view message_gbk, int code);

// ReportFatal with message n of the RuntimeError table and code n.
[[noreturn]] void RaiseRuntimeError(int n);

// The RuntimeError table's message n (GBK); empty outside 1..kRuntimeErrorCount.
std::string_view RuntimeErrorMessage(int n);

// True while a fatal report runs; events are not dispatched then.
bool FatalReportInProgress();

// The exact text of the fatal message box (GBK), as ReportFatal shows it.
std::string FatalReportText(std::string_view message_gbk, int code);

}  // namespace veltrane::runtime
