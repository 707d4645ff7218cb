#include "app/cli_run.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "app/cli_chart_json.h"
#include "app/cli_range.h"
#include "chart/boundary_notes.h"
#include "chart/chart_text.h"
#include "chart/plot_chart.h"
#include "runtime/platform/local_clock.h"
#include "runtime/text/gbk.h"

namespace veltrane::app {

ChartMoment LocalNow() {
  const platform::LocalTime now = platform::ReadLocalClock();
  return ChartMoment{now.year, now.month, now.day, now.hour, now.minute};
}

std::string ChartText(const ChartMoment& moment, OutputEncoding encoding, bool notes,
                      int near_minutes) {
  const chart::Chart chart = chart::ComputeChart(moment);
  std::string text = chart::FormatChartText(chart::ViewOfChart(chart));
  if (notes) {
    text += chart::FormatBoundaryNotes(chart, {}, chart::ComputeBoundaries(chart), near_minutes);
  }
  return encoding == OutputEncoding::kGbk ? runtime::GbkFromUtf8(text) : text;
}

int RunChartRequest(const ChartRequest& request, std::FILE* out) {
  bool written = true;
  if (request.range) {
    written = WriteRangeJson(*request.range, request.jobs, out, request.near_minutes);
  } else {
    const ChartMoment moment = request.moment.value_or(LocalNow());
    const std::string text =
        request.json ? ChartJsonLine(moment, request.near_minutes)
                     : ChartText(moment, request.encoding, request.notes, request.near_minutes);
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
