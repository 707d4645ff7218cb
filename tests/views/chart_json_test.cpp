// The JSON line of a chart: valid JSON with every field, however long the
// run's texts make it (beyond the writer's inline room).
#include "views/chart_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "chart/chart_boundaries.h"
#include "chart/plot_chart.h"

namespace veltrane::views {
namespace {

struct Line {
  chart::ChartMoment moment{2015, 12, 22, 12, 45};
  chart::Chart chart = chart::ComputeChart(moment);
  chart::ChartBoundaries boundaries = chart::ComputeBoundaries(chart);

  std::string Json(const JsonRun& run, const JsonInput* input = nullptr) const {
    std::string out = "prefix ";
    AppendChartJson(out, moment, chart, calendar::LunarDate{2015, 11, 12, false}, boundaries, run,
                    input);
    EXPECT_EQ(out.substr(0, 7), "prefix ");  // appended after what the caller had
    return out.substr(7);
  }
};

TEST(ChartJson, AChartOfTheWindowsDefaults) {
  const Line line;
  const nlohmann::json json = nlohmann::json::parse(line.Json(JsonRun{"1.2.3"}));
  EXPECT_EQ(json["veltrane"], "1.2.3");
  EXPECT_EQ(json["date"], "2015-12-22T12:45");
  EXPECT_EQ(json["palaces"].size(), 9u);
  EXPECT_FALSE(json["palaces"]["5"].contains("star"));
  EXPECT_EQ(json["lunar"]["month"], 11);
  EXPECT_EQ(json["input"]["time_zone"], "UTC+8");
  EXPECT_EQ(json["input"]["utc_offset_minutes"], 480);
  EXPECT_EQ(json["solar_clock"]["kind"], "standard");
  EXPECT_EQ(json["solar_clock"]["longitude_correction_seconds"], 0.0);
}

// A run's conventions and zone texts of many kilobytes: the line grows past
// the inline 4 kB and keeps every byte, the chart's fields after them included.
TEST(ChartJson, LongRunTextsGrowTheLine) {
  const Line line;
  for (std::size_t size : {4000u, 4096u, 5000u, 70000u}) {
    const std::string zone = "\"" + std::string(size, 'z') + "\"";
    const std::string conventions = "{\"note\":\"" + std::string(size, 'c') + "\"}";
    const JsonInput input{{2015, 12, 22, 5, 45}, -420, true};
    const std::string text = line.Json(JsonRun{"1", conventions, zone}, &input);
    const nlohmann::json json = nlohmann::json::parse(text);
    EXPECT_EQ(json["conventions"]["note"].get<std::string>().size(), size);
    EXPECT_EQ(json["input"]["time_zone"].get<std::string>().size(), size);
    EXPECT_EQ(json["input"]["date"], "2015-12-22T05:45");
    EXPECT_EQ(json["input"]["utc_offset_minutes"], -420);
    EXPECT_TRUE(json["input"]["ambiguous"]);
    EXPECT_TRUE(json["boundaries"].contains("term_uncertainty_seconds"));
  }
}

// A chart plotted for a longitude writes its clock's corrections to a tenth.
TEST(ChartJson, SolarClockCorrections) {
  chart::ChartOptions options;
  options.longitude = 87.6;
  Line line;
  line.chart = chart::ComputeChart(line.moment, options);
  line.boundaries = chart::ComputeBoundaries(line.chart, options);
  const nlohmann::json json = nlohmann::json::parse(line.Json(JsonRun{"1"}));
  EXPECT_EQ(json["solar_clock"]["kind"], "apparent");
  const double correction = json["solar_clock"]["longitude_correction_seconds"];
  EXPECT_NEAR(correction, (87.6 - 120.0) * 240.0, 0.05);
}

// Values no chart of the plotting has still give valid JSON: a clock
// correction that is no finite number is null, and a year beyond four digits
// is written in full.
TEST(ChartJson, OutOfRangeValuesStayValidJson) {
  Line line;
  line.chart.solar_clock = chart::SolarClock{{12345, 1, 2, 3, 4}, 5, std::nan(""), HUGE_VAL};
  line.moment = {12345, 1, 2, 3, 4};
  const nlohmann::json json = nlohmann::json::parse(line.Json(JsonRun{"1"}));
  EXPECT_TRUE(json["solar_clock"]["longitude_correction_seconds"].is_null());
  EXPECT_TRUE(json["solar_clock"]["equation_of_time_seconds"].is_null());
  EXPECT_EQ(json["solar_clock"]["time"], "12345-01-02T03:04:05");
  EXPECT_EQ(json["date"], "12345-01-02T03:04");
}

// A caller's members follow the reading, last and in order, and texts in them are escaped.
TEST(ChartJson, ExtraMembersComeLast) {
  const Line line;
  const std::vector<std::string> texts = {"reading=青龙返首@3", "a \"quoted\\ \x01 text", ""};
  std::string matched;
  AppendJsonStrings(matched, texts);
  const JsonMember extra[] = {{"matched", matched}, {"n", "7"}};
  const reading::Reading reading = reading::Read(line.chart);
  std::string out;
  AppendChartJson(out, line.moment, line.chart, std::nullopt, line.boundaries, JsonRun{"1"},
                  nullptr, &reading, extra);
  const nlohmann::ordered_json json = nlohmann::ordered_json::parse(out);
  EXPECT_EQ(json["matched"].get<std::vector<std::string>>(), texts);
  EXPECT_EQ(json["n"], 7);
  const auto last = std::prev(json.end(), 3);
  EXPECT_EQ(last.key(), "reading");

  std::string empty;
  AppendJsonStrings(empty, {});
  EXPECT_EQ(empty, "[]");
}

}  // namespace
}  // namespace veltrane::views
