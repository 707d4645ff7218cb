#include "web/page_chart.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "app/cli_chart_json.h"
#include "app/cli_run.h"
#include "base/text/gbk.h"
#include "chart/plot_chart.h"
#include "ui/window_texts.h"

namespace veltrane::web {
namespace {

using chart::ChartMoment;

PageRequest RequestAt(const ChartMoment& moment) {
  PageRequest request;
  request.moment = moment;
  request.local = moment;
  return request;
}

// The moments of a walk over the years, seven hours and some minutes apart,
// under each option in turn.
template <typename Check>
void ForEachMoment(Check check) {
  for (int i = 0; i < 1500; ++i) {
    const int year = 1800 + (i * 37) % 1200;
    ChartMoment m =
        chart::ClampChartMoment(year, 1 + i % 12, 1 + (i * 7) % 31, (i * 7) % 24, (i * 13) % 60);
    PageRequest request = RequestAt(m);
    request.options.method = static_cast<chart::ChartMethod>(i % chart::kChartMethodCount);
    if (i % 4 == 1) request.options.day_start = chart::DayStart::kAtMidnight;
    if (i % 5 == 2) request.options.centre_palace = chart::CentrePalace::kGenKun;
    if (i % 6 == 3) request.options.longitude = 87.6;
    check(request);
  }
}

TEST(PageChart, GivesTheWindowsLabelsTheToolsTextAndJson) {
  ForEachMoment([](const PageRequest& request) {
    const auto answer = nlohmann::json::parse(PageChartJson(request));
    const chart::Chart chart = chart::ComputeChart(request.moment, request.options);
    const std::string at = app::FormatChartMoment(request.moment);
    EXPECT_EQ(answer["window"]["term"], runtime::Utf8FromGbk(ui::TermText(chart).c_str())) << at;
    EXPECT_EQ(answer["window"]["xun"], runtime::Utf8FromGbk(ui::XunText(chart))) << at;
    EXPECT_EQ(answer["window"]["duty"], runtime::Utf8FromGbk(ui::DutyText(chart).c_str())) << at;
    EXPECT_EQ(answer["view"]["pillars"],
              runtime::Utf8FromGbk(ui::PillarsText(chart.pillars).c_str()))
        << at;
    EXPECT_EQ(answer["text"], app::ChartText(request.moment, app::OutputEncoding::kUtf8, false,
                                             request.near_minutes, request.options))
        << at;
    const app::RunConventions conventions(request.options, {}, request.near_minutes);
    EXPECT_EQ(answer["chart"],
              nlohmann::json::parse(app::ChartJsonLine(request.moment, conventions)))
        << at;
  });
}

TEST(PageChart, RefusesMomentsThePlottingDoesNotTake) {
  for (const ChartMoment& m : {ChartMoment{1799, 12, 31, 23, 59}, ChartMoment{3000, 1, 1, 0, 0},
                               ChartMoment{2023, 2, 29, 12, 0}, ChartMoment{2024, 4, 31, 12, 0},
                               ChartMoment{2024, 1, 1, 24, 0}, ChartMoment{2024, 1, 1, 12, 60},
                               ChartMoment{2024, 0, 1, 12, 0}, ChartMoment{2024, 1, 1, -1, 0}}) {
    const auto answer = nlohmann::json::parse(PageChartJson(RequestAt(m)));
    EXPECT_TRUE(answer.contains("error")) << app::FormatChartMoment(m);
    EXPECT_FALSE(answer.contains("chart"));
  }
  // The typed civil time is checked as well as the instant.
  PageRequest request = RequestAt({2024, 6, 1, 12, 0});
  request.zone = "Europe/Berlin";
  request.local = {2024, 6, 31, 6, 0};
  EXPECT_TRUE(nlohmann::json::parse(PageChartJson(request)).contains("error"));
}

TEST(PageChart, AnyZoneTextStaysInsideItsJsonString) {
  PageRequest request = RequestAt({2024, 6, 1, 12, 0});
  request.local = {2024, 6, 1, 6, 0};
  request.offset_minutes = 120;
  for (const std::string& zone : {std::string("Europe/Berlin"), std::string("a\"b\\c"),
                                  std::string("\x01\n\x1f}"), std::string(300, 'z')}) {
    request.zone = zone;
    const auto answer = nlohmann::json::parse(PageChartJson(request));
    EXPECT_EQ(answer["chart"]["conventions"]["time_zone"], zone.substr(0, 64));
    EXPECT_EQ(answer["chart"]["input"]["date"], "2024-06-01T06:00");
    EXPECT_EQ(answer["chart"]["input"]["utc_offset_minutes"], 120);
  }
}

}  // namespace
}  // namespace veltrane::web
