// Runs a veltrane-chart request: the program itself, with its template and
// handlers, on the headless platform whose clock reads the moment asked for.
// The tool plays the user: it lets the start-up plot, clicks 复制排盘 (text)
// or reads the boxes (JSON), and for a range sets the clock and clicks
// 自动排盘 for each further moment, then closes the window.
#pragma once

#include <cstdio>

#include "app/cli_moment.h"
#include "app/cli_options.h"
#include "runtime/platform/platform.h"

namespace veltrane::platform {
class HeadlessPlatform;
}

namespace veltrane::app {

// The platform clock reading of a moment (second 0).
platform::LocalTime ClockReadingOf(const ChartMoment& moment);

// The current local time, to the minute.
ChartMoment LocalNow();

// Queues on `platform` the user's part for `request`, writing to `out`; the
// program's message loop runs it. Ends by closing the main window.
void PostChartRequest(platform::HeadlessPlatform& platform, const ChartRequest& request,
                      std::FILE* out);

// Installs the headless platform, posts the request and runs the program;
// ends the process with its exit code (0). Does not return.
int RunChartRequest(const ChartRequest& request);

}  // namespace veltrane::app
