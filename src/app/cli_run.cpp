#include "app/cli_run.h"

#include <string>

#include "app/cli_chart_json.h"
#include "runtime/form/form_runtime.h"
#include "runtime/platform/headless/headless_platform.h"
#include "runtime/platform/local_clock.h"
#include "runtime/template/window_template.h"
#include "runtime/text/gbk.h"
#include "ui/main_window_ids.h"
#include "ui/program.h"

namespace veltrane::app {
namespace {

using platform::HeadlessPlatform;

platform::Handle HandleOf(ui::ControlId control) {
  return runtime::NativeHandleOf(ui::kMainWindow, control);
}

void Write(std::FILE* out, std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), out);
}

// The text that 复制排盘 puts on the clipboard.
void PrintCopiedChart(HeadlessPlatform& platform, OutputEncoding encoding, std::FILE* out) {
  platform.Click(HandleOf(ui::kCopyButton));
  const std::string gbk = platform.ClipboardText();
  Write(out, encoding == OutputEncoding::kGbk ? gbk : runtime::Utf8FromGbk(gbk));
}

void PrintJsonLine(const ChartMoment& moment, std::FILE* out) {
  Write(out, ShownChartJson(moment).dump());
  Write(out, "\n");
}

// The clock moves on to the moment, the date boxes get its date and hour as
// the start-up writes them, and 自动排盘 plots it.
void PlotAt(HeadlessPlatform& platform, const ChartMoment& moment) {
  platform.SetClock(ClockReadingOf(moment));
  const struct {
    ui::ControlId box;
    int value;
  } boxes[] = {{ui::kYearBox, moment.year},
               {ui::kMonthBox, moment.month},
               {ui::kDayBox, moment.day},
               {ui::kHourBox, moment.hour}};
  for (const auto& b : boxes) {
    runtime::WriteText(ui::kMainWindow, b.box, runtime::kEditContent,
                       std::to_string(b.value).c_str());
  }
  platform.Click(HandleOf(ui::kPlotButton));
}

void PrintRange(HeadlessPlatform& platform, const ChartRange& range, std::FILE* out) {
  const std::int64_t span = MinutesBetween(range.from, range.to);
  for (std::int64_t offset = 0; offset <= span; offset += range.step_minutes) {
    const ChartMoment moment = AddMinutes(range.from, offset);
    if (offset > 0) PlotAt(platform, moment);  // the start-up plotted the first
    PrintJsonLine(moment, out);
  }
}

// A fatal report has no window to show in: its box goes to stderr, on one line.
int AnswerMessageBox(const platform::MessageBoxRecord& box) {
  if (runtime::Utf8FromGbk(box.title) == "错误") {
    std::string text = runtime::Utf8FromGbk(box.text);
    for (char& c : text) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    std::fprintf(stderr, "veltrane-chart: %s\n", text.c_str());
  }
  return 1;  // OK
}

}  // namespace

platform::LocalTime ClockReadingOf(const ChartMoment& m) {
  return platform::LocalTime{m.year, m.month, m.day, m.hour, m.minute, 0, 0};
}

ChartMoment LocalNow() {
  const platform::LocalTime now = platform::ReadLocalClock();
  return ChartMoment{now.year, now.month, now.day, now.hour, now.minute};
}

void PostChartRequest(HeadlessPlatform& platform, const ChartRequest& request, std::FILE* out) {
  const ChartMoment first =
      request.range ? request.range->from : request.moment.value_or(LocalNow());
  // The start-up reads this clock for the first chart.
  platform.SetClock(ClockReadingOf(first));
  platform.Post([&platform, request, first, out] {
    if (request.range) {
      PrintRange(platform, *request.range, out);
    } else if (request.json) {
      PrintJsonLine(first, out);
    } else {
      PrintCopiedChart(platform, request.encoding, out);
    }
    std::fflush(out);
    platform.CloseWindow(HandleOf(runtime::kWindowUnitId));
  });
}

int RunChartRequest(const ChartRequest& request) {
  static HeadlessPlatform headless;
  platform::InstallPlatform(&headless);
  headless.SetMessageBoxResponder(&AnswerMessageBox);
  PostChartRequest(headless, request, stdout);
  return ui::RunProgram();
}

}  // namespace veltrane::app
