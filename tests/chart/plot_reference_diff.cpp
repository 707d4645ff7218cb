// The comparison of engine and reference, one named field at a time; a name
// and its values are only spelled out when they differ.
#include "plot_reference_diff.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "base/text/gbk.h"
#include "chart/box_items.h"
#include "ui/window_texts.h"

namespace veltrane::chart::reference {
namespace {

using ui::DutyText;
using ui::JuText;
using ui::PillarsText;
using ui::TermText;
using ui::XunText;

template <std::size_t N>
std::string ItemText(const std::array<std::string_view, N>& items, int i) {
  if (i >= 0 && static_cast<std::size_t>(i) < N) {
    return std::string(items[static_cast<std::size_t>(i)]);
  }
  return "#" + std::to_string(i);
}

class Differ {
 public:
  // A number; `at` (a palace, box or ring number) follows the name when not 0.
  void Number(std::string_view name, long engine, long ref, int at = 0) {
    if (engine != ref) Add(name, at, std::to_string(engine), std::to_string(ref));
  }
  // An item index, shown as its item text.
  template <std::size_t N>
  void Item(std::string_view name, const std::array<std::string_view, N>& items, int engine,
            int ref, int at = 0) {
    if (engine != ref) Add(name, at, ItemText(items, engine), ItemText(items, ref));
  }
  // A sixty-cycle number, shown as its GanZhi.
  void GanZhi(std::string_view name, int engine, int ref) {
    if (engine != ref) Add(name, 0, GanZhiText(engine), GanZhiText(ref));
  }
  void Text(std::string_view name, const std::string& engine, const std::string& ref) {
    if (engine != ref) Add(name, 0, engine, ref);
  }
  void Moment(double engine, double ref) {
    if (engine == ref) return;
    std::array<char, 64> e{}, r{};
    std::snprintf(e.data(), e.size(), "%.17g", engine);
    std::snprintf(r.data(), r.size(), "%.17g", ref);
    Add("moment", 0, e.data(), r.data());
  }
  template <typename A, typename B>
  void Numbers(std::string_view name, const A& engine, const B& ref) {
    for (std::size_t i = 0; i < engine.size() && i < ref.size(); ++i) {
      Number(name, engine[i], ref[i], static_cast<int>(i) + 1);
    }
  }
  const std::string& str() const { return out_; }

