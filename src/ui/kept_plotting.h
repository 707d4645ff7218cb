// The results of the last plotting that later actions read (GBK texts).
#pragma once

#include <array>

#include "base/memory.h"
#include "chart/plot_chart.h"

namespace veltrane::ui {

struct KeptPlotting {
  chart::ChartMoment date;           // the date, hour and minute plotted
  runtime::HeapText ju_text;         // e.g. 阳遁1局
  runtime::HeapText duty_gate_name;  // e.g. 休门
  runtime::HeapText duty_star_name;  // e.g. 天蓬
  std::array<int, 2> void_palaces = {0, 0};
  int horse_palace = 0;
  int duty_gate_palace = 0;
  int duty_star_palace = 0;
};

}  // namespace veltrane::ui
