#include "window_chart_json.h"

#include <charconv>
#include <string>

#include "app/version.h"
#include "base/text/gbk.h"
#include "calendar/date_time.h"
#include "calendar/lunar_date.h"
#include "chart/vocabulary.h"
#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "form/values/value_ops.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"

namespace veltrane::app {
namespace {

using nlohmann::ordered_json;
using runtime::Utf8FromGbk;
using ui::ControlId;
using ui::kMainWindow;

std::string ShownText(ControlId control, runtime::PropertyIndex property) {
  return Utf8FromGbk(runtime::ReadText(kMainWindow, control, property).view());
}

// The item a combo box shows, or null when it shows none.
ordered_json ShownItem(ControlId combo) {
  const runtime::HeapText item = runtime::ops::ItemText(
      kMainWindow, combo, runtime::ReadInt(kMainWindow, combo, runtime::kComboSelection));
  if (item.view().empty()) return nullptr;
  return Utf8FromGbk(item.view());
}

// The four pillars of 编辑框2, two characters each.
ordered_json Pillars() {
  const runtime::HeapText shown =
      runtime::ReadText(kMainWindow, ui::kPillarsBox, runtime::kEditContent);
  const std::string_view gbk = shown.view();
  ordered_json pillars = ordered_json::array();
  std::size_t pos = 0;
  while (pos < gbk.size()) {
    std::size_t end = pos;
    for (int chars = 0; chars < 2 && end < gbk.size(); ++chars) {
      end += runtime::GbkCharLength(gbk, end);
    }
    pillars.push_back(Utf8FromGbk(gbk.substr(pos, end - pos)));
    pos = end;
  }
  return pillars;
}

ordered_json Palaces() {
  ordered_json palaces = ordered_json::object();
  for (int p = 1; p <= chart::kPalaceCount; ++p) {
    ordered_json cell = ordered_json::object();
    const std::size_t i = static_cast<std::size_t>(p - 1);
    const int k = chart::RingPositionOfPalace(p);
    const std::size_t r = static_cast<std::size_t>(k - 1);
    cell["earth"] = ShownItem(ui::kEarthStemBoxes[i]);
    cell["heaven"] = ShownItem(ui::kHeavenStemBoxes[i]);
    if (k != 0) {
      cell["star"] = ShownItem(ui::kStarBoxes[r]);
      cell["gate"] = ShownItem(ui::kGateBoxes[r]);
      cell["deity"] = ShownItem(ui::kDeityBoxes[r]);
    }
    cell["hidden"] = ShownItem(ui::kHiddenStemBoxes[i]);
    if (k != 0) cell["counter_deity"] = ShownItem(ui::kCounterDeityBoxes[r]);
    palaces[std::to_string(p)] = std::move(cell);
  }
  return palaces;
}

ordered_json Lunar(const ChartMoment& m) {
  int year = 0;
  int month = 0;
  int day = 0;
  bool leap = false;
  const double moment = calendar::ComposeDateTime(m.year, m.month, m.day, m.hour, m.minute, 0);
  if (!calendar::ToLunarDate(moment, year, month, day, leap)) return nullptr;
  return ordered_json{{"year", year}, {"month", month}, {"day", day}, {"leap", leap}};
}

ordered_json TextOrNull(std::string text) {
  if (text.empty()) return nullptr;
  return text;
}

}  // namespace

TermLabelParts SplitTermLabel(std::string_view utf8) {
  // term ":" yuan " " dun "遁" ju "局"
  TermLabelParts parts;
  const std::size_t colon = utf8.find(':');
  const std::size_t blank = utf8.find(' ', colon == std::string_view::npos ? 0 : colon);
  if (colon == std::string_view::npos || blank == std::string_view::npos) return parts;
  parts.term = std::string(utf8.substr(0, colon));
  parts.yuan = std::string(utf8.substr(colon + 1, blank - colon - 1));
  const std::string_view dun_ju = utf8.substr(blank + 1);
  constexpr std::string_view kDun = "遁";
  const std::size_t dun_end = dun_ju.find(kDun);
  if (dun_end == std::string_view::npos) return parts;
  parts.dun = std::string(dun_ju.substr(0, dun_end));
  const std::string_view number = dun_ju.substr(dun_end + kDun.size());
  std::from_chars(number.data(), number.data() + number.size(), parts.ju);
  return parts;
}

// The window plots China Standard Time under the default conventions, on
// the standard clock.
void AddWindowConventions(ordered_json& chart, const ChartMoment& moment) {
  const std::string when = FormatChartMoment(moment);
  chart["conventions"] = {{"method", "chaibu"},     {"day_start", 23},
                          {"centre_palace", "kun"}, {"time_zone", "UTC+8"},
                          {"longitude", nullptr},   {"solar_time", "apparent"}};
  chart["input"] = {
      {"date", when}, {"time_zone", "UTC+8"}, {"utc_offset_minutes", 480}, {"ambiguous", false}};
  chart["instant_utc8"] = when;
  chart["solar_clock"] = {{"kind", "standard"},
                          {"time", when + ":00"},
                          {"longitude_correction_seconds", 0.0},
                          {"equation_of_time_seconds", 0.0}};
}

ordered_json ShownChartJson(const ChartMoment& moment, const ui::KeptPlotting& kept) {
  const TermLabelParts term = SplitTermLabel(ShownText(ui::kTermLabel, runtime::kLabelCaption));

  ordered_json chart = ordered_json::object();
  chart["veltrane"] = kVersion;  // which version made this chart
  chart["date"] = FormatChartMoment(moment);
  chart["pillars"] = Pillars();
  chart["term"] = TextOrNull(term.term);
  chart["yuan"] = TextOrNull(term.yuan);
  chart["dun"] = TextOrNull(term.dun);
  chart["ju"] = term.ju;
  chart["xun"] = TextOrNull(ShownText(ui::kXunLabel, runtime::kLabelCaption));
  chart["void_palaces"] = kept.void_palaces;
  chart["horse_palace"] = kept.horse_palace;
  chart["duty_star"] = TextOrNull(Utf8FromGbk(kept.duty_star_name.view()));
  chart["duty_star_palace"] = kept.duty_star_palace;
  chart["duty_gate"] = TextOrNull(Utf8FromGbk(kept.duty_gate_name.view()));
  chart["duty_gate_palace"] = kept.duty_gate_palace;
  chart["palaces"] = Palaces();
  chart["lunar"] = Lunar(moment);
  AddWindowConventions(chart, moment);
  return chart;
}

}  // namespace veltrane::app
