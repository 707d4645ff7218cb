#include "form/fatal.h"

#include <array>
#include <string>

#include "base/memory.h"
#include "base/text/gbk_literal.h"
#include "form/process.h"
#include "platform/platform.h"

namespace veltrane::runtime {
namespace {

// The RuntimeError table, by number from 1.
constexpr std::array<std::string_view, kRuntimeErrorCount> kRuntimeErrors = {
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

int report_depth = 0;

[[noreturn]] void ReportAllocationFailure(std::int32_t bytes) {
  std::string message = Gbk("分配 ");
  message += std::to_string(bytes);
  message += Gbk(" 字节内存失败!");
  ReportFatal(message, 0);
}

// The memory services sit below the form runtime, so the runtime hands them its
// fatal report when this file is linked, before any start-up code runs.
[[maybe_unused]] const bool allocation_handler_set =
    (SetAllocationFailureHandler(&ReportAllocationFailure), true);

}  // namespace

std::string_view RuntimeErrorMessage(int n) {
  if (n < 1 || n > kRuntimeErrorCount) return {};
  return Gbk(kRuntimeErrors[static_cast<std::size_t>(n - 1)]);
}

std::string FatalReportText(std::string_view message_gbk, int code) {
  std::string text = Gbk("运行时出错!\r\n\r\n");
  if (code != 0) {
    text += Gbk("错误代码：");
    text += std::to_string(code);
    text += "\r\n\r\n";
  }
  if (!message_gbk.empty()) {
    text += Gbk("错误信息：");
    text += message_gbk;
    text += "\r\n";
  }
  return text;
}

void ReportFatal(std::string_view message_gbk, int code) {
  ++report_depth;
  auto& platform = platform::CurrentPlatform();
  // A failure while the report itself runs (say, inside the box or while the
  // windows are torn down) ends the process at once.
  if (report_depth > 1) platform.EndProcess(-1);
  platform.ShowMessageBox(FatalReportText(message_gbk, code), Gbk("错误"),
                          platform::kMessageBoxIconError);
  ClearExitRoutines();
  ExitProgram(-1);
}

void RaiseRuntimeError(int n) { ReportFatal(RuntimeErrorMessage(n), n); }

bool FatalReportInProgress() { return report_depth > 0; }

}  // namespace veltrane::runtime
