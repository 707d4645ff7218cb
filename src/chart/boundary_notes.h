// Notes under the copied text table saying, in plain words of the chart's
// script, which edges lie near a chart: a solar term, a yuan change or an hour change minutes away.
#pragma once

#include <string>

#include "chart/chart_boundaries.h"
#include "chart/chart_options.h"
#include "chart/plot_chart.h"
#include "chart/script.h"

namespace veltrane::chart {

// The note lines for the edges within near_minutes of a chart plotted with
// `options` (UTF-8, each line ending "\r\n", after one empty line), e.g.
// "注：距冬至交节 3 分钟，交节前后局数不同"; one line saying that none is near
// when none is. Whether the ju differs across a term or yuan edge is found by
// plotting the chart a minute across it.
std::string FormatBoundaryNotes(const Chart& chart, const ChartOptions& options,
                                const ChartBoundaries& boundaries, int near_minutes,
                                Script script = Script::kHans);

}  // namespace veltrane::chart
