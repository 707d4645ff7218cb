#include "chart/plot_chart.h"

#include <algorithm>
#include <cstdlib>

#include "calendar/date_time.h"
#include "chart/plot_lookups.h"
#include "chart/term_in_force.h"

namespace veltrane::chart {
namespace {

constexpr int kCalendarAutomatic = static_cast<int>(CalendarMode::kAutomatic);

// Palace 5 has no ring position: wherever a stem is located on the earth plate
// it counts as palace 2 (中五寄坤二).
constexpr int kCentreHost = 2;
constexpr int HostPalace(int palace) { return palace == kCentrePalace ? kCentreHost : palace; }

// The palace (1..9) whose earth stem is the instrument; 0 when none is.
int EarthPalaceOf(const PlateModel& m, int instrument) {
  for (int p = 1; p <= kPalaceCount; ++p) {
    if (m.EarthAt(p) == instrument) return p;
  }
  return 0;
}

// Ring stop test of the deities and gates: (a) `stem` lies in palace 5 and
// ring position 4 shows `item`; (b) some ring position shows `item` over the
// palace whose earth stem is `stem`.
template <typename ItemAt>
bool RingItemOverStem(const PlateModel& m, int stem, int item, ItemAt item_at) {
  if (m.EarthAt(kCentrePalace) == stem && item_at(RingPositionOfPalace(kCentreHost)) == item) {
    return true;
  }
  for (int k = 1; k <= kRingSize; ++k) {
    if (m.EarthAt(PalaceOfRingPosition(k)) == stem && item_at(k) == item) return true;
  }
  return false;
}

// Heaven stop test: the leading heaven stem stands over the palace of the hour
// stem (palace 2 when that is palace 5).
bool HeavenOverHourStem(const PlateModel& m, int hour_stem, int leading) {
  if (m.EarthAt(kCentrePalace) == hour_stem && m.HeavenAt(kCentreHost) == leading) return true;
  for (int p = 1; p <= kPalaceCount; ++p) {
    if (m.EarthAt(p) == hour_stem && m.HeavenAt(p) == leading) return true;
  }
  return false;
}

// Palace of a ring position, where ring position 4 stands for palace 5 when
// palace 5's earth stem is `centre_stem`.
int PalaceShowing(const PlateModel& m, int position, int centre_stem) {
  if (position == RingPositionOfPalace(kCentreHost) && m.EarthAt(kCentrePalace) == centre_stem) {
    return kCentrePalace;
  }
  return PalaceOfRingPosition(position);
}

void LayEarth(PlateModel& m, const Chart& c) {
  int steps = kInstrumentCount - std::abs(c.ju);
  if (steps == 0) steps = kInstrumentCount;
  for (int i = 0; i < steps; ++i) c.yin() ? m.StepEarthYin() : m.StepEarthYang();
}

// Turns the stars with the heaven stems until the heaven stem that started over
// the instrument's palace stands over the hour stem's palace. With the
// instrument in palace 5 that is the stem over palace 2, with 天芮.
void TurnHeaven(PlateModel& m, const Chart& c, int instrument) {
  const int leading = m.HeavenAt(HostPalace(EarthPalaceOf(m, instrument)));
  for (int i = 0; i < kRingSize; ++i) {
    m.StepStars();
    if (HeavenOverHourStem(m, c.hour_stem, leading)) return;
  }
}

void TurnDeities(PlateModel& m, const Chart& c) {
  auto deity_at = [&m](int k) { return m.DeityAt(k); };
  for (int i = 0; i < kRingSize; ++i) {
    c.yin() ? m.StepDeitiesYin() : m.StepDeitiesYang();
    if (RingItemOverStem(m, c.hour_stem, kDeityDutyChief, deity_at)) return;
  }
}

// The duty gate is the home gate of the instrument's palace (palace 2 for
// palace 5); it turns to the instrument that lies e hours on in LayingOrder.
void TurnGates(PlateModel& m, Chart& c, int instrument) {
  c.duty_gate = m.GateAt(RingPositionOfPalace(HostPalace(EarthPalaceOf(m, instrument))));
  auto gate_at = [&m](int k) { return m.GateAt(k); };
  for (int i = 0; i < kRingSize; ++i) {
    m.StepGates();
    if (RingItemOverStem(m, c.duty_gate_target, c.duty_gate, gate_at)) break;
  }
  c.duty_gate_palace = 0;
  for (int k = 1; k <= kRingSize; ++k) {
    if (m.GateAt(k) == c.duty_gate) {
      c.duty_gate_palace = PalaceShowing(m, k, c.duty_gate_target);
      break;
    }
  }
}

void FindDutyStar(const PlateModel& m, Chart& c) {
  for (int k = 1; k <= kRingSize; ++k) {
    if (m.DeityAt(k) == kDeityDutyChief) {
      c.duty_star = m.StarAt(k);
      c.duty_star_palace = PalaceShowing(m, k, c.hour_stem);
      return;
    }
  }
}

// The hidden stems turn until the hour stem lies in the duty gate's palace,
// or in palace 5 when the duty gate stands on the hour stem's palace.
void TurnHidden(PlateModel& m, const Chart& c) {
  const int g = c.duty_gate_palace;
  const int target = m.EarthAt(g) == c.hour_stem ? kCentrePalace : g;
  for (int i = 0; i < kInstrumentCount; ++i) {
    c.yin() ? m.StepHiddenYin() : m.StepHiddenYang();
    if (m.HiddenAt(target) == c.hour_stem) return;
  }
}

// Each ring position takes the deity of the palace whose heaven stem is its
// earth stem; palace 5's heaven stem is not examined, a later match wins.
void SetCounterDeities(PlateModel& m) {
  constexpr std::array<int, kRingSize> kExamined = {1, 2, 3, 4, 6, 7, 8, 9};
  for (int k = 1; k <= kRingSize; ++k) {
    const int earth = m.EarthAt(PalaceOfRingPosition(k));
    for (int j : kExamined) {
      if (earth == m.HeavenAt(j)) {
        m.counter_deities[static_cast<std::size_t>(k - 1)] = m.DeityAt(RingPositionOfPalace(j));
      }
    }
  }
}

void FillCells(const PlateModel& m, Chart& c) {
  for (int p = 1; p <= kPalaceCount; ++p) {
    PalaceCell& cell = c.cells[static_cast<std::size_t>(p - 1)];
    cell.earth_stem = m.EarthAt(p);
    cell.heaven_stem = m.HeavenAt(p);
    cell.hidden_stem = m.HiddenAt(p);
    const int k = RingPositionOfPalace(p);
    cell.star = k == 0 ? -1 : m.StarAt(k);
    cell.gate = k == 0 ? -1 : m.GateAt(k);
    cell.deity = k == 0 ? -1 : m.DeityAt(k);
    cell.counter_deity = k == 0 ? -1 : m.CounterDeityAt(k);
  }
}

}  // namespace

int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return kLength[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

ChartDate ClampChartDate(int year, int month, int day, int hour, int minute) {
  ChartDate d;
  d.year = std::clamp(year, kFirstPlotYear, kLastPlotYear);
  d.month = std::clamp(month, 1, 12);
  // The day stays within its month, so the chart moment is a real date.
  d.day = std::clamp(day, 1, DaysInMonth(d.year, d.month));
  d.hour = std::clamp(hour, 0, 23);
  d.minute = std::clamp(minute, 0, 59);
  return d;
}

void PlotPlates(PlateModel& m, Chart& c) {
  const int hour_gz = c.pillars.hour;
  const int hour_stem = StemOfGanZhi(hour_gz);
  c.hour_branch = BranchOfGanZhi(hour_gz);
  c.xun = XunOfGanZhi(hour_gz);
  const XunHead& xun = kXunHeads[static_cast<std::size_t>(c.xun)];
  const int instrument = xun.instrument - 1;
  c.void_palaces = xun.void_palaces;
  c.horse_palace = HorsePalaceOfBranch(c.hour_branch);
  // At a 甲 hour the stem hides under the xun's instrument.
  c.hour_stem = hour_stem == 1 ? instrument : InstrumentOfStem(hour_stem);

  // Hours since the xun head, and the instrument that many places after the
  // xun's instrument in LayingOrder.
  int hours = c.hour_branch - XunBranch(c.xun);
  if (hours < 0) hours += kBranchCount;
  c.duty_gate_target =
      ((instrument - hours) % kInstrumentCount + kInstrumentCount) % kInstrumentCount;

  LayEarth(m, c);
  TurnHeaven(m, c, instrument);
  TurnDeities(m, c);
  TurnGates(m, c, instrument);
  FindDutyStar(m, c);
  TurnHidden(m, c);
  SetCounterDeities(m);
  FillCells(m, c);
}

Chart PlotChartOnModel(PlateModel& model, const ChartDate& date) {
  Chart c;
  c.date = ClampChartDate(date.year, date.month, date.day, date.hour, date.minute);
  const ChartDate& d = c.date;
  model.ResetChart();
  // The clamped date always exists, so the pillars always do.
  c.pillars = ComputePillars(d.year, d.month, d.day, d.hour, d.minute, kCalendarAutomatic)
                  .value_or(Pillars{});
  c.moment = calendar::ComposeDateTime(d.year, d.month, d.day, d.hour, d.minute, 0);
  c.term = FindTermInForce(c.moment);
  c.yuan = YuanOfDay(c.pillars.day);
  c.ju = c.yuan == Yuan::None
             ? 0
             : kJuTable[static_cast<std::size_t>(c.yuan) - 1][static_cast<std::size_t>(c.term - 1)];
  PlotPlates(model, c);
  return c;
}

Chart ComputeChart(const ChartDate& date) {
  PlateModel model;
  return PlotChartOnModel(model, date);
}

}  // namespace veltrane::chart
