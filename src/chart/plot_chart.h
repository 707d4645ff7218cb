// Plotting an hour chart: from a date, hour and minute to the pillars, the
// term in force, yuan and ju, and the nine palaces laid with the ring steps of
// the plate model, each ring stepped until its stop test holds. Pure: no
// window, no heap allocation; the PlotChart handler, the command-line tool
// and the benchmarks all plot through PlotChartOnModel.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "chart/chart_moment.h"
#include "chart/chart_options.h"
#include "chart/pillars.h"
#include "chart/plate_model.h"
#include "chart/solar_clock.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {

// What the boxes of one palace show, as box item indexes (see vocabulary.h);
// −1 where the palace has no such box (the ring fields of palace 5).
struct PalaceCell {
  int earth_stem = -1;     // kInstrumentNames
  int heaven_stem = -1;    // kInstrumentNames; palace 5's is shown beside the host's star
  int hidden_stem = -1;    // kInstrumentNames
  int star = -1;           // kStarNames
  int gate = -1;           // kGateNames
  int deity = -1;          // kDeityNames
  int counter_deity = -1;  // kDeityShortNames (same index as kDeityNames)
  bool operator==(const PalaceCell&) const = default;
};

// One plotted chart. Instruments are kInstrumentNames indexes (0..8), stars,
// gates and deities box item indexes, palaces 1..9.
struct Chart {
  ChartMoment date;
  double moment = 0;  // DateTime of the chart
  Pillars pillars;    // sixty-cycle numbers
  int term = 1;       // SolarTerm 1..24 (kTermNames[term − 1])
  Yuan yuan = Yuan::None;
  int ju = 0;           // signed: negative is yin dun
  int xun = 0;          // index into kXunHeads
  int hour_stem = 0;    // EffectiveHourStem: the xun's instrument at a 甲 hour
  int hour_branch = 1;  // 1..12
  std::array<int, 2> void_palaces = {0, 0};
  int horse_palace = 0;
  int duty_star = 0;
  int duty_star_palace = 0;
  int duty_gate = 0;
  int duty_gate_palace = 0;
  int duty_gate_target = 0;  // the instrument the duty gate is turned to
  int centre_host = 2;       // the palace that palace 5 counts as (2, or 8 in 阳遁 under 艮坤)
  // The local solar clock the day and hour pillars were read from, when the
  // chart was plotted for a longitude.
  std::optional<SolarClock> solar_clock;
  std::array<PalaceCell, kPalaceCount> cells{};  // palace p at index p − 1

  bool yin() const { return ju < 0; }
  const PalaceCell& cell(int palace) const { return cells[static_cast<std::size_t>(palace - 1)]; }
};

// Plots the chart of a clamped date on a plate model under `options` (the
// window passes none): resets the plates, computes pillars, term, yuan and
// ju, lays every ring with its stop tests and fills every field. The model keeps the hidden-stem counter and the
// counter-deity boxes of the previous plotting, which the result does not
// depend on. A date outside the clamped ranges is clamped first.
Chart PlotChartOnModel(PlateModel& model, const ChartMoment& date,
                       const ChartOptions& options = {});

// What the chart-setting methods read of a plotted chart: its moment and day pillar.
MethodInput MethodInputOfChart(const Chart& chart);

// The chart of a moment without any window, clamped as the window clamps its
// boxes. With a method other than 拆补 the term, yuan and ju are the method's.
Chart ComputeChart(const ChartMoment& moment, const ChartOptions& options = {});

// Lays the plates for chart.ju and chart.pillars.hour on a reset model (the
// earth plate, heaven plate with the stars, deities, gates, hidden stems and
// counter-deities) and fills the chart's palace, xun, marker and duty fields.
// A ju beyond ±9 is taken as ±9; 0 lays like yang 9. Palace 5 counts as the
// host palace that `centre` gives for the dun.
void PlotPlates(PlateModel& model, Chart& chart, CentrePalace centre = CentrePalace::kKun);

}  // namespace veltrane::chart
