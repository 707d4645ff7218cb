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
#include "chart/palace.h"
#include "chart/pillars.h"
#include "chart/plate_model.h"
#include "chart/solar_clock.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {

// One palace of a chart. The ring fields are none for the centre palace, which
// has no ring boxes.
struct PalaceCell {
  Stem earth_stem = Stem::kWu;
  Stem heaven_stem = Stem::kWu;  // the centre palace's is shown beside the host's star
  Stem hidden_stem = Stem::kWu;
  std::optional<Star> star;
  std::optional<Gate> gate;
  std::optional<Deity> deity;
  std::optional<Deity> counter_deity;  // shown by its short name
  bool operator==(const PalaceCell&) const = default;
};

// One plotted chart.
struct Chart {
  ChartMoment date;
  double moment = 0;       // DateTime of the chart
  double term_moment = 0;  // DateTime at which the term in force began
  Pillars pillars;         // sixty-cycle numbers
  SolarTerm term = SolarTerm::kDongzhi;
  Yuan yuan = Yuan::None;
  int ju = 0;                  // signed: negative is yin dun
  int xun = 0;                 // index into kXunHeads
  Stem hour_stem = Stem::kWu;  // EffectiveHourStem: the xun's instrument at a 甲 hour
  Branch hour_branch = Branch::kZi;
  std::array<Palace, 2> void_palaces{};
  Palace horse_palace;
  Star duty_star = Star::kPeng;
  Palace duty_star_palace;
  // None only when the plates were not reset before PlotPlates laid them.
  std::optional<Gate> duty_gate;
  std::optional<Palace> duty_gate_palace;
  Stem duty_gate_target = Stem::kWu;  // the instrument the duty gate is turned to
  // The palace that palace 5 counts as: 2, or 8 in 阳遁 under 艮坤.
  Palace centre_host = Palace::At<2>();
  // The local solar clock the day and hour pillars were read from, when the
  // chart was plotted for a longitude.
  std::optional<SolarClock> solar_clock;
  std::array<PalaceCell, kPalaceCount> cells{};  // by Palace::index()

  Dun dun() const { return DunOfJu(ju); }
  const PalaceCell& cell(Palace palace) const { return cells[palace.index()]; }
};

// Plots the chart of a clamped date on a plate model under `options` (the
// window passes none): resets the plates, computes the pillars, searches the
// term in force once, takes the method's term, yuan and ju, lays every ring
// once with its stop tests and fills every field. The model keeps the
// hidden-stem counter and the counter-deity boxes of the previous plotting,
// which the result does not depend on. A date outside the clamped ranges is
// clamped first.
Chart PlotChartOnModel(PlateModel& model, const ChartMoment& date,
                       const ChartOptions& options = {});

// What the chart-setting methods read of a chart plotted under `options`:
// its moment, its day pillar and when that pillar's day starts.
MethodInput MethodInputOfChart(const Chart& chart, const ChartOptions& options = {});

// The chart of a moment without any window, clamped as the window clamps its
// boxes, on a fresh plate model. The term, yuan and ju are the options' method's.
Chart ComputeChart(const ChartMoment& moment, const ChartOptions& options = {});

// The chart of a moment without its plates, for walking long ranges: the
// clamped date, pillars, moment, term, yuan and ju exactly as ComputeChart
// gives them; the palaces and the fields PlotPlates fills keep their defaults.
Chart ComputeChartKeys(const ChartMoment& moment, const ChartOptions& options = {});

// Lays the plates for chart.ju and chart.pillars.hour on a reset model (the
// earth plate, heaven plate with the stars, deities, gates, hidden stems and
// counter-deities) and fills the chart's palace, xun, marker and duty fields.
// A ju beyond ±9 is taken as ±9; 0 lays like yang 9. Palace 5 counts as the
// host palace that `centre` gives for the dun.
void PlotPlates(PlateModel& model, Chart& chart, CentrePalace centre = CentrePalace::kKun);

}  // namespace veltrane::chart
