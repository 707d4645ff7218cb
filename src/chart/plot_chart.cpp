#include "chart/plot_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "calendar/date_time.h"
#include "chart/box_items.h"
#include "chart/chart_pillars.h"
#include "chart/method.h"
#include "chart/method_chaibu.h"
#include "chart/method_terms.h"
#include "chart/plot_lookups.h"
#include "chart/term_in_force.h"

namespace veltrane::chart {
namespace {

constexpr int kKunPalace = 2;
constexpr int kGenPalace = 8;

// Element n (1-based palace or ring position) of a box family.
template <typename Boxes>
int Box(const Boxes& boxes, int n) {
  return boxes[static_cast<std::size_t>(n - 1)];
}

// Where each instrument lies on the earth plate. The earth plate stays put
// while the other rings turn, so the stop tests look its palaces up here.
struct EarthPlate {
  std::array<int, kInstrumentCount> palace_of{};  // 0 when the instrument is on no palace

  explicit EarthPlate(const PlateModel& m) {
    for (int p = 1; p <= kPalaceCount; ++p) {
      const int stem = Box(m.earth, p);
      if (stem >= 0 && stem < kInstrumentCount && palace_of[static_cast<std::size_t>(stem)] == 0) {
        palace_of[static_cast<std::size_t>(stem)] = p;
      }
    }
  }
  int PalaceOf(int stem) const {
    return stem >= 0 && stem < kInstrumentCount ? palace_of[static_cast<std::size_t>(stem)] : 0;
  }
};

// Ring position of a palace (0 for palace 5), a table lookup.
constexpr int RingOf(int palace) { return RingPositionOfPalace(palace); }

// Palace 5 has no ring position: wherever a stem is located on the earth plate
// it counts as its host palace, palace 2 (中五寄坤二), or with the 艮坤 rule
// palace 8 in 阳遁 (寄艮) and palace 2 in 阴遁.
struct CentreHost {
  int palace;
  int position;  // the host's ring position

