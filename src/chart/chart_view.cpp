#include "chart/chart_view.h"

#include <cstdlib>
#include <string_view>

#include "chart/plate_model.h"
#include "chart/plot_lookups.h"

namespace veltrane::chart {
namespace {

constexpr std::array<std::string_view, 10> kNumerals = {"零", "一", "二", "三", "四",
                                                        "五", "六", "七", "八", "九"};

// Each stem and branch name is one three-byte UTF-8 character.
constexpr std::size_t kNameBytes = 3;
static_assert(kStemNames[0].size() == kNameBytes && kBranchNames[0].size() == kNameBytes);

// The sixty names, stem then branch, made at compile time.
constexpr auto kGanZhiNames = [] {
  std::array<std::array<char, 2 * kNameBytes>, kGanZhiCount> names{};
  for (int n = 1; n <= kGanZhiCount; ++n) {
    const std::string_view stem = kStemNames[static_cast<std::size_t>(StemOfGanZhi(n) - 1)];
    const std::string_view branch = kBranchNames[static_cast<std::size_t>(BranchOfGanZhi(n) - 1)];
    auto& name = names[static_cast<std::size_t>(n - 1)];
    for (std::size_t i = 0; i < kNameBytes; ++i) {
      name[i] = stem[i];
      name[kNameBytes + i] = branch[i];
    }
  }
  return names;
}();

template <std::size_t N>
std::string Item(const std::array<std::string_view, N>& list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return std::string(list[static_cast<std::size_t>(index)]);
}

// The star a palace holds on the reset plates; "" for a palace off the ring.
std::string HomeStarOf(int palace) {
  static const PlateModel home = [] {
    PlateModel m;
    m.ResetChart();
    return m;
  }();
  return Item(kStarNames, home.StarAt(RingPositionOfPalace(palace)));
}

}  // namespace

std::string_view GanZhiName(int gan_zhi) {
  const int index = ((gan_zhi - 1) % kGanZhiCount + kGanZhiCount) % kGanZhiCount;
  const auto& name = kGanZhiNames[static_cast<std::size_t>(index)];
  return {name.data(), name.size()};
}

std::string CentreTextOf(bool yin, int ju) {
  const int n = std::abs(ju);
  std::string text(yin ? "阴遁" : "阳遁");
  text += kNumerals[static_cast<std::size_t>(n <= 9 ? n : 0)];
  text += "局";
  return text;
}

ChartView ViewOfChart(const Chart& chart) {
  ChartView view;
  const ChartMoment& d = chart.date;
  view.year = std::to_string(d.year);
  view.month = std::to_string(d.month);
  view.day = std::to_string(d.day);
  view.hour = std::to_string(d.hour);
  view.minute = std::to_string(d.minute);
  for (int n : {chart.pillars.year, chart.pillars.month, chart.pillars.day, chart.pillars.hour}) {
    view.pillars += GanZhiName(n);
  }
  for (int p = 1; p <= kPalaceCount; ++p) {
    const PalaceCell& cell = chart.cell(p);
    PalaceView& shown = view.palaces[static_cast<std::size_t>(p - 1)];
    shown.hidden = Item(kInstrumentNames, cell.hidden_stem);
    shown.deity = Item(kDeityNames, cell.deity);
    shown.star = Item(kStarNames, cell.star);
    shown.heaven = Item(kInstrumentNames, cell.heaven_stem);
    shown.gate = Item(kGateNames, cell.gate);
    shown.counter_deity = Item(kDeityShortNames, cell.counter_deity);
    shown.earth = Item(kInstrumentNames, cell.earth_stem);
  }
  view.centre = CentreTextOf(chart.yin(), chart.ju);
  view.void_palaces = chart.void_palaces;
  view.horse_palace = chart.horse_palace;
  view.centre_star = HomeStarOf(chart.centre_host);
  return view;
}

}  // namespace veltrane::chart
