#include "views/chart_view.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "chart/box_items.h"
#include "chart/plate_model.h"

namespace veltrane::views {
namespace {

using chart::Chart;
using chart::ChartMoment;
using chart::Deity;
using chart::Dun;
using chart::Gate;
using chart::Palace;
using chart::PalaceCell;
using chart::PlateModel;
using chart::RingItemOf;
using chart::Star;
using chart::Text;

constexpr std::array<std::string_view, 10> kNumerals = {"零", "一", "二", "三", "四",
                                                        "五", "六", "七", "八", "九"};

// The text of a ring field; "" for none.
template <typename T, typename Name>
std::string TextOr(const std::optional<T>& item, Name name) {
  return item ? std::string(name(*item)) : std::string();
}
std::string_view DeityName(Deity d) { return Text(d); }
std::string_view DeityShortName(Deity d) { return chart::ShortText(d); }

// The star a palace holds on the reset plates; "" for a palace off the ring.
std::string HomeStarOf(Palace palace) {
  static const PlateModel home = [] {
    PlateModel m;
    m.ResetChart();
    return m;
  }();
  return TextOr(RingItemOf<Star>(home.StarAt(palace.ring_position())),
                [](Star s) { return Text(s); });
}

}  // namespace

std::string CentreTextOf(Dun dun, int ju) {
  const int n = std::abs(ju);
  std::string text(Text(dun));
  text += "遁";
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
    view.pillars += chart::GanZhiText(n);
  }
  for (const Palace p : chart::kPalaces) {
    const PalaceCell& cell = chart.cell(p);
    PalaceView& shown = view.palaces[p.index()];
    shown.hidden = Text(cell.hidden_stem);
    shown.deity = TextOr(cell.deity, DeityName);
    shown.star = TextOr(cell.star, [](Star s) { return Text(s); });
    shown.heaven = Text(cell.heaven_stem);
    shown.gate = TextOr(cell.gate, [](Gate g) { return Text(g); });
    shown.counter_deity = TextOr(cell.counter_deity, DeityShortName);
    shown.earth = Text(cell.earth_stem);
  }
  view.centre = CentreTextOf(chart.dun(), chart.ju);
  view.void_palaces = {chart.void_palaces[0].number(), chart.void_palaces[1].number()};
  view.horse_palace = chart.horse_palace.number();
  view.centre_star = HomeStarOf(chart.centre_host);
  return view;
}

}  // namespace veltrane::views
