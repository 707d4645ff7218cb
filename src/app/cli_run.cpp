#include "app/cli_run.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "app/cli_chart_json.h"
#include "app/cli_compare_methods.h"
#include "app/cli_range.h"
#include "app/cli_search.h"
#include "base/text/gbk.h"
#include "calendar/date_time.h"
#include "chart/boundary_notes.h"
#include "chart/method.h"
#include "chart/plot_chart.h"
#include "views/chart_svg.h"
#include "views/chart_text.h"
#include "views/reading_text.h"

namespace veltrane::app {

ChartMoment ChinaNow() {
  namespace chrono = std::chrono;
  const auto since_1970 = chrono::floor<chrono::minutes>(chrono::system_clock::now());
  constexpr std::int64_t kChinaMinutes = std::int64_t{8} * 60;
  return calendar::CivilDateTimeOfMinute(since_1970.time_since_epoch().count() +
                                         calendar::kUnixEpochMinute + kChinaMinutes);
}

namespace {

// The note that names the method, for every method but the window's: 注：本盘以置闰法定局.
void AppendMethodNote(std::string& text, chart::ChartMethod method, chart::Script script) {
  if (method == chart::ChartMethod::kChaibu) return;
  // Before and after the method's name, by script.
  constexpr std::array<std::array<std::string_view, 2>, chart::kScriptCount> kWords = {
      {{"注：本盘以", "定局"}, {"注：本盤以", "定局"}, {"Note: the ju is set by ", ""}}};
  const auto& w = kWords[static_cast<std::size_t>(script) % kWords.size()];
  text.append(w[0]).append(chart::ChartMethodText(method, script)).append(w[1]).append("\r\n");
}

}  // namespace

std::string ChartText(const ChartMoment& moment, OutputEncoding encoding, bool notes,
                      int near_minutes, const chart::ChartOptions& options,
                      const reading::ReadingProfile* reading, chart::Script script) {
  const chart::Chart chart = chart::ComputeChart(moment, options);
  std::string text = views::FormatChartText(views::ViewOfChart(chart, script), script);
  if (notes) {
    text += chart::FormatBoundaryNotes(chart, options, chart::ComputeBoundaries(chart, options),
                                       near_minutes, script);
    AppendMethodNote(text, options.method, script);
  }
  if (reading != nullptr) {
    views::AppendReadingText(text, reading::Read(chart, *reading), "\r\n", script);
  }
  return encoding == OutputEncoding::kGbk ? runtime::GbkFromUtf8(text) : text;
}

int RunChartRequest(const ChartRequest& request, std::FILE* out) {
  const RunConventions conventions(request.options, request.zone, request.near_minutes,
                                   request.profile);
  bool written = true;
  if (request.range && request.query) {
    written = WriteSearch(request, out);
  } else if (request.range && request.compare_methods) {
    written = WriteMethodComparison(*request.range, conventions, request.jobs, out);
  } else if (request.range) {
    written = WriteRangeJson(*request.range, request.jobs, out, conventions);
  } else {
    std::optional<ZonedMoment> typed = request.typed;
    ChartMoment moment = request.moment.value_or(ChartMoment{});
    // Now is the current instant, whatever the machine's own zone: UTC+8 here.
    if (!request.moment && request.zone.empty()) moment = ChinaNow();
    if (!request.moment && !request.zone.empty()) {
      // Now in the zone: the current instant, and its civil time there.
      auto now = LocalTimeInZone(request.zone, ChinaNow());
      if (!now) {
        std::fprintf(stderr, "veltrane-chart: --tz: %s\n", now.error().message.c_str());
        return 2;
      }
      typed = *now;
      moment = now->china;
    }
    std::string text;
    if (request.json) {
      text = ChartJsonLine(moment, conventions, typed ? &*typed : nullptr);
    } else if (request.svg) {
      text = views::FormatChartSvg(chart::ComputeChart(moment, request.options), request.script);
    } else {
      text =
          ChartText(moment, request.encoding, request.notes, request.near_minutes, request.options,
                    request.reading ? &request.profile : nullptr, request.script);
    }
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
