// Runs a veltrane-chart request: parse → compute → format. Each chart is
// computed from its moment and printed as the text that 复制排盘 copies or as
// JSON; no window, clock or clipboard takes part.
#pragma once

#include <cstdio>
#include <string>

#include "app/cli_moment.h"
#include "app/cli_options.h"

namespace veltrane::app {

// The current instant in China Standard Time, to the minute.
ChartMoment ChinaNow();

// The copied text table of the chart of a moment under `options`, in UTF-8 or
// as GBK bytes; with `notes`, followed by notes on the edges within
// near_minutes of it and on the method when it is not 拆补; with a profile, followed by the
// chart's reading under it; all in `script`.
std::string ChartText(const ChartMoment& moment, OutputEncoding encoding, bool notes = false,
                      int near_minutes = kDefaultNearMinutes,
                      const chart::ChartOptions& options = {},
                      const reading::ReadingProfile* reading = nullptr,
                      chart::Script script = chart::Script::kHans);

// Prints what `request` asks for to `out`. Returns the exit status: 0, or 1
// (with one line on stderr) when the output could not be written, or 2 when
// the current time under --tz cannot be placed in its zone.
int RunChartRequest(const ChartRequest& request, std::FILE* out);

}  // namespace veltrane::app
