#include "app/cli_run.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "app/cli_chart_json.h"
#include "app/cli_compare_methods.h"
#include "app/cli_range.h"
#include "chart/boundary_notes.h"
#include "chart/chart_text.h"
#include "chart/method.h"
#include "chart/plot_chart.h"
#include "runtime/platform/local_clock.h"
#include "runtime/text/gbk.h"

namespace veltrane::app {

ChartMoment LocalNow() {
  const platform::LocalTime now = platform::ReadLocalClock();
  return ChartMoment{now.year, now.month, now.day, now.hour, now.minute};
}

namespace {

// The note that names the method, for every method but the window's.
void AppendMethodNote(std::string& text, chart::ChartMethod method) {
  if (method == chart::ChartMethod::kChaibu) return;
  text.append("注：本盘以").append(chart::ChartMethodText(method)).append("定局\r\n");
}

}  // namespace

std::string ChartText(const ChartMoment& moment, OutputEncoding encoding, bool notes,
                      int near_minutes, const chart::ChartOptions& options) {
  const chart::Chart chart = chart::ComputeChart(moment, options);
  std::string text = chart::FormatChartText(chart::ViewOfChart(chart));
  if (notes) {
    text += chart::FormatBoundaryNotes(chart, options, chart::ComputeBoundaries(chart, options),
                                       near_minutes);
    AppendMethodNote(text, options.method);
  }
  return encoding == OutputEncoding::kGbk ? runtime::GbkFromUtf8(text) : text;
}

int RunChartRequest(const ChartRequest& request, std::FILE* out) {
  bool written = true;
  if (request.range && request.compare_methods) {
    written = WriteMethodComparison(*request.range, request.options, request.jobs, out);
  } else if (request.range) {
    written =
        WriteRangeJson(*request.range, request.jobs, out, request.near_minutes, request.options);
  } else {
    const ChartMoment moment = request.moment.value_or(LocalNow());
    const std::string text = request.json
                                 ? ChartJsonLine(moment, request.near_minutes, request.options)
                                 : ChartText(moment, request.encoding, request.notes,
                                             request.near_minutes, request.options);
    written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  }
  // A failed write may only show when the buffer is flushed.
  if (std::fflush(out) != 0 || !written || std::ferror(out)) {
    const int error = errno;
    std::fprintf(stderr, "veltrane-chart: cannot write the output: %s\n",
                 error != 0 ? std::strerror(error) : "write error");
    return 1;
  }
  return 0;
}

}  // namespace veltrane::app
