// For twenty queries of every kind, over one year, the search's hits are exactly the moments
// whose chart, plotted and tested here field by field, satisfies the query; and each hit's
// "matched" names only tests that hold.
#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <variant>

#include "chart/vocabulary.h"
#include "reading/reading.h"
#include "search/query.h"
#include "search/searcher.h"
#include "search_support.h"

namespace veltrane::search {
namespace {

using chart::Chart;
using chart::Gate;
using chart::Palace;
using chart::Stem;
using reading::HasFinding;
using reading::Reading;

const chart::PalaceCell& Cell(const Chart& chart, int palace) {
  return chart.cell(*Palace::Of(palace));
}

struct Case {
  std::string_view query;
  std::function<bool(const Chart&, const Reading&)> holds;
  chart::ChartOptions options{};
};

TEST(SearchAgreement, TwentyQueriesOverAYearAgreeWithTestingEveryChart) {
  chart::ChartOptions gen_kun;
  gen_kun.centre_palace = chart::CentrePalace::kGenKun;
  chart::ChartOptions midnight;
  midnight.day_start = chart::DayStart::kAtMidnight;
  const Case cases[] = {
      {"ju=阴遁七局", [](const Chart& c, const Reading&) { return c.ju == -7; }},
      {"dun=阳 and yuan=中元",
       [](const Chart& c, const Reading&) { return c.ju > 0 && c.yuan == chart::Yuan::Middle; }},
      {"term=冬至 or term=夏至",
       [](const Chart& c, const Reading&) {
         return c.term == chart::SolarTerm::kDongzhi || c.term == chart::SolarTerm::kXiazhi;
       }},
      {"duty_star=天英",
       [](const Chart& c, const Reading&) { return c.duty_star == chart::Star::kYing; }},
      {"duty_gate=开门 and not duty_gate_palace=6",
       [](const Chart& c, const Reading&) {
         return c.duty_gate == Gate::kOpen && c.duty_gate_palace->number() != 6;
       }},
      {"palace(4).gate=开门",
       [](const Chart& c, const Reading&) { return Cell(c, 4).gate == Gate::kOpen; }},
      {"palace(1).heaven=丙 and palace(1).earth=戊",
       [](const Chart& c, const Reading&) {
         return Cell(c, 1).heaven_stem == Stem::kBing && Cell(c, 1).earth_stem == Stem::kWu;
       }},
      {"palace(9).star=天蓬 or palace(9).deity=九天",
       [](const Chart& c, const Reading&) {
         return Cell(c, 9).star == chart::Star::kPeng || Cell(c, 9).deity == chart::Deity::kJiuTian;
       }},
      {"palace(5).gate=开门", [](const Chart&, const Reading&) { return false; }},
      {"day=庚午", [](const Chart& c, const Reading&) { return c.pillars.day == 7; }},
      {"hour=甲子 or hour=甲午",
       [](const Chart& c, const Reading&) { return c.pillars.hour == 1 || c.pillars.hour == 31; }},
      {"hour_stem=甲",
       [](const Chart& c, const Reading&) { return (c.pillars.hour - 1) % 10 == 0; }},
      {"month=丙寅 and not (hour_stem=甲 or hour_stem=乙)",
       [](const Chart& c, const Reading&) {
         const int stem = (c.pillars.hour - 1) % 10;
         return c.pillars.month == 3 && stem != 0 && stem != 1;
       }},
      {"year=甲辰", [](const Chart& c, const Reading&) { return c.pillars.year == 41; }},
      {"reading=青龙返首",
       [](const Chart&, const Reading& r) { return HasFinding(r, "qinglong-fanshou"); }},
      {"reading=飞鸟跌穴@9",
       [](const Chart&, const Reading& r) { return HasFinding(r, "feiniao-diexue", 9); }},
      {"reading=tian-dun and dun=阴",
       [](const Chart& c, const Reading& r) { return HasFinding(r, "tian-dun") && c.ju < 0; }},
      {"not reading=五不遇时 and hour_stem=庚",
       [](const Chart& c, const Reading& r) {
         return !HasFinding(r, "wubuyu-shi") && (c.pillars.hour - 1) % 10 == 6;
       }},
      // The options change the charts, and the search follows them.
      {"palace(8).star=天芮 and dun=阳",
       [](const Chart& c, const Reading&) {
         return Cell(c, 8).star == chart::Star::kRui && c.ju > 0;
       },
       gen_kun},
      {"day=甲子 and hour=乙丑",
       [](const Chart& c, const Reading&) { return c.pillars.day == 1 && c.pillars.hour == 2; },
       midnight},
  };
  for (const Case& c : cases) {
    auto parsed = ParseQuery(c.query);
    ASSERT_TRUE(std::holds_alternative<Query>(parsed)) << c.query;
    const Searcher searcher(std::get<Query>(std::move(parsed)), c.options);
    int hits = 0;
    // Every hour on the hour and at its half: both minutes of each branch are tested.
    testing::ForEachHourBranch(2024, 2024, [&](const chart::ChartMoment& middle) {
      for (const int minute : {0, 30}) {
        chart::ChartMoment moment = middle;
        moment.minute = minute;
        const Chart chart = chart::ComputeChart(moment, c.options);
        const Reading reading = reading::Read(chart);
        const auto hit = searcher.Test(moment);
        ASSERT_EQ(hit.has_value(), c.holds(chart, reading))
            << c.query << " at " << moment.month << "-" << moment.day << " " << moment.hour;
        if (!hit) continue;
        ++hits;
        EXPECT_EQ(hit->chart.pillars, chart.pillars);
        EXPECT_FALSE(hit->matched.empty()) << c.query;
      }
    });
    if (c.query != "palace(5).gate=开门") {
      EXPECT_GT(hits, 0) << c.query;
    }
  }
}

}  // namespace
}  // namespace veltrane::search
