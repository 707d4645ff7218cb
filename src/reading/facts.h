// What the predicates read of a chart, worked out once per reading: the stems of both plates by
// palace and as palace masks, the pillars' stems, the season, and where a finding goes.
#pragma once

#include <array>
#include <cstdint>

#include "chart/plot_chart.h"
#include "reading/reading.h"

namespace veltrane::reading {

// A 9-bit mask of palaces, bit (n − 1) for palace n.
using PalaceMask = std::uint16_t;

constexpr PalaceMask BitOf(int palace) { return static_cast<PalaceMask>(1u << (palace - 1)); }

// The five phases, in the order of their generation (木 → 火 → 土 → 金 → 水).
enum class Phase : std::uint8_t { kWood, kFire, kEarth, kMetal, kWater };

// The phase of a stem, star, gate, palace or branch.
Phase PhaseOf(chart::Stem stem);
Phase PhaseOf(chart::Star star);
Phase PhaseOf(chart::Gate gate);
Phase PhaseOfPalace(int palace);
Phase PhaseOf(chart::Branch branch);

// Whether a overcomes b (木克土, 土克水, 水克火, 火克金, 金克木).
constexpr bool Overcomes(Phase a, Phase b) {
  return (static_cast<int>(b) - static_cast<int>(a) + 5) % 5 == 2;
}
// Whether a generates b.
constexpr bool Generates(Phase a, Phase b) {
  return (static_cast<int>(b) - static_cast<int>(a) + 5) % 5 == 1;
}

// The stem a pillar counts as: its own, or for a 甲 pillar the instrument of its xun.
chart::Stem EffectiveStem(int gan_zhi);

// The stems of one plate in one palace: none in palace 5, whose stems stand elsewhere, two
// where they stand.
struct PalaceStems {
  std::array<chart::Stem, 2> stems{};
  int n = 0;
  void Add(chart::Stem s) {
    if (n < 2) stems[static_cast<std::size_t>(n++)] = s;
  }
  const chart::Stem* begin() const { return stems.data(); }
  const chart::Stem* end() const { return stems.data() + n; }
};

// Palace 5 has no ring: its earth stem counts in the host palace (中五寄坤二, or 艮 in 阳遁 under
// 艮坤), and its heaven stem travels with the host's star (天芮, or 天任), standing over the
// earth of the palace that star has come to.
struct ChartFacts {
  const chart::Chart* chart = nullptr;
  std::array<PalaceStems, chart::kPalaceCount> heaven{};  // by palace index
  std::array<PalaceStems, chart::kPalaceCount> earth{};
  std::array<PalaceMask, chart::kStemCount + 1> heaven_mask{};  // by stem value
  std::array<PalaceMask, chart::kStemCount + 1> earth_mask{};
  std::array<PalaceMask, chart::kRingSize> gate_mask{};
  std::array<PalaceMask, chart::kRingSize> deity_mask{};
  chart::Stem year_stem = chart::Stem::kJia;
  chart::Stem month_stem = chart::Stem::kJia;
  chart::Stem day_stem = chart::Stem::kJia;
  chart::Stem hour_stem = chart::Stem::kJia;
  chart::Stem xun_instrument = chart::Stem::kWu;
  chart::Branch month_branch = chart::Branch::kZi;
  Phase season = Phase::kWater;

  explicit ChartFacts(const chart::Chart& c);
  // The stem a role asks for (kFixed gives `fixed`).
  chart::Stem StemOf(StemRole role, chart::Stem fixed) const;
  // Palaces whose heaven (or earth) stem fills the role; every palace for kAny.
  PalaceMask HeavenMask(StemRole role, chart::Stem fixed) const;
  PalaceMask EarthMask(StemRole role, chart::Stem fixed) const;
};

// Collects findings into a Reading, up to its capacity.
class FindingSink {
 public:
  explicit FindingSink(Reading& reading) : reading_(reading) {}
  void Add(std::uint16_t rule, int palace, std::uint8_t subject = 0, std::uint8_t value = 0,
           std::uint8_t extra = 0) {
    if (palace < 1 || palace > chart::kPalaceCount) return;  // only palaces 1..9 are named
    if (reading_.count == kMaxFindings) {
      reading_.truncated = true;
      return;
    }
    reading_.items[reading_.count++] = Finding{rule, static_cast<std::uint8_t>(palace), subject,
                                               value, extra};
  }
  // One finding per palace of a mask, in palace order.
  void AddEach(std::uint16_t rule, PalaceMask palaces) {
    for (int p = 1; p <= chart::kPalaceCount; ++p) {
      if (palaces & BitOf(p)) Add(rule, p);
    }
  }

 private:
  Reading& reading_;
};

}  // namespace veltrane::reading
