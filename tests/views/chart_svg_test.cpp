// The SVG drawing of a chart: well-formed XML holding every text the window
// shows for the chart, in the window's layout and colours.
#include "views/chart_svg.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "chart/plot_chart.h"
#include "views/chart_view.h"

namespace veltrane::views {
namespace {

// A small XML reader: elements nest and close in order, attribute values are
// quoted, and no text holds a bare '<' or '&'. Returns "" or what is wrong.
std::string XmlFault(std::string_view xml) {
  std::vector<std::string> open;
  std::size_t i = 0;
  if (xml.starts_with("<?xml")) i = xml.find("?>") + 2;
  while (i < xml.size()) {
    if (xml[i] == '&') {
      const std::size_t end = xml.find(';', i);
      const std::string_view entity =
          xml.substr(i, end == std::string_view::npos ? 0 : end - i + 1);
      if (entity != "&lt;" && entity != "&gt;" && entity != "&amp;" && entity != "&quot;") {
        return "bare & at " + std::to_string(i);
      }
      i = end + 1;
      continue;
    }
    if (xml[i] != '<') {
      ++i;
      continue;
    }
    const std::size_t end = xml.find('>', i);
    if (end == std::string_view::npos) return "unclosed tag at " + std::to_string(i);
    std::string_view tag = xml.substr(i + 1, end - i - 1);
    if (tag.find('<') != std::string_view::npos) return "'<' inside a tag at " + std::to_string(i);
    std::size_t quotes = 0;
    for (char c : tag) quotes += c == '"';
    if (quotes % 2 != 0) return "unbalanced quotes at " + std::to_string(i);
    if (tag.starts_with("/")) {
      if (open.empty() || open.back() != tag.substr(1))
        return "misnested </" + std::string(tag.substr(1));
      open.pop_back();
    } else if (!tag.ends_with("/")) {
      open.emplace_back(tag.substr(0, tag.find_first_of(" \n")));
    }
    i = end + 1;
  }
  return open.empty() ? "" : "unclosed <" + open.back();
}

std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
    ++n;
  return n;
}

// Charts of both duns, under 艮坤 and under a method, and a 甲 hour.
TEST(ChartSvg, WellFormedAndHoldsTheChartsTexts) {
  chart::ChartOptions gen_kun;
  gen_kun.centre_palace = chart::CentrePalace::kGenKun;
  chart::ChartOptions zhirun;
  zhirun.method = chart::ChartMethod::kZhirun;
  const struct {
    chart::ChartMoment moment;
    chart::ChartOptions options;
  } cases[] = {{{2015, 12, 22, 12, 45}, {}},
               {{2024, 6, 30, 8, 0}, {}},
               {{2024, 12, 22, 12, 0}, zhirun},
               {{2001, 12, 27, 4, 0}, gen_kun}};
  for (const auto& c : cases) {
    const chart::Chart chart = chart::ComputeChart(c.moment, c.options);
    const ChartView view = ViewOfChart(chart);
    const std::string svg = FormatChartSvg(chart);
    SCOPED_TRACE(svg);
    ASSERT_EQ(XmlFault(svg), "");
    EXPECT_TRUE(svg.starts_with("<?xml"));
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    for (const chart::Palace p : chart::kPalaces) {
      const PalaceView& cell = view.palaces[p.index()];
      for (const std::string* text :
           {&cell.hidden, &cell.earth, &cell.star, &cell.gate, &cell.deity, &cell.counter_deity}) {
        if (!text->empty()) {
          EXPECT_NE(svg.find(">" + *text + "<"), std::string::npos) << *text;
        }
      }
    }
    EXPECT_NE(svg.find(view.pillars), std::string::npos);
    EXPECT_NE(svg.find(">" + view.centre + "<"), std::string::npos);
    EXPECT_NE(svg.find(std::string(chart::Text(chart.term)) + ":"), std::string::npos);
    EXPECT_NE(svg.find("值符" + std::string(chart::Text(chart.duty_star)) + "落"),
              std::string::npos);
    EXPECT_NE(
        svg.find(">" + std::string(chart::kXunHeads[static_cast<std::size_t>(chart.xun)].text) +
                 "<"),
        std::string::npos);
    EXPECT_NE(svg.find("公历时间：" + view.year + "年"), std::string::npos);
    // Two void marks, one horse, one 禽 beside the centre star; nine captions.
    EXPECT_EQ(Count(svg, ">空<"), 2u);
    EXPECT_EQ(Count(svg, ">馬<"), 1u);
    EXPECT_EQ(Count(svg, ">禽<"), 1u);
    EXPECT_EQ(Count(svg, "class=\"caption\""), 9u);
    // The window's colours: red rules and marks, blue captions, green labels.
    EXPECT_EQ(Count(svg, "stroke=\"#ff0000\""), 4u);
    EXPECT_NE(svg.find("fill=\"#0060c0\">坎一宫"), std::string::npos);
    EXPECT_NE(svg.find("class=\"centre-term\" x=\"264\""), std::string::npos);
  }
}

// The drawing in 繁體 and English: well formed, every box's text in the
// script, its captions and marks too; English draws no Chinese at all.
TEST(ChartSvg, DrawsInEveryScript) {
  chart::ChartOptions gen_kun;
  gen_kun.centre_palace = chart::CentrePalace::kGenKun;
  for (const chart::ChartOptions& options : {chart::ChartOptions{}, gen_kun}) {
    const chart::Chart chart = chart::ComputeChart({2001, 12, 27, 4, 0}, options);
    for (const chart::Script script : {chart::Script::kHant, chart::Script::kEn}) {
      const ChartView view = ViewOfChart(chart, script);
      const std::string svg = FormatChartSvg(chart, script);
      SCOPED_TRACE(svg);
      ASSERT_EQ(XmlFault(svg), "");
      for (const chart::Palace p : chart::kPalaces) {
        const PalaceView& cell = view.palaces[p.index()];
        for (const std::string* text : {&cell.hidden, &cell.earth, &cell.star, &cell.gate,
                                        &cell.deity, &cell.counter_deity}) {
          if (!text->empty()) {
            EXPECT_NE(svg.find(">" + *text + "<"), std::string::npos) << *text;
          }
        }
      }
      EXPECT_NE(svg.find(">" + view.centre + "<"), std::string::npos);
      EXPECT_EQ(Count(svg, "class=\"caption\""), 9u);
      if (script == chart::Script::kHant) {
        EXPECT_NE(svg.find(">坎一宮 正北方 為水<"), std::string::npos);
        EXPECT_NE(svg.find("值符天蓬落8宮 值使休門落3宮"), std::string::npos);
        EXPECT_EQ(Count(svg, ">禽<"), 1u);
      } else {
        EXPECT_NE(svg.find(">Zhifu Peng in 8, Zhishi Rest in 3<"), std::string::npos);
        EXPECT_NE(svg.find(">Jiazi Wu<"), std::string::npos);
        EXPECT_EQ(Count(svg, ">Void<"), 2u);
        EXPECT_EQ(Count(svg, ">Horse<"), 1u);
        EXPECT_EQ(Count(svg, ">Qin<"), 1u);
        for (const char c : svg) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
      }
    }
  }
}

}  // namespace
}  // namespace veltrane::views
