#include "app/cli_compare_methods.h"

#include <array>
#include <cstdlib>
#include <optional>

#include "app/cli_range.h"
#include "app/version.h"
#include "chart/method.h"
#include "chart/plot_chart.h"
#include "chart/vocabulary.h"

namespace veltrane::app {
namespace {

using MethodResults = std::array<chart::MethodJu, chart::kChartMethodCount>;

// {"term":"大雪","yuan":"上元","dun":"阴","ju":4}
void AppendMethodJu(std::string& out, const chart::MethodJu& ju) {
  out.append("{\"term\":\"").append(chart::Text(ju.term));
  out.append("\",\"yuan\":\"").append(chart::Text(ju.yuan));
  out.append("\",\"dun\":\"").append(chart::Text(chart::DunOfJu(ju.ju))).append("\",\"ju\":");
  out.append(std::to_string(std::abs(ju.ju))).append("}");
}

}  // namespace

void AppendMethodComparison(std::string& out, const ChartMoment& moment,
                            const RunConventions& conventions) {
  const chart::ChartOptions& options = conventions.options();
  chart::ChartOptions window_method = options;
  window_method.method = chart::ChartMethod::kChaibu;
  const chart::MethodInput input =
      chart::MethodInputOfChart(chart::ComputeChart(moment, window_method), options);
  MethodResults results;
  bool agree = true;
  for (std::size_t m = 0; m < results.size(); ++m) {
    const std::optional<chart::MethodJu> ju =
        chart::ComputeMethodJu(static_cast<chart::ChartMethod>(m), input);
    // Every plotted moment lies within the methods' years; one that did not
    // could not be compared.
    if (!ju) return;
    results[m] = *ju;
    agree = agree && ju->yuan == results[0].yuan && ju->ju == results[0].ju;
  }
  if (agree) return;
  out.append("{\"veltrane\":\"").append(kVersion).append("\",\"date\":\"");
  out.append(FormatChartMoment(moment)).append("\",\"methods\":{");
  for (std::size_t m = 0; m < results.size(); ++m) {
    if (m > 0) out += ',';
    out.append("\"").append(chart::ChartMethodName(static_cast<chart::ChartMethod>(m)));
    out.append("\":");
    AppendMethodJu(out, results[m]);
  }
  out.append("},\"conventions\":").append(conventions.json_without_method()).append("}\n");
}

bool WriteMethodComparison(const ChartRange& range, const RunConventions& conventions, int jobs,
                           std::FILE* out) {
  return WriteRangeInChunks(
      range, jobs, out,
      [&range, &conventions](std::int64_t first, std::int64_t end, std::string& text) {
        for (std::int64_t i = first; i < end; ++i) {
          AppendMethodComparison(text, AddMinutes(range.from, i * range.step_minutes), conventions);
        }
      });
}

}  // namespace veltrane::app
