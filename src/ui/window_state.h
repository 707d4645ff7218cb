// The main window's state between its handlers: the results the last plotting
// kept and the five ring counters. The program owns one and hands it to every
// handler it binds.
#pragma once

#include "chart/plate_model.h"
#include "ui/kept_plotting.h"

namespace veltrane::ui {

struct WindowState {
  KeptPlotting kept;                    // read by the copy and the next plotting
  chart::RingCounters ring_counters{};  // all 0 at start
};

}  // namespace veltrane::ui
