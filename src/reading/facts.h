// What the predicates read of a chart, worked out once per reading: the stems of both plates by
// palace and as palace masks, the pillars' stems, the season, and where a finding goes.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "chart/plot_chart.h"
#include "reading/reading.h"

namespace veltrane::reading {

// A 9-bit mask of palaces, bit (n − 1) for palace n.
using PalaceMask = std::uint16_t;

constexpr PalaceMask BitOf(int palace) { return static_cast<PalaceMask>(1u << (palace - 1)); }

// The five phases, in the order of their generation (木 → 火 → 土 → 金 → 水).
enum class Phase : std::uint8_t { kWood, kFire, kEarth, kMetal, kWater };

namespace detail {
inline constexpr std::array<Phase, chart::kStarCount> kStarPhases = {
    Phase::kWater, Phase::kEarth, Phase::kWood,  Phase::kWood, Phase::kFire,
    Phase::kEarth, Phase::kMetal, Phase::kMetal, Phase::kEarth};  // 蓬任冲辅英芮柱心禽
inline constexpr std::array<Phase, chart::kRingSize> kGatePhases = {
    Phase::kMetal, Phase::kWater, Phase::kEarth, Phase::kWood,
    Phase::kWood,  Phase::kFire,  Phase::kEarth, Phase::kMetal};  // 开休生伤杜景死惊
inline constexpr std::array<Phase, chart::kPalaceCount> kPalacePhases = {
    Phase::kWater, Phase::kEarth, Phase::kWood,  Phase::kWood, Phase::kEarth,
    Phase::kMetal, Phase::kMetal, Phase::kEarth, Phase::kFire};  // 坎坤震巽中乾兑艮离
inline constexpr std::array<Phase, chart::kBranchCount> kBranchPhases = {
    Phase::kWater, Phase::kEarth, Phase::kWood,  Phase::kWood,  Phase::kEarth, Phase::kFire,
    Phase::kFire,  Phase::kEarth, Phase::kMetal, Phase::kMetal, Phase::kEarth, Phase::kWater};
}  // namespace detail

// The phase of a stem, star, gate, palace (1..9) or branch.
constexpr Phase PhaseOf(chart::Stem stem) {
  return static_cast<Phase>((static_cast<unsigned>(stem) - 1) / 2 % 5);
}
constexpr Phase PhaseOf(chart::Star star) {
  return detail::kStarPhases[static_cast<std::size_t>(star) % chart::kStarCount];
}
constexpr Phase PhaseOf(chart::Gate gate) {
  return detail::kGatePhases[static_cast<std::size_t>(gate) % chart::kRingSize];
}
constexpr Phase PhaseOfPalace(int palace) {
  return detail::kPalacePhases[static_cast<std::size_t>(palace - 1) % chart::kPalaceCount];
}
constexpr Phase PhaseOf(chart::Branch branch) {
  return detail::kBranchPhases[static_cast<std::size_t>(static_cast<int>(branch) - 1) %
                               chart::kBranchCount];
}

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

  ChartFacts() = default;
  explicit ChartFacts(const chart::Chart& c);
  // Takes the year, month and day of `c`, a chart with the same plates and hour.
  void SetPillars(const chart::Chart& c);
  // The stem a role asks for (kFixed gives `fixed`).
  chart::Stem StemOf(StemRole role, chart::Stem fixed) const {
    switch (role) {
      case StemRole::kYear:
        return year_stem;
      case StemRole::kMonth:
        return month_stem;
      case StemRole::kDay:
        return day_stem;
      case StemRole::kHour:
        return hour_stem;
      case StemRole::kXunInstrument:
        return xun_instrument;
      case StemRole::kAny:
      case StemRole::kFixed:
        break;
    }
    return fixed;
  }
  // Palaces whose heaven (or earth) stem fills the role; every palace for kAny.
  PalaceMask HeavenMask(StemRole role, chart::Stem fixed) const {
    return role == StemRole::kAny ? PalaceMask{0x1FF}
                                  : heaven_mask[static_cast<std::size_t>(StemOf(role, fixed))];
  }
  PalaceMask EarthMask(StemRole role, chart::Stem fixed) const {
    return role == StemRole::kAny ? PalaceMask{0x1FF}
                                  : earth_mask[static_cast<std::size_t>(StemOf(role, fixed))];
  }
};

// Collects findings into a Reading, up to its capacity.
class FindingSink {
 public:
  explicit FindingSink(Reading& reading) : reading_(reading) {}
  void Add(std::uint16_t rule, int palace, std::uint8_t subject = 0, std::uint8_t value = 0,
           std::uint8_t extra = 0) {
    // Only palaces 1..9 are named, and no more findings than the reading holds.
    if (static_cast<unsigned>(palace - 1) >= chart::kPalaceCount) return;
    if (reading_.count == kMaxFindings) {
      reading_.truncated = true;
      return;
    }
    reading_.items[reading_.count++] =
        Finding{rule, static_cast<std::uint8_t>(palace), subject, value, extra};
  }
  // One finding per palace of a mask, in palace order.
  void AddEach(std::uint16_t rule, PalaceMask palaces) {
    for (unsigned m = palaces & 0x1FFu; m != 0; m &= m - 1) {
      Add(rule, std::countr_zero(m) + 1);
    }
  }

 private:
  Reading& reading_;
};

}  // namespace veltrane::reading
