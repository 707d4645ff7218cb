// Every hour of some 140 years plotted on one plate model, each chart held
// to the rules any chart obeys: every plate shows each item once, 值符 stands
// on the hour stem's palace, the xun's instrument is carried over it (palace 5
// counting as palace 2), the hidden stem rule holds in the duty gate's palace,
// the stars carry their heaven stems, and the terms follow each other in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "calendar/gregorian.h"
#include "chart/box_items.h"
#include "chart/plot_chart.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

using calendar::DaysInMonth;

// Both ends of the stored term table, where the closed formula takes over.
constexpr std::array<std::array<int, 2>, 2> kYearRanges = {{{1860, 1960}, {2060, 2100}}};

Palace Host(Palace palace) { return palace.is_centre() ? Palace::At<2>() : palace; }

std::optional<Palace> EarthPalaceOf(const Chart& c, Stem stem) {
  for (const Palace p : kPalaces) {
    if (c.cell(p).earth_stem == stem) return p;
  }
  return std::nullopt;
}

Palace PalaceAt(int ring_position) {
  return Palace::Of(PalaceOfRingPosition(ring_position)).value();
}

// Ring position a star stands on before the plate turns.
int HomeOfStar(Star star) {
  const int k = ((1 - ItemOf(star)) % kRingSize + kRingSize) % kRingSize;
  return k == 0 ? kRingSize : k;
}

// Why a chart breaks a rule, or "" when it keeps them all.
std::string BrokenRule(const Chart& c) {
  std::array<int, kInstrumentCount> earth{}, heaven{}, hidden{};
  std::array<int, kRingSize> stars{}, gates{}, deities{}, counters{};
  for (const Palace p : kPalaces) {
    const PalaceCell& cell = c.cell(p);
    for (auto [count, stem] :
         {std::pair{&earth, cell.earth_stem}, std::pair{&heaven, cell.heaven_stem},
          std::pair{&hidden, cell.hidden_stem}}) {
      const int item = ItemOf(stem);
      if (item < 0) return "甲 on a stem plate";
      ++(*count)[static_cast<std::size_t>(item)];
    }
    if (p.is_centre()) continue;
    for (auto [count, item] :
         {std::pair{&stars, ItemOf(cell.star)}, std::pair{&gates, ItemOf(cell.gate)},
          std::pair{&deities, ItemOf(cell.deity)},
          std::pair{&counters, ItemOf(cell.counter_deity)}}) {
      if (item < 0 || item >= kRingSize) return "ring item outside the list";
      ++(*count)[static_cast<std::size_t>(item)];
    }
  }
  auto once = [](const auto& counts) {
    return std::all_of(counts.begin(), counts.end(), [](int n) { return n == 1; });
  };
  if (!once(earth) || !once(heaven) || !once(hidden)) return "a stem plate repeats a stem";
  if (!once(stars) || !once(gates) || !once(deities) || !once(counters)) {
    return "a ring repeats an item";
  }

  const std::optional<Palace> hour_palace = EarthPalaceOf(c, c.hour_stem);
  if (!hour_palace) return "hour stem not on the earth plate";
  if (c.cell(Host(*hour_palace)).deity != Deity::kZhiFu) return "值符 not on the hour stem";

  const Stem instrument =
      InstrumentOfItem(kXunHeads[static_cast<std::size_t>(c.xun)].instrument - 1).value();
  const std::optional<Palace> instrument_palace = EarthPalaceOf(c, instrument);
  const Stem carried =
      instrument_palace == kCentre ? c.cell(Palace::At<2>()).earth_stem : instrument;
  if (c.cell(Host(*hour_palace)).heaven_stem != carried) return "instrument not over the hour stem";

  if (!c.duty_gate_palace) return "no duty gate palace";
  const Palace g = *c.duty_gate_palace;
  const Palace hidden_palace = c.cell(g).earth_stem == c.hour_stem ? kCentre : g;
  if (c.cell(hidden_palace).hidden_stem != c.hour_stem) return "hidden stem rule";
  const std::optional<Palace> target_palace = EarthPalaceOf(c, c.duty_gate_target);
  if (!target_palace || c.cell(Host(*target_palace)).gate != c.duty_gate) {
    return "duty gate not on its target";
  }
  if (Host(g) != Host(*target_palace)) return "duty gate palace";

  if (c.cell(kCentre).heaven_stem != c.cell(kCentre).earth_stem) {
    return "centre heaven stem moved";
  }
  for (int k = 1; k <= kRingSize; ++k) {
    const PalaceCell& cell = c.cell(PalaceAt(k));
    const Palace home = PalaceAt(HomeOfStar(cell.star.value()));
    if (cell.heaven_stem != c.cell(home).earth_stem) return "star without its heaven stem";
    // The counter-deity is the deity over the same stem on the heaven plate.
    for (const Palace j : kPalaces) {
      if (!j.is_centre() && c.cell(j).heaven_stem == cell.earth_stem &&
          c.cell(j).deity != cell.counter_deity) {
        return "counter-deity";
      }
    }
  }

  if (c.yuan == Yuan::None || c.ju == 0 || std::abs(c.ju) > 9) return "no yuan or ju";
  if ((c.dun() == Dun::kYin) != (c.term >= SolarTerm::kXiazhi)) return "dun against the term";
  return "";
}

TEST(PlotSweepTest, EveryHourKeepsTheChartRules) {
  PlateModel model;
  long charts = 0;
  int failures = 0;
  for (const auto& [first, last] : kYearRanges) {
    int previous_term = 0;
    for (int y = first; y <= last && failures < 20; ++y) {
      for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= DaysInMonth(y, m); ++d) {
          for (int h = 0; h < 24; ++h) {
            const Chart c = PlotChartOnModel(model, {y, m, d, h, 30});
            ++charts;
            std::string broken = BrokenRule(c);
            const int branch = (h + 1) / 2 % 12 + 1;
            if (broken.empty() && static_cast<int>(c.hour_branch) != branch) {
              broken = "hour branch";
            }
            const int term = static_cast<int>(c.term);
            if (broken.empty() && previous_term != 0 && term != previous_term &&
                term != previous_term % kTermCount + 1) {
              broken = "terms out of turn";
            }
            previous_term = term;
            if (!broken.empty()) {
              ADD_FAILURE() << y << "-" << m << "-" << d << " " << h << ":30: " << broken;
              ++failures;
            }
          }
        }
      }
    }
  }
  EXPECT_GT(charts, 1'200'000);
}

}  // namespace
}  // namespace veltrane::chart
