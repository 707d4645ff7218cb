#include "web/page_chart.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "app/cli_chart_json.h"
#include "chart/boundary_notes.h"
#include "chart/box_items.h"
#include "chart/chart_boundaries.h"
#include "chart/chart_text.h"
#include "chart/chart_view.h"
#include "chart/plot_chart.h"
#include "chart/vocabulary.h"
#include "reading/reading.h"
#include "reading/reading_text.h"

namespace veltrane::web {
namespace {

using namespace chart;  // the vocabulary

// A JSON string of UTF-8 text: quotes, backslashes and control bytes escaped.
void AppendString(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendField(std::string& out, std::string_view name, std::string_view text) {
  AppendString(out, name);
  out += ':';
  AppendString(out, text);
}

template <std::size_t N>
std::string_view Item(const std::array<std::string_view, N>& list, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? list[static_cast<std::size_t>(index)]
                                                           : std::string_view();
}

char Digit(int n) { return static_cast<char>('0' + (n >= 0 && n <= 9 ? n : 0)); }

// The window's centre labels: "大雪:中元 阴遁7局", the xun head, and
// "值符天蓬落1宫 值使休门落1宫".
std::string TermLabel(const Chart& chart) {
  std::string text(Item(kTermTexts, static_cast<int>(chart.term) - 1));
  text += ':';
  text += Item(kYuanTexts, static_cast<int>(chart.yuan) - 1);
  text += ' ';
  text += Item(kDunTexts, static_cast<int>(chart.dun()));
  text += "遁";
  text += Digit(std::abs(chart.ju));
  text += "局";
  return text;
}

std::string DutyLabel(const Chart& chart) {
  std::string text = "值符";
  text += Item(kStarItems, ItemOf(chart.duty_star));
  text += "落";
  text += Digit(chart.duty_star_palace.number());
  text += "宫 值使";
  text += Item(kGateItems, ItemOf(chart.duty_gate));
  text += "落";
  text += Digit(NumberOf(chart.duty_gate_palace));
  text += "宫";
  return text;
}

void AppendWindowTexts(std::string& out, const Chart& chart) {
  out += "{";
  AppendField(out, "term", TermLabel(chart));
  out += ',';
  const bool known_xun = chart.xun >= 0 && chart.xun < kXunCount;
  AppendField(out, "xun", known_xun ? kXunHeads[static_cast<std::size_t>(chart.xun)].text : "");
  out += ',';
  AppendField(out, "duty", DutyLabel(chart));
  out += '}';
}

// The fields of a palace's texts, in the order the page reads them.
constexpr std::array<std::pair<std::string_view, std::string PalaceView::*>, 7> kPalaceFields = {{
    {"hidden", &PalaceView::hidden},
    {"deity", &PalaceView::deity},
    {"star", &PalaceView::star},
    {"heaven", &PalaceView::heaven},
    {"gate", &PalaceView::gate},
    {"counter_deity", &PalaceView::counter_deity},
    {"earth", &PalaceView::earth},
}};

void AppendView(std::string& out, const ChartView& view) {
  out += "{";
  AppendField(out, "pillars", view.pillars);
  out += ',';
  AppendField(out, "centre", view.centre);
  out += ',';
  AppendField(out, "centre_star", view.centre_star);
  out += ",\"void_palaces\":[";
  out += std::to_string(view.void_palaces[0]) + "," + std::to_string(view.void_palaces[1]);
  out += "],\"horse_palace\":" + std::to_string(view.horse_palace);
  out += ",\"palaces\":[";
  for (std::size_t p = 0; p < view.palaces.size(); ++p) {
    out += p ? ",{" : "{";
    for (std::size_t f = 0; f < kPalaceFields.size(); ++f) {
      if (f) out += ',';
      AppendField(out, kPalaceFields[f].first, view.palaces[p].*kPalaceFields[f].second);
    }
    out += '}';
  }
  out += "]}";
}

// The findings with their rules' names, kinds and sources, for the panel.
void AppendReading(std::string& out, const reading::Reading& read) {
  out += "{";
  AppendField(out, "profile", read.profile.name);
  out += ",\"findings\":[";
  bool first = true;
  for (const reading::Finding& finding : read.findings()) {
    const reading::Rule& rule = finding.rule_row();
    out += first ? "{" : ",{";
    first = false;
    AppendField(out, "rule", rule.id);
    out += ',';
    AppendField(out, "name", rule.name);
    out += ',';
    AppendField(out, "kind", reading::Word(rule.kind));
    out += ',';
    AppendField(out, "kind_text", reading::Text(rule.kind));
    out += ",\"palace\":" + std::to_string(finding.palace) + ",";
    AppendField(out, "detail", reading::FindingDetail(finding));
    out += ',';
    AppendField(out, "line", rule.line);
    out += ",\"source\":{";
    AppendField(out, "book", rule.source.book);
    out += ',';
    AppendField(out, "chapter", rule.source.chapter);
    out += ',';
    AppendField(out, "quote", rule.source.quote);
    out += ',';
    AppendField(out, "note", rule.source.note);
    out += "}}";
  }
  out += read.truncated ? "],\"truncated\":true}" : "],\"truncated\":false}";
}

bool IsPlottable(const ChartMoment& m) {
  return ClampChartMoment(m.year, m.month, m.day, m.hour, m.minute) == m;
}

}  // namespace

std::string PageChartJson(const PageRequest& request) {
  std::string out;
  if (!IsPlottable(request.moment) || !IsPlottable(request.local)) {
    out = "{";
    AppendField(out, "error", "请输入1800至2999年间的有效日期与时刻");
    return out + "}";
  }
  const app::RunConventions conventions(request.options, request.zone, request.near_minutes);
  const app::ZonedMoment input{request.local, request.moment, request.offset_minutes,
                               request.ambiguous};
  const Chart chart = ComputeChart(request.moment, request.options);
  const ChartBoundaries boundaries = ComputeBoundaries(chart, request.options);
  const ChartView view = ViewOfChart(chart);
  app::LunarDayCache lunar;

  out.reserve(8192);
  out += "{\"chart\":";
  app::AppendChartJson(out, request.moment, chart, lunar.Of(request.moment), boundaries,
                       conventions, request.zone.empty() ? nullptr : &input);
  out += ',';
  AppendField(out, "text", FormatChartText(view));
  out += ',';
  AppendField(out, "notes",
              FormatBoundaryNotes(chart, request.options, boundaries, request.near_minutes));
  out += ",\"window\":";
  AppendWindowTexts(out, chart);
  out += ",\"view\":";
  AppendView(out, view);
  const std::optional<reading::ReadingProfile> profile = reading::ProfileNamed(request.profile);
  out += ",\"reading\":";
  AppendReading(out, reading::Read(chart, profile.value_or(reading::ClassicProfile())));
  out += '}';
  return out;
}

std::string ProfilesJson() {
  std::string out = "[";
  for (const reading::ReadingProfile& profile : reading::Profiles()) {
    out += out.size() > 1 ? ",{" : "{";
    AppendField(out, "name", profile.name);
    out += ',';
    AppendField(out, "description", profile.description);
    out += '}';
  }
  return out + "]";
}

}  // namespace veltrane::web
