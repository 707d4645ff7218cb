#include "app/cli_chart_json.h"

#include <gtest/gtest.h>

#include <iterator>

#include <nlohmann/json.hpp>

namespace veltrane::app {
namespace {

TEST(ChartJson, AFieldWithNoItemIsNull) {
  const ChartMoment moment{2001, 12, 27, 4, 0};
  chart::Chart chart = chart::ComputeChart(moment);
  chart.yuan = chart::Yuan::None;
  chart.duty_gate = std::nullopt;
  chart.cells[0].star = std::nullopt;
  std::string line;
  AppendChartJson(line, moment, chart, std::nullopt, chart::ComputeBoundaries(chart));
  const nlohmann::json json = nlohmann::json::parse(line);
  EXPECT_TRUE(json["yuan"].is_null());
  EXPECT_TRUE(json["duty_gate"].is_null());
  EXPECT_TRUE(json["palaces"]["1"]["star"].is_null());
  EXPECT_TRUE(json["lunar"].is_null());
  EXPECT_EQ(json["palaces"]["1"]["gate"], "惊门");
  // The centre palace has no ring fields at all.
  EXPECT_FALSE(json["palaces"]["5"].contains("star"));
}

TEST(ChartJson, BoundariesCloseTheObject) {
  const nlohmann::ordered_json json =
      nlohmann::ordered_json::parse(ChartJsonLine({2015, 12, 22, 12, 45}));
  // The window's fields come first; the boundaries and then the reading close the object.
  ASSERT_EQ(std::prev(json.end(), 2).value(), json["boundaries"]);
  ASSERT_EQ(json.back(), json["reading"]);
  const nlohmann::json want = nlohmann::json::parse(R"({
    "term":{"name":"大雪","start":"2015-12-07T18:53:13+08:00","source":"table"},
    "next_term":{"name":"冬至","start":"2015-12-22T12:47:48+08:00","source":"table"},
    "yuan":{"head":"己巳","start":"2015-12-18T23:00:00+08:00",
            "next_head":"甲戌","next":"2015-12-23T23:00:00+08:00"},
    "hour":{"branch":"午","start":"2015-12-22T11:00:00+08:00","end":"2015-12-22T13:00:00+08:00"},
    "near":[{"edge":"next_term","minutes":2.8}],"term_uncertainty_seconds":28})");
  EXPECT_EQ(nlohmann::json(json["boundaries"]), want);
  // A wider window takes in the hour's end; the formula answers in 1850.
  EXPECT_EQ(nlohmann::json::parse(ChartJsonLine({2015, 12, 22, 12, 45},
                                                RunConventions({}, "", 15)))["boundaries"]["near"],
            nlohmann::json::parse(
                R"([{"edge":"next_term","minutes":2.8},{"edge":"hour_end","minutes":15}])"));
  const nlohmann::json formula = nlohmann::json::parse(ChartJsonLine({1850, 6, 1, 12, 0}));
  EXPECT_EQ(formula["boundaries"]["term"]["source"], "formula");
}

TEST(ChartJson, TheKeptLunarDayAgreesWithTheCalendarOnEveryDay) {
  LunarDayCache cache;
  // Day by day across both ends of the lunar table, leap months included,
  // with a step back and a jump now and then.
  ChartMoment m{1900, 12, 25, 23, 0};
  for (int i = 0; m.year < 2050; ++i) {
    if (m.year == 1915) m = ChartMoment{2035, 1, 1, 0, 0};
    const auto want = calendar::GregorianToLunar(static_cast<std::uint16_t>(m.year),
                                                 static_cast<std::uint16_t>(m.month),
                                                 static_cast<std::uint16_t>(m.day));
    ASSERT_EQ(cache.Of(m), want) << FormatChartMoment(m);
    const int minutes = i % 97 == 0 ? -3 * 1440 : i % 89 == 0 ? 40 * 1440 : 1440;
    m = AddMinutes(m, i % 2 == 0 ? 30 : minutes - 30);
  }
  EXPECT_EQ(cache.Of(ChartMoment{2001, 12, 27, 4, 0}), (calendar::LunarDate{2001, 11, 13, false}));
  EXPECT_FALSE(cache.Of(ChartMoment{1850, 6, 1, 12, 0}).has_value());
}

}  // namespace
}  // namespace veltrane::app