 private:
  void Add(std::string_view name, int at, const std::string& engine, const std::string& ref) {
    out_ += name;
    if (at != 0) out_ += std::to_string(at);
    out_ += ": engine " + engine + ", reference " + ref + "; ";
  }
  std::string out_;
};

}  // namespace

std::string ChartDifferences(const chart::Chart& engine, const Chart& ref) {
  Differ d;
  d.Number("year", engine.date.year, ref.year);
  d.Number("month", engine.date.month, ref.month);
  d.Number("day", engine.date.day, ref.day);
  d.Number("hour", engine.date.hour, ref.hour);
  d.Number("minute", engine.date.minute, ref.minute);
  d.Moment(engine.moment, ref.moment);
  d.GanZhi("year pillar", engine.pillars.year, ref.year_pillar);
  d.GanZhi("month pillar", engine.pillars.month, ref.month_pillar);
  d.GanZhi("day pillar", engine.pillars.day, ref.day_pillar);
  d.GanZhi("hour pillar", engine.pillars.hour, ref.hour_pillar);
  d.Item("term", kTermItems, static_cast<int>(engine.term) - 1, ref.term - 1);
  d.Number("yuan", static_cast<int>(engine.yuan), ref.yuan);
  d.Number("ju", engine.ju, ref.ju);
  d.Number("xun", engine.xun, ref.xun);
  d.Item("hour stem", kInstrumentItems, ItemOf(engine.hour_stem), ref.hour_stem);
  d.Number("hour branch", static_cast<int>(engine.hour_branch), ref.hour_branch);
  d.Numbers("void palace ",
            std::array<int, 2>{engine.void_palaces[0].number(), engine.void_palaces[1].number()},
            ref.void_palaces);
  d.Number("horse palace", engine.horse_palace.number(), ref.horse_palace);
  d.Item("duty star", kStarItems, ItemOf(engine.duty_star), ref.duty_star);
  d.Number("duty star palace", engine.duty_star_palace.number(), ref.duty_star_palace);
  d.Item("duty gate", kGateItems, ItemOf(engine.duty_gate), ref.duty_gate);
  d.Number("duty gate palace", NumberOf(engine.duty_gate_palace), ref.duty_gate_palace);
  d.Item("duty gate target", kInstrumentItems, ItemOf(engine.duty_gate_target),
         ref.duty_gate_target);
  for (const chart::Palace palace : kPalaces) {
    const PalaceCell& e = engine.cell(palace);
    const Palace& r = ref.palaces[palace.index()];
    const int p = palace.number();
    d.Item("earth of palace ", kInstrumentItems, ItemOf(e.earth_stem), r.earth, p);
    d.Item("heaven of palace ", kInstrumentItems, ItemOf(e.heaven_stem), r.heaven, p);
    d.Item("hidden of palace ", kInstrumentItems, ItemOf(e.hidden_stem), r.hidden, p);
    d.Item("star of palace ", kStarItems, ItemOf(e.star), r.star, p);
    d.Item("gate of palace ", kGateItems, ItemOf(e.gate), r.gate, p);
    d.Item("deity of palace ", kDeityItems, ItemOf(e.deity), r.deity, p);
    d.Item("counter-deity of palace ", kDeityShortItems, ItemOf(e.counter_deity), r.counter_deity,
           p);
  }
  return d.str();
}

std::string TextDifferences(const chart::Chart& engine, const Chart& ref) {
  Differ d;
  auto utf8 = [](std::string_view gbk) { return runtime::Utf8FromGbk(gbk); };
  d.Text("编辑框2", utf8(PillarsText(engine.pillars).view()), ref.pillars_text);
  d.Text("标签24", utf8(TermText(engine).view()), ref.term_text);
  d.Text("juText", utf8(JuText(engine).view()), ref.ju_text);
  d.Text("标签23", utf8(XunText(engine)), ref.xun_text);
  d.Text("标签25", utf8(DutyText(engine).view()), ref.duty_text);
  return d.str();
}

std::string BoxDifferences(const PlateModel& model, ui::CentreMarkers& markers,
                           const Boxes& boxes) {
  ui::PlaceCentreStemAfterPlotting(model, markers);
  Differ d;
  d.Numbers("地干支", model.earth, boxes.earth);
  d.Numbers("天干支", model.heaven, boxes.heaven);
  d.Numbers("暗干", model.hidden, boxes.hidden);
  d.Numbers("星", model.stars, boxes.stars);
  d.Numbers("门", model.gates, boxes.gates);
  d.Numbers("八神", model.deities, boxes.deities);
  d.Numbers("反扑", model.counter_deities, boxes.counter_deities);
  d.Number("earth counter", model.counters.earth, boxes.earth_counter);
  d.Number("hidden counter", model.counters.hidden, boxes.hidden_counter);
  d.Number("star counter", model.counters.star, boxes.star_counter);
  d.Number("gate counter", model.counters.gate, boxes.gate_counter);
  d.Number("deity counter", model.counters.deity, boxes.deity_counter);
  d.Number("标签15", model.LabelNumber(CounterLabel::Gate), boxes.gate_label);
  d.Number("标签16", model.LabelNumber(CounterLabel::Star), boxes.star_label);
  d.Number("标签18", model.LabelNumber(CounterLabel::Deity), boxes.deity_label);
  d.Number("标签20", model.LabelNumber(CounterLabel::Stems), boxes.stem_label);
  d.Number("标签22 left", markers.marker.left, boxes.marker.left);
  d.Number("标签22 top", markers.marker.top, boxes.marker.top);
  d.Number("天干支5 left", markers.stem.left, boxes.centre_stem.left);
  d.Number("天干支5 top", markers.stem.top, boxes.centre_stem.top);
  return d.str();
}

void PlaceStarBoxes(ui::CentreMarkers& markers, Boxes& boxes) {
  for (int k = 0; k < 8; ++k) {
    const Point at = {200 + 97 * k, 120 + 61 * ((k * 3) % 8)};
    boxes.star_boxes[static_cast<std::size_t>(k)] = at;
    markers.star_boxes[static_cast<std::size_t>(k)] = {at.left, at.top};
  }
}

}  // namespace veltrane::chart::reference
