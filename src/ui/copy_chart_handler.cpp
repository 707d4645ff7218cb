#include "ui/copy_chart_handler.h"

#include <string>

#include "base/text/gbk.h"
#include "base/text/gbk_literal.h"
#include "form/values/value_ops.h"
#include "platform/platform.h"
#include "ui/shown_chart.h"
#include "views/chart_text.h"

namespace veltrane::ui {
namespace {

namespace ops = runtime::ops;

// An OK button and the error icon.
constexpr std::int32_t kErrorBoxStyle = platform::kMessageBoxIconError;

}  // namespace

void CopyChartText(WindowState& state) {
  // One formatter for every view of a chart; the clipboard takes GBK.
  const std::string text = runtime::GbkFromUtf8(views::FormatChartText(ReadShownChart(state.kept)));
  // Setting replaces what the clipboard held, so a copy that fails leaves it
  // as it was; success is said only when the clipboard took the text.
  if (ops::SetClipboardText(text.c_str())) {
    ops::ShowMessage(runtime::Gbk("已经整盘复制到剪切板！"), 0, runtime::Gbk("提示"));
  } else {
    ops::ShowMessage(runtime::Gbk("复制到剪切板失败！"), kErrorBoxStyle, runtime::Gbk("错误"));
  }
}

}  // namespace veltrane::ui
