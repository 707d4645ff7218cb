// Every hour of some 140 years plotted on one plate model, each chart held
// to the rules any chart obeys: every plate shows each item once, 值符 stands
// on the hour stem's palace, the xun's instrument is carried over it (palace 5
// counting as palace 2), the hidden stem rule holds in the duty gate's palace,
// the stars carry their heaven stems, and the terms follow each other in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "calendar/gregorian.h"
#include "chart/plot_chart.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

using calendar::DaysInMonth;

// Both ends of the stored term table, where the closed formula takes over.
constexpr std::array<std::array<int, 2>, 2> kYearRanges = {{{1860, 1960}, {2060, 2100}}};

int Host(int palace) { return palace == kCentrePalace ? 2 : palace; }

int EarthPalaceOf(const Chart& c, int stem) {
  for (int p = 1; p <= kPalaceCount; ++p) {
    if (c.cell(p).earth_stem == stem) return p;
  }
  return 0;
}

// Ring position a star stands on before the plate turns.
int HomeOfStar(int star) {
  const int k = ((1 - star) % kRingSize + kRingSize) % kRingSize;
  return k == 0 ? kRingSize : k;
}

// Why a chart breaks a rule, or "" when it keeps them all.
std::string BrokenRule(const Chart& c) {
  std::array<int, kInstrumentCount> earth{}, heaven{}, hidden{};
  std::array<int, kRingSize> stars{}, gates{}, deities{}, counters{};
  for (int p = 1; p <= kPalaceCount; ++p) {
    const PalaceCell& cell = c.cell(p);
    for (auto [count, item] :
         {std::pair{&earth, cell.earth_stem}, std::pair{&heaven, cell.heaven_stem},
          std::pair{&hidden, cell.hidden_stem}}) {
      if (item < 0 || item >= kInstrumentCount) return "stem outside the list";
      ++(*count)[static_cast<std::size_t>(item)];
    }
    if (p == kCentrePalace) continue;
    for (auto [count, item] :
         {std::pair{&stars, cell.star}, std::pair{&gates, cell.gate},
          std::pair{&deities, cell.deity}, std::pair{&counters, cell.counter_deity}}) {
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

  const int hour_palace = EarthPalaceOf(c, c.hour_stem);
  if (c.cell(Host(hour_palace)).deity != kDeityDutyChief) return "值符 not on the hour stem";

  const int instrument = kXunHeads[static_cast<std::size_t>(c.xun)].instrument - 1;
  const int instrument_palace = EarthPalaceOf(c, instrument);
  const int carried = instrument_palace == kCentrePalace ? c.cell(2).earth_stem : instrument;
  if (c.cell(Host(hour_palace)).heaven_stem != carried) return "instrument not over the hour stem";

  const int g = c.duty_gate_palace;
  if (g < 1 || g > kPalaceCount) return "no duty gate palace";
  const int hidden_palace = c.cell(g).earth_stem == c.hour_stem ? kCentrePalace : g;
  if (c.cell(hidden_palace).hidden_stem != c.hour_stem) return "hidden stem rule";
  const int target_palace = EarthPalaceOf(c, c.duty_gate_target);
  if (c.cell(Host(target_palace)).gate != c.duty_gate) return "duty gate not on its target";
  if (Host(g) != Host(target_palace)) return "duty gate palace";

  if (c.cell(kCentrePalace).heaven_stem != c.cell(kCentrePalace).earth_stem) {
    return "centre heaven stem moved";
  }
  for (int k = 1; k <= kRingSize; ++k) {
    const PalaceCell& cell = c.cell(PalaceOfRingPosition(k));
    const int home = PalaceOfRingPosition(HomeOfStar(cell.star));
    if (cell.heaven_stem != c.cell(home).earth_stem) return "star without its heaven stem";
    // The counter-deity is the deity over the same stem on the heaven plate.
    for (int j = 1; j <= kPalaceCount; ++j) {
      if (j != kCentrePalace && c.cell(j).heaven_stem == cell.earth_stem &&
          c.cell(j).deity != cell.counter_deity) {
        return "counter-deity";
      }
    }
  }

  if (c.yuan == Yuan::None || c.ju == 0 || std::abs(c.ju) > 9) return "no yuan or ju";
  if (c.yin() != (c.term >= 13)) return "dun against the term";
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
            if (broken.empty() && c.hour_branch != branch) broken = "hour branch";
            if (broken.empty() && previous_term != 0 && c.term != previous_term &&
                c.term != previous_term % kTermCount + 1) {
              broken = "terms out of turn";
            }
            previous_term = c.term;
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