  CentreHost(CentrePalace rule, bool yin)
      : palace(rule == CentrePalace::kGenKun && !yin ? kGenPalace : kKunPalace),
        position(RingOf(palace)) {}
  int Of(int p) const { return p == kCentrePalace ? palace : p; }
};

// The plotting's own working values, as box items of the plate model (see
// box_items.h) and palace numbers; the chart gets them typed at the end.
struct Laying {
  bool yin = false;
  int hour_stem = 0;         // EffectiveHourStem
  int duty_gate_target = 0;  // the instrument the duty gate is turned to
  int duty_gate = -1;        // −1 when the gate boxes show no gate before the turning
  int duty_gate_palace = 0;  // 0 when the duty gate was not found
  int duty_star = 0;
  int duty_star_palace = 0;
};

// Ring stop test of the deities and gates: (a) `stem` lies in palace 5 and
// the host's ring position shows `item`; (b) the ring position of the palace
// whose earth stem is `stem` shows `item`.
bool RingItemOverStem(const EarthPlate& earth, const CentreHost& host, int stem, int item,
                      const std::array<std::int32_t, kRingSize>& ring) {
  const int p = earth.PalaceOf(stem);
  if (p == kCentrePalace) return Box(ring, host.position) == item;
  return p != 0 && Box(ring, RingOf(p)) == item;
}

// Heaven stop test: (a) the hour stem lies in palace 5 and the leading stem
// stands over the host palace; (b) the leading stem stands over the hour
// stem's palace.
bool HeavenOverHourStem(const PlateModel& m, const EarthPlate& earth, const CentreHost& host,
                        int hour_stem, int leading) {
  const int p = earth.PalaceOf(hour_stem);
  if (p == kCentrePalace && Box(m.heaven, host.palace) == leading) return true;
  return p != 0 && Box(m.heaven, p) == leading;
}

// Palace of a ring position, where the host's ring position stands for
// palace 5 when palace 5's earth stem is `centre_stem`.
int PalaceShowing(const PlateModel& m, const CentreHost& host, int position, int centre_stem) {
  if (position == host.position && Box(m.earth, kCentrePalace) == centre_stem) {
    return kCentrePalace;
  }
  return PalaceOfRingPosition(position);
}

void LayEarth(PlateModel& m, int ju) {
  int steps = kInstrumentCount - std::abs(ju);
  if (steps == 0) steps = kInstrumentCount;
  for (int i = 0; i < steps; ++i) ju < 0 ? m.StepEarthYin() : m.StepEarthYang();
}

// Turns the stars with the heaven stems until the heaven stem that started over
// the instrument's palace stands over the hour stem's palace. With the
// instrument in palace 5 that is the stem over the host palace, with its star
// (天芮 over palace 2, 天任 over palace 8).
void TurnHeaven(PlateModel& m, const EarthPlate& earth, const CentreHost& host, const Laying& c,
                int instrument) {
  const int leading = Box(m.heaven, host.Of(earth.PalaceOf(instrument)));
  for (int i = 0; i < kRingSize; ++i) {
    m.StepStars();
    if (HeavenOverHourStem(m, earth, host, c.hour_stem, leading)) return;
  }
}

void TurnDeities(PlateModel& m, const EarthPlate& earth, const CentreHost& host, const Laying& c) {
  for (int i = 0; i < kRingSize; ++i) {
    c.yin ? m.StepDeitiesYin() : m.StepDeitiesYang();
    if (RingItemOverStem(earth, host, c.hour_stem, kDeityDutyChief, m.deities)) return;
  }
}

// The duty gate is the home gate of the instrument's palace (the host's for
// palace 5); it turns to the instrument that lies e hours on in LayingOrder.
void TurnGates(PlateModel& m, const EarthPlate& earth, const CentreHost& host, Laying& c,
               int instrument) {
  const int home = host.Of(earth.PalaceOf(instrument));
  c.duty_gate = home == 0 ? -1 : Box(m.gates, RingOf(home));
  for (int i = 0; i < kRingSize; ++i) {
    m.StepGates();
    if (RingItemOverStem(earth, host, c.duty_gate_target, c.duty_gate, m.gates)) break;
  }
  c.duty_gate_palace = 0;
  for (int k = 1; k <= kRingSize; ++k) {
    if (Box(m.gates, k) == c.duty_gate) {
      c.duty_gate_palace = PalaceShowing(m, host, k, c.duty_gate_target);
      break;
    }
  }
}

void FindDutyStar(const PlateModel& m, const CentreHost& host, Laying& c) {
  for (int k = 1; k <= kRingSize; ++k) {
    if (Box(m.deities, k) == kDeityDutyChief) {
      c.duty_star = Box(m.stars, k);
      c.duty_star_palace = PalaceShowing(m, host, k, c.hour_stem);
      return;
    }
  }
}

// The hidden stems turn until the hour stem lies in the duty gate's palace,
// or in palace 5 when the duty gate stands on the hour stem's palace.
void TurnHidden(PlateModel& m, const Laying& c) {
  const int g = c.duty_gate_palace;
  if (g < 1 || g > kPalaceCount) {
    // No duty-gate palace (only a damaged plate can give none): nine steps.
    for (int i = 0; i < kInstrumentCount; ++i) c.yin ? m.StepHiddenYin() : m.StepHiddenYang();
    return;
  }
  const int target = Box(m.earth, g) == c.hour_stem ? kCentrePalace : g;
  for (int i = 0; i < kInstrumentCount; ++i) {
    c.yin ? m.StepHiddenYin() : m.StepHiddenYang();
    if (Box(m.hidden, target) == c.hour_stem) return;
  }
}

// Each ring position takes the deity of the palace whose heaven stem is its
// earth stem; palace 5's heaven stem is not examined, and of two palaces with
// the same heaven stem the later in 1, 2, 3, 4, 6, 7, 8, 9 wins. A position
// without a match keeps its counter-deity.
void SetCounterDeities(PlateModel& m) {
  constexpr std::array<int, kRingSize> kExamined = {1, 2, 3, 4, 6, 7, 8, 9};
  std::array<int, kInstrumentCount> heaven_palace{};
  for (int j : kExamined) {
    const int stem = Box(m.heaven, j);
    if (stem >= 0 && stem < kInstrumentCount) heaven_palace[static_cast<std::size_t>(stem)] = j;
  }
  for (int k = 1; k <= kRingSize; ++k) {
    const int stem = Box(m.earth, PalaceOfRingPosition(k));
    if (stem < 0 || stem >= kInstrumentCount) continue;
    const int j = heaven_palace[static_cast<std::size_t>(stem)];
    if (j != 0) {
      m.counter_deities[static_cast<std::size_t>(k - 1)] = Box(m.deities, RingOf(j));
    }
  }
}

// Every stem box is laid by the plotting (items 0..8); the bound only keeps
// the lookup inside the list.
Stem LaidStem(std::int32_t item) {
  return kInstrumentOrder[static_cast<std::uint32_t>(item) < kInstrumentCount
                              ? static_cast<std::size_t>(item)
                              : 0];
}

// Every ring box is laid by the plotting (items 0..7, the counter-deities
// from the laid deities); the mask only keeps an item inside the enum.
template <typename RingItem>
RingItem LaidRingItem(std::int32_t item) {
  return static_cast<RingItem>(item & (kRingSize - 1));
}

// Palace of a number the plotting found (1..9); palace 1 stands in for none,
// which only a damaged plate gives.
Palace FoundPalace(int number) { return Palace::Of(number).value_or(Palace()); }

// The typed chart fields from the laid model and the working values.
void FillChart(const PlateModel& m, const Laying& laying, Chart& c) {
  c.hour_stem = LaidStem(laying.hour_stem);
  c.duty_gate_target = LaidStem(laying.duty_gate_target);
  c.duty_star = RingItemOf<Star>(laying.duty_star).value_or(Star::kPeng);
  c.duty_star_palace = FoundPalace(laying.duty_star_palace);
  c.duty_gate = RingItemOf<Gate>(laying.duty_gate);
  c.duty_gate_palace = Palace::Of(laying.duty_gate_palace);
  for (std::size_t i = 0; i < kPalaceCount; ++i) {
    PalaceCell& cell = c.cells[i];
    cell.earth_stem = LaidStem(m.earth[i]);
    cell.heaven_stem = LaidStem(m.heaven[i]);
    cell.hidden_stem = LaidStem(m.hidden[i]);
  }
  PalaceCell& centre = c.cells[kCentre.index()];
  centre.star = std::nullopt;
  centre.gate = std::nullopt;
  centre.deity = std::nullopt;
  centre.counter_deity = std::nullopt;
  for (std::size_t k = 0; k < kRingSize; ++k) {
    PalaceCell& cell = c.cells[static_cast<std::size_t>(kRingPalaces[k] - 1)];
    cell.star = LaidRingItem<Star>(m.stars[k]);
    cell.gate = LaidRingItem<Gate>(m.gates[k]);
    cell.deity = LaidRingItem<Deity>(m.deities[k]);
    cell.counter_deity = LaidRingItem<Deity>(m.counter_deities[k]);
  }
}

// The method step of the plotting: the term in force is searched once, and
// the options' method takes its term, yuan and ju from it. The window's rule,
// 拆补, is taken without the method table's dispatch; it also stands for an
// input outside the methods' years (which the clamped date never gives). A
// moment that is no number gives 大雪.
void TakeMethodJu(Chart& c, const ChartOptions& options) {
  const MethodInput input = MethodInputOfChart(c, options);
  MethodJu ju;
  if (std::isnan(input.moment)) {
    ju = MethodJuOf(SolarTerm::kDaxue, YuanOfDayGanZhi(input.day_ganzhi));
    c.term_moment = input.moment;
  } else {
    const TermStart in_force = TermStartAt(input.moment);
    std::optional<MethodJu> by_method;
    if (options.method != ChartMethod::kChaibu) {
      by_method = ComputeMethodJu(options.method, input, in_force);
    }
    ju = by_method ? *by_method : ChaibuJu(input, in_force);
    c.term_moment = DateTimeOfLinear(in_force.moment);
  }
  c.term = ju.term;
  c.yuan = ju.yuan;
  c.ju = ju.ju;
}

}  // namespace

void PlotPlates(PlateModel& m, Chart& c, CentrePalace centre) {
  c.ju = std::clamp(c.ju, -kInstrumentCount, kInstrumentCount);
  const CentreHost host(centre, c.ju < 0);
  c.centre_host = FoundPalace(host.palace);
  const int hour_gz = c.pillars.hour;
  const int hour_stem = StemOfGanZhi(hour_gz);
  const int hour_branch = BranchOfGanZhi(hour_gz);
  c.hour_branch = static_cast<Branch>(hour_branch);
  c.xun = XunOfGanZhi(hour_gz);
  const XunHead& xun = kXunHeads[static_cast<std::size_t>(c.xun)];
  const int instrument = xun.instrument - 1;
  c.void_palaces = {FoundPalace(xun.void_palaces[0]), FoundPalace(xun.void_palaces[1])};
  c.horse_palace = FoundPalace(HorsePalaceOfBranch(hour_branch));
  Laying laying;
  laying.yin = c.ju < 0;
  // At a 甲 hour the stem hides under the xun's instrument.
  laying.hour_stem = hour_stem == 1 ? instrument : InstrumentOfStem(hour_stem);

  // Hours since the xun head, and the instrument that many places after the
  // xun's instrument in LayingOrder.
  int hours = hour_branch - XunBranch(c.xun);
  if (hours < 0) hours += kBranchCount;
  laying.duty_gate_target =
      ((instrument - hours) % kInstrumentCount + kInstrumentCount) % kInstrumentCount;

  LayEarth(m, c.ju);
  const EarthPlate earth(m);
  TurnHeaven(m, earth, host, laying, instrument);
  TurnDeities(m, earth, host, laying);
  TurnGates(m, earth, host, laying, instrument);
  FindDutyStar(m, host, laying);
  TurnHidden(m, laying);
  SetCounterDeities(m);
  FillChart(m, laying, c);
}

namespace {

// Everything of a chart but its plates: the clamped date, the pillars, the
// moment and the method's term, yuan and ju.
[[gnu::always_inline]] inline Chart PlotKeys(const ChartMoment& date, const ChartOptions& options) {
  Chart c;
  c.date = ClampChartMoment(date.year, date.month, date.day, date.hour, date.minute);
  const ChartMoment& d = c.date;
  const ChartPillars pillars = ChartPillarsOf(d, options);
  c.pillars = pillars.pillars;
  c.solar_clock = pillars.solar_clock;
  c.moment = calendar::ComposeDateTime(d.year, d.month, d.day, d.hour, d.minute, 0);
  TakeMethodJu(c, options);
  return c;
}

// The plotting of both entry points, kept inline in each so that
// ComputeChart's fresh model costs no call.
[[gnu::always_inline]] inline Chart PlotOn(PlateModel& model, const ChartMoment& date,
                                           const ChartOptions& options) {
  model.ResetChart();
  Chart c = PlotKeys(date, options);
  PlotPlates(model, c, options.centre_palace);
  return c;
}

}  // namespace

Chart PlotChartOnModel(PlateModel& model, const ChartMoment& date, const ChartOptions& options) {
  return PlotOn(model, date, options);
}

MethodInput MethodInputOfChart(const Chart& chart, const ChartOptions& options) {
  return MethodInput{NormalizeMoment(chart.moment), chart.pillars.day,
                     options.day_start == DayStart::kAtMidnight, options.zhirun_lead_days};
}

Chart ComputeChart(const ChartMoment& moment, const ChartOptions& options) {
  PlateModel model;
  return PlotOn(model, moment, options);
}

Chart ComputeChartKeys(const ChartMoment& moment, const ChartOptions& options) {
  return PlotKeys(moment, options);
}

}  // namespace veltrane::chart
