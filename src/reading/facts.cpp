#include "reading/facts.h"

#include "chart/plot_lookups.h"

namespace veltrane::reading {
namespace {

using chart::Stem;

}  // namespace

Stem EffectiveStem(int gan_zhi) {
  const int stem = chart::StemOfGanZhi(gan_zhi);
  if (stem != 1) return static_cast<Stem>(stem);
  const auto xun = static_cast<std::size_t>(chart::XunOfGanZhi(gan_zhi));
  return chart::kInstrumentOrder[static_cast<std::size_t>(chart::kXunHeads[xun].instrument - 1)];
}

namespace {

// The palace the host's star has come to; the host itself when no palace shows it.
std::size_t HostStarIndex(const chart::Chart& c) {
  const chart::Star host_star = c.centre_host.number() == 8 ? chart::Star::kRen : chart::Star::kRui;
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
  hour_stem = c.hour_stem;
  // The xun's instrument from the xun table (甲子戊 … 甲寅癸).
  xun_instrument = chart::kInstrumentOrder[static_cast<std::size_t>(
      chart::kXunHeads[static_cast<std::size_t>(c.xun % chart::kXunCount)].instrument - 1)];
  SetPillars(c);
}

void ChartFacts::SetPillars(const chart::Chart& c) {
  chart = &c;
  year_stem = EffectiveStem(c.pillars.year);
  month_stem = EffectiveStem(c.pillars.month);
  day_stem = EffectiveStem(c.pillars.day);
  month_branch = static_cast<chart::Branch>(chart::BranchOfGanZhi(c.pillars.month));
  season = PhaseOf(month_branch);
}

}  // namespace veltrane::reading
