// Charts for the reading tests, laid straight from a signed ju and the pillars.
#pragma once

#include "chart/plate_model.h"
#include "chart/plot_chart.h"
#include "chart/plot_lookups.h"
#include "worked_examples.h"

namespace veltrane::reading::testing {

// The hour pillar of an hour branch on a day (五鼠遁: 甲己日 from 甲子, 乙庚 from 丙子, …).
using reading::GanZhi;

constexpr int HourPillar(int day, int branch) {
  const int first_stem = (chart::StemOfGanZhi(day) - 1) % 5 * 2 + 1;
  return GanZhi((first_stem + branch - 2) % 10 + 1, branch);
}

// A chart of `ju` at `hour` on `day`, with the month and year pillars given (1 = 甲子 when 0).
inline chart::Chart ChartOf(int ju, int hour, int day = 1, int month = 3, int year = 1,
                            chart::CentrePalace centre = chart::CentrePalace::kKun) {
  chart::Chart c;
  c.ju = ju;
  c.pillars = {year, month, day, hour};
  chart::PlateModel model;
  model.ResetChart();
  chart::PlotPlates(model, c, centre);
  return c;
}

}  // namespace veltrane::reading::testing
