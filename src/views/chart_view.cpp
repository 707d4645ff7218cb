#include "views/chart_view.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "chart/box_items.h"
#include "chart/pillars.h"
#include "chart/plate_model.h"
#include "views/chart_labels.h"

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
// The star a palace holds on the reset plates; "" for a palace off the ring.
std::string HomeStarOf(Palace palace, chart::Script script) {
  static const PlateModel home = [] {
    PlateModel m;
    m.ResetChart();
    return m;
  }();
  return TextOr(RingItemOf<Star>(home.StarAt(palace.ring_position())),
                [script](Star s) { return Text(s, script); });
}

}  // namespace

std::string CentreTextOf(Dun dun, int ju, chart::Script script) {
  const int n = std::abs(ju);
  const LabelWords words = LabelWordsIn(script);
  std::string text(Text(dun, script));
  text += words.dun_word;
  const auto digit = static_cast<std::size_t>(n <= 9 ? n : 0);
  if (script == chart::Script::kEn) {
    text += static_cast<char>('0' + digit);
  } else {
    text += kNumerals[digit];
  }
  text += words.ju_word;
  return text;
}

ChartView ViewOfChart(const Chart& chart, chart::Script script) {
  ChartView view;
  const ChartMoment& d = chart.date;
  view.year = std::to_string(d.year);
  view.month = std::to_string(d.month);
  view.day = std::to_string(d.day);
  view.hour = std::to_string(d.hour);
  view.minute = std::to_string(d.minute);
  for (int n : {chart.pillars.year, chart.pillars.month, chart.pillars.day, chart.pillars.hour}) {
    if (script == chart::Script::kEn && !view.pillars.empty()) view.pillars += ' ';
    view.pillars += chart::GanZhiTextIn(n, script);
  }
  const auto deity = [script](Deity d) { return Text(d, script); };
  const auto short_deity = [script](Deity d) { return chart::ShortText(d, script); };
  for (const Palace p : chart::kPalaces) {
    const PalaceCell& cell = chart.cell(p);
    PalaceView& shown = view.palaces[p.index()];
    shown.hidden = Text(cell.hidden_stem, script);
    shown.deity = TextOr(cell.deity, deity);
    shown.star = TextOr(cell.star, [script](Star s) { return Text(s, script); });
    shown.heaven = Text(cell.heaven_stem, script);
    shown.gate = TextOr(cell.gate, [script](Gate g) { return Text(g, script); });
    shown.counter_deity = TextOr(cell.counter_deity, short_deity);
    shown.earth = Text(cell.earth_stem, script);
  }
  view.centre = CentreTextOf(chart.dun(), chart.ju, script);
  view.void_palaces = {chart.void_palaces[0].number(), chart.void_palaces[1].number()};
  view.horse_palace = chart.horse_palace.number();
  view.centre_star = HomeStarOf(chart.centre_host, script);
  return view;
}

}  // namespace veltrane::views
