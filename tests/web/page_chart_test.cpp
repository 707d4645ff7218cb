#include "web/page_chart.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include <cmath>
#include <limits>

#include "app/cli_chart_json.h"
#include "app/cli_option_table.h"
#include "app/cli_run.h"
#include "app/version.h"
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
    if (i % 6 == 3) request.options.longitude = -180.0 + (i * 7919 % 3600001) / 10000.0;
    if (i % 12 == 3) request.options.solar_time = chart::SolarTime::kMean;
    check(request);
  }
}

TEST(PageChart, GivesTheWindowsLabelsTheToolsTextAndJson) {
  ForEachMoment([](const PageRequest& request) {
    const auto answer = nlohmann::json::parse(PageChartJson(request, app::kVersion));
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
    const auto answer = nlohmann::json::parse(PageChartJson(RequestAt(m), app::kVersion));
    EXPECT_TRUE(answer.contains("error")) << app::FormatChartMoment(m);
    EXPECT_FALSE(answer.contains("chart"));
  }
  // The typed civil time is checked as well as the instant.
  PageRequest request = RequestAt({2024, 6, 1, 12, 0});
  request.zone = "Europe/Berlin";
  request.local = {2024, 6, 31, 6, 0};
  EXPECT_TRUE(nlohmann::json::parse(PageChartJson(request, app::kVersion)).contains("error"));
}

TEST(PageChart, AnyZoneTextStaysInsideItsJsonString) {
  PageRequest request = RequestAt({2024, 6, 1, 12, 0});
  request.local = {2024, 6, 1, 6, 0};
  request.offset_minutes = 120;
  for (const std::string& zone : {std::string("Europe/Berlin"), std::string("a\"b\\c"),
                                  std::string("\x01\n\x1f}"), std::string(300, 'z')}) {
    request.zone = zone;
    const auto answer = nlohmann::json::parse(PageChartJson(request, app::kVersion));
    EXPECT_EQ(answer["chart"]["conventions"]["time_zone"], zone);
    EXPECT_EQ(answer["chart"]["input"]["date"], "2024-06-01T06:00");
    EXPECT_EQ(answer["chart"]["input"]["utc_offset_minutes"], 120);
  }
}

TEST(PageChart, RefusesNearMinutesAndProfilesItDoesNotKnow) {
  PageRequest request = RequestAt({2024, 6, 1, 12, 0});
  for (int near : {-1, 1441}) {
    request.near_minutes = near;
    EXPECT_TRUE(nlohmann::json::parse(PageChartJson(request, app::kVersion)).contains("error"));
  }
  request.near_minutes = 1440;
  request.profile = "tongzong";
  const auto answer = nlohmann::json::parse(PageChartJson(request, app::kVersion));
  EXPECT_EQ(answer["reading"]["profile"], "tongzong");
  EXPECT_EQ(answer["chart"]["reading"]["profile"], "tongzong");
  request.profile = "nonesuch";
  EXPECT_TRUE(nlohmann::json::parse(PageChartJson(request, app::kVersion)).contains("error"));
}

// The page offers the tool's words: each choice reads back as the option it
// names, each default is the tool's, and a word of no choice is refused.
TEST(PageChart, OffersTheToolsOptionWordsAndDefaults) {
  const auto options = nlohmann::json::parse(PageOptionsJson());
  for (const app::OptionRow& row : app::OptionTable()) {
    // The chart options with choices; the page keeps 置闰's lead at its default.
    if (row.json_key.empty() || row.values.find('|') == std::string_view::npos ||
        row.id == app::OptionId::kZhirunLead) {
      continue;
    }
    const auto& option = options.at(std::string(row.json_key));
    EXPECT_EQ(option["default"], row.default_value) << row.word;
    std::string words;
    for (const auto& choice : option["choices"]) {
      words += (words.empty() ? "" : "|") + choice["word"].get<std::string>();
      EXPECT_FALSE(choice["text"].get<std::string>().empty()) << row.word;
    }
    EXPECT_EQ(words, row.values) << row.word;
  }
  EXPECT_EQ(options["near_minutes"]["default"],
            std::stoi(std::string(app::OptionOf(app::OptionId::kNearMinutes).default_value)));
  EXPECT_EQ(options["profile"]["choices"].size(), reading::Profiles().size());

  const double none = std::numeric_limits<double>::quiet_NaN();
  const auto options_of = [&](PageOptionWords words, double longitude) {
    return ChartOptionsOfWords(words, longitude);
  };
  const auto gen_kun = options_of({"maoshan", "0", "gen-kun", "mean"}, 87.6);
  ASSERT_TRUE(gen_kun);
  EXPECT_EQ(gen_kun->method, chart::ChartMethod::kMaoshan);
  EXPECT_EQ(gen_kun->day_start, chart::DayStart::kAtMidnight);
  EXPECT_EQ(gen_kun->centre_palace, chart::CentrePalace::kGenKun);
  EXPECT_EQ(gen_kun->solar_time, chart::SolarTime::kMean);
  EXPECT_EQ(gen_kun->longitude, 87.6);
  // Without a longitude there is no solar clock to choose.
  EXPECT_EQ(options_of({"chaibu", "23", "kun", "mean"}, none), chart::ChartOptions{});
  for (const PageOptionWords& bad : {PageOptionWords{"", "23", "kun", "apparent"},
                                     PageOptionWords{"chaibu", "24", "kun", "apparent"},
                                     PageOptionWords{"chaibu", "23", "gen", "apparent"},
                                     PageOptionWords{"chaibu", "23", "kun", "Mean"}}) {
    EXPECT_FALSE(options_of(bad, none)) << bad.method << bad.day_start << bad.centre_palace;
  }
  for (double longitude : {-180.5, 181.0, std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(options_of({"chaibu", "23", "kun", "apparent"}, longitude)) << longitude;
  }
}

}  // namespace
}  // namespace veltrane::web
