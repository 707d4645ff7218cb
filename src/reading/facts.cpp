#include "reading/facts.h"

#include "chart/plot_lookups.h"

namespace veltrane::reading {
namespace {

using chart::Stem;

constexpr std::array<Phase, chart::kStarCount> kStarPhases = {
    Phase::kWater, Phase::kEarth, Phase::kWood,  Phase::kWood, Phase::kFire,
    Phase::kEarth, Phase::kMetal, Phase::kMetal, Phase::kEarth};  // 蓬任冲辅英芮柱心禽
constexpr std::array<Phase, chart::kRingSize> kGatePhases = {
    Phase::kMetal, Phase::kWater, Phase::kEarth, Phase::kWood,
    Phase::kWood,  Phase::kFire,  Phase::kEarth, Phase::kMetal};  // 开休生伤杜景死惊
constexpr std::array<Phase, chart::kPalaceCount> kPalacePhases = {
    Phase::kWater, Phase::kEarth, Phase::kWood,  Phase::kWood, Phase::kEarth,
    Phase::kMetal, Phase::kMetal, Phase::kEarth, Phase::kFire};  // 坎坤震巽中乾兑艮离
constexpr std::array<Phase, chart::kBranchCount> kBranchPhases = {
    Phase::kWater, Phase::kEarth, Phase::kWood,  Phase::kWood,  Phase::kEarth, Phase::kFire,
    Phase::kFire,  Phase::kEarth, Phase::kMetal, Phase::kMetal, Phase::kEarth, Phase::kWater};

}  // namespace

Phase PhaseOf(Stem stem) { return static_cast<Phase>((static_cast<int>(stem) - 1) / 2 % 5); }
Phase PhaseOf(chart::Star star) { return kStarPhases[static_cast<std::size_t>(star) % 9]; }
Phase PhaseOf(chart::Gate gate) { return kGatePhases[static_cast<std::size_t>(gate) % 8]; }
Phase PhaseOfPalace(int palace) {
  return kPalacePhases[static_cast<std::size_t>((palace - 1 + 9) % 9)];
}
Phase PhaseOf(chart::Branch branch) {
  return kBranchPhases[static_cast<std::size_t>((static_cast<int>(branch) - 1 + 12) % 12)];
}

Stem EffectiveStem(int gan_zhi) {
  const int stem = chart::StemOfGanZhi(gan_zhi);
  if (stem != 1) return static_cast<Stem>(stem);
  const auto xun = static_cast<std::size_t>(chart::XunOfGanZhi(gan_zhi));
  return chart::kInstrumentOrder[static_cast<std::size_t>(chart::kXunHeads[xun].instrument - 1)];
}

namespace {

// The palace the host's star has come to; the host itself when no palace shows it.
std::size_t HostStarIndex(const chart::Chart& c) {
  const chart::Star host_star =
      c.centre_host.number() == 8 ? chart::Star::kRen : chart::Star::kRui;
  for (std::size_t i = 0; i < chart::kPalaceCount; ++i) {
    if (c.cells[i].star == host_star) return i;
  }
  return c.centre_host.index();
}

}  // namespace

ChartFacts::ChartFacts(const chart::Chart& c) : chart(&c) {
  for (std::size_t i = 0; i < chart::kPalaceCount; ++i) {
    if (i == chart::kCentre.index()) continue;
    heaven[i].Add(c.cells[i].heaven_stem);
    earth[i].Add(c.cells[i].earth_stem);
  }
  const chart::PalaceCell& centre = c.cells[chart::kCentre.index()];
  earth[c.centre_host.index()].Add(centre.earth_stem);
  heaven[HostStarIndex(c)].Add(centre.heaven_stem);
  for (std::size_t i = 0; i < chart::kPalaceCount; ++i) {
    const chart::PalaceCell& cell = c.cells[i];
    const auto bit = static_cast<PalaceMask>(1u << i);
    for (chart::Stem s : heaven[i]) heaven_mask[static_cast<std::size_t>(s)] |= bit;
    for (chart::Stem s : earth[i]) earth_mask[static_cast<std::size_t>(s)] |= bit;
    if (cell.gate) gate_mask[static_cast<std::size_t>(*cell.gate)] |= bit;
    if (cell.deity) deity_mask[static_cast<std::size_t>(*cell.deity)] |= bit;
  }
  year_stem = EffectiveStem(c.pillars.year);
  month_stem = EffectiveStem(c.pillars.month);
  day_stem = EffectiveStem(c.pillars.day);
  hour_stem = c.hour_stem;
  // The xun's instrument from the xun table (甲子戊 … 甲寅癸).
  xun_instrument = chart::kInstrumentOrder[static_cast<std::size_t>(
      chart::kXunHeads[static_cast<std::size_t>(c.xun % chart::kXunCount)].instrument - 1)];
  month_branch = static_cast<chart::Branch>(chart::BranchOfGanZhi(c.pillars.month));
  season = PhaseOf(month_branch);
}

Stem ChartFacts::StemOf(StemRole role, Stem fixed) const {
  switch (role) {
    case StemRole::kYear: return year_stem;
    case StemRole::kMonth: return month_stem;
    case StemRole::kDay: return day_stem;
    case StemRole::kHour: return hour_stem;
    case StemRole::kXunInstrument: return xun_instrument;
    case StemRole::kAny:
    case StemRole::kFixed: break;
  }
  return fixed;
}

PalaceMask ChartFacts::HeavenMask(StemRole role, Stem fixed) const {
  if (role == StemRole::kAny) return 0x1FF;
  return heaven_mask[static_cast<std::size_t>(StemOf(role, fixed))];
}

PalaceMask ChartFacts::EarthMask(StemRole role, Stem fixed) const {
  if (role == StemRole::kAny) return 0x1FF;
  return earth_mask[static_cast<std::size_t>(StemOf(role, fixed))];
}

}  // namespace veltrane::reading
