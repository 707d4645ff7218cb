#include "web/page_chart.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "calendar/lunar_date.h"
#include "chart/boundary_notes.h"
#include "chart/method.h"
#include "chart/option_words.h"
#include "chart/plot_chart.h"
#include "chart/vocabulary.h"
#include "reading/reading.h"
#include "views/chart_conventions.h"
#include "views/chart_json.h"
#include "views/chart_labels.h"
#include "views/chart_svg.h"
#include "views/chart_text.h"
#include "views/chart_view.h"
#include "views/json_string.h"
#include "views/reading_text.h"

namespace veltrane::web {
namespace {

using views::AppendJsonString;
using views::ChartView;
using views::PalaceView;

void AppendField(std::string& out, std::string_view name, std::string_view text) {
  AppendJsonString(out, name);
  out += ':';
  AppendJsonString(out, text);
}

// The window's centre labels: "大雪:中元 阴遁7局", the xun head, and
// "值符天蓬落1宫 值使休门落1宫".
void AppendWindowTexts(std::string& out, const chart::Chart& chart) {
  const views::LabelWords words;
  std::string term;
  views::AppendTermLabel(term, chart, words);
  std::string duty;
  views::AppendDutyLabel(duty, chart, words);
  const bool known_xun = chart.xun >= 0 && chart.xun < chart::kXunCount;
  out += "{";
  AppendField(out, "term", term);
  out += ',';
  AppendField(out, "xun",
              known_xun ? chart::kXunHeads[static_cast<std::size_t>(chart.xun)].text : "");
  out += ',';
  AppendField(out, "duty", duty);
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
    AppendField(out, "detail", views::FindingDetail(finding));
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

constexpr int kMostNearMinutes = 1440;  // a day either side

bool IsPlottable(const chart::ChartMoment& m) {
  return chart::ClampChartMoment(m.year, m.month, m.day, m.hour, m.minute) == m;
}

std::string ErrorJson(std::string_view text) {
  std::string out = "{";
  AppendField(out, "error", text);
  return out + "}";
}

// One option of the page: its key, its default word and its choices.
template <typename Rows>
void AppendChoices(std::string& out, std::string_view key, std::string_view default_word,
                   const Rows& rows) {
  AppendJsonString(out, key);
  out += ":{";
  AppendField(out, "default", default_word);
  out += ",\"choices\":[";
  bool first = true;
  for (const auto& [word, text] : rows) {
    out += first ? "{" : ",{";
    first = false;
    AppendField(out, "word", word);
    out += ',';
    AppendField(out, "text", text);
    out += '}';
  }
  out += "]},";
}

template <typename Value>
std::vector<std::pair<std::string_view, std::string_view>> WordsOf(
    std::span<const chart::OptionWord<Value>> rows) {
  std::vector<std::pair<std::string_view, std::string_view>> words;
  for (const auto& row : rows) words.emplace_back(row.word, row.text);
  return words;
}

}  // namespace

std::optional<chart::ChartOptions> ChartOptionsOfWords(const PageOptionWords& words,
                                                       double longitude) {
  const auto method = chart::ChartMethodOfName(words.method);
  const auto day_start = chart::DayStartOfWord(words.day_start);
  const auto centre = chart::CentrePalaceOfWord(words.centre_palace);
  const auto solar = chart::SolarTimeOfWord(words.solar_time);
  const bool no_longitude = std::isnan(longitude);
  if (!method || !day_start || !centre || !solar ||
      !(no_longitude || (longitude >= -180 && longitude <= 180))) {
    return std::nullopt;
  }
  chart::ChartOptions options;
  options.method = *method;
  options.day_start = *day_start;
  options.centre_palace = *centre;
  if (!no_longitude) {
    options.longitude = longitude;
    options.solar_time = *solar;  // the solar clock of a longitude only
  }
  return options;
}

std::string PageChartJson(const PageRequest& request, std::string_view version) {
  if (!IsPlottable(request.moment) || !IsPlottable(request.local)) {
    return ErrorJson("请输入1800至2999年间的有效日期与时刻");
  }
  if (request.near_minutes < 0 || request.near_minutes > kMostNearMinutes) {
    return ErrorJson("临界分钟须在0至1440之间");
  }
  const std::optional<reading::ReadingProfile> profile =
      request.profile.empty() ? reading::ClassicProfile() : reading::ProfileNamed(request.profile);
  if (!profile) return ErrorJson("没有这个解读流派");
  const chart::Chart chart = chart::ComputeChart(request.moment, request.options);
  const chart::ChartBoundaries boundaries = chart::ComputeBoundaries(chart, request.options);
  const ChartView view = views::ViewOfChart(chart);
  const reading::Reading read = reading::Read(chart, *profile);
  const std::optional<calendar::LunarDate> lunar =
      calendar::GregorianToLunar(static_cast<std::uint16_t>(request.moment.year),
                                 static_cast<std::uint16_t>(request.moment.month),
                                 static_cast<std::uint16_t>(request.moment.day));
  const std::string zone = views::ZoneJson(request.zone);
  const std::string conventions = views::ConventionsJson(request.options, request.zone);
  const views::JsonRun run{version, conventions, zone, request.options.solar_time,
                           request.near_minutes};
  const views::JsonInput input{request.local, request.offset_minutes, request.ambiguous};

  std::string out;
  out.reserve(24576);
  out += "{\"chart\":";
  views::AppendChartJson(out, request.moment, chart, lunar, boundaries, run,
                         request.zone.empty() ? nullptr : &input, &read);
  out += ',';
  AppendField(out, "text", views::FormatChartText(view));
  out += ',';
  AppendField(out, "svg", views::FormatChartSvg(chart));
  out += ',';
  AppendField(out, "notes",
              chart::FormatBoundaryNotes(chart, request.options, boundaries, request.near_minutes));
  out += ",\"window\":";
  AppendWindowTexts(out, chart);
  out += ",\"view\":";
  AppendView(out, view);
  out += ",\"reading\":";
  AppendReading(out, read);
  out += '}';
  return out;
}

std::string PageOptionsJson() {
  const views::ConventionKeys& key = views::kConventionKeys;
  const chart::ChartOptions defaults;
  std::vector<std::pair<std::string_view, std::string_view>> methods;
  for (int m = 0; m < chart::kChartMethodCount; ++m) {
    const auto method = static_cast<chart::ChartMethod>(m);
    methods.emplace_back(chart::ChartMethodName(method), chart::ChartMethodText(method));
  }
  std::vector<std::pair<std::string_view, std::string_view>> profiles;
  for (const reading::ReadingProfile& profile : reading::Profiles()) {
    profiles.emplace_back(profile.name, profile.description);
  }
  std::string out = "{";
  AppendChoices(out, key.method, chart::ChartMethodName(defaults.method), methods);
  AppendChoices(out, key.day_start, chart::WordOf(defaults.day_start),
                WordsOf(chart::DayStartWords()));
  AppendChoices(out, key.centre_palace, chart::WordOf(defaults.centre_palace),
                WordsOf(chart::CentrePalaceWords()));
  AppendChoices(out, key.solar_time, chart::WordOf(defaults.solar_time),
                WordsOf(chart::SolarTimeWords()));
  AppendChoices(out, "profile", reading::ClassicProfile().name, profiles);
  AppendJsonString(out, key.time_zone);
  out += ":{";
  AppendField(out, "default", views::kChinaZoneName);
  out += "},\"near_minutes\":{\"default\":" + std::to_string(chart::kDefaultNearMinutes) + "}}";
  return out;
}

}  // namespace veltrane::web
