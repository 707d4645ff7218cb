// Over 2000-2100 under the classic profile, the hits of three patterns are exactly the charts
// their definitions name, worked out here from the pillars and the plates, not from the reading,
// whether each moment is tested or the range is walked by keys.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

#include "chart/vocabulary.h"
#include "search/query.h"
#include "search/searcher.h"
#include "search_support.h"

namespace veltrane::search {
namespace {

using chart::Chart;
using chart::Star;

Searcher SearcherFor(std::string_view text) {
  auto parsed = ParseQuery(text);
  EXPECT_TRUE(std::holds_alternative<Query>(parsed)) << text;
  return Searcher(std::get<Query>(std::move(parsed)), {});
}

int StemOf(int ganzhi) { return (ganzhi - 1) % 10; }    // 0 = 甲
int BranchOf(int ganzhi) { return (ganzhi - 1) % 12; }  // 0 = 子

// 五不遇时: the hour whose stem overcomes the day's stem, yang on yang and yin on yin, in the
// day's own twelve hours (甲日庚午 … 癸日己未). The overcoming stem is six stems on.
bool FiveMisfortunes(const Chart& chart) {
  const int day = StemOf(chart.pillars.day);
  const int hour = StemOf(chart.pillars.hour);
  if (hour != (day + 6) % 10) return false;
  // The day's twelve hours run from its 子 hour, whose stem is (day mod 5)·2.
  const int first = (day % 5) * 2;
  const int steps = (hour - first + 10) % 10;
  return BranchOf(chart.pillars.hour) == steps;
}

// 星伏吟: every star of the eight outer palaces stands in its home palace.
bool StarsAtHome(const Chart& chart) {
  constexpr std::array<std::pair<int, Star>, 8> kHomes = {{{1, Star::kPeng},
                                                           {8, Star::kRen},
                                                           {3, Star::kChong},
                                                           {4, Star::kFu},
                                                           {9, Star::kYing},
                                                           {2, Star::kRui},
                                                           {7, Star::kZhu},
                                                           {6, Star::kXin}}};
  for (const auto& [palace, star] : kHomes) {
    const auto& cell = chart.cells[static_cast<std::size_t>(palace - 1)];
    if (cell.star != star) return false;
  }
  return true;
}

// 时干入墓 (classic): the six hours whose stem sits on its own tomb branch.
bool HourInTomb(const Chart& chart) {
  constexpr std::array<std::string_view, 6> kHours = {"丙戌", "壬辰", "丁丑",
                                                      "癸未", "戊戌", "己丑"};
  const int stem = StemOf(chart.pillars.hour);
  const int branch = BranchOf(chart.pillars.hour);
  for (const std::string_view pair : kHours) {
    if (chart::kStemTexts[static_cast<std::size_t>(stem)] == pair.substr(0, 3) &&
        chart::kBranchTexts[static_cast<std::size_t>(branch)] == pair.substr(3)) {
      return true;
    }
  }
  return false;
}

TEST(SearchDefinitions, HitsOfThreePatternsOverTwoCenturiesAreTheirDefinitions) {
  const Searcher misfortunes = SearcherFor("reading=五不遇时");
  const Searcher fuyin = SearcherFor("reading=星伏吟");
  const Searcher tomb = SearcherFor("reading=时干入墓");
  std::array<std::int64_t, 3> hits{};
  std::array<std::vector<std::int64_t>, 3> defined;  // moment numbers, as the walk counts them
  std::int64_t index = 0;
  std::int64_t jia_or_instrument = 0;
  testing::ForEachHourBranch(2000, 2100, [&](const chart::ChartMoment& moment) {
    const Chart chart = chart::ComputeChart(moment);
    if (FiveMisfortunes(chart)) defined[0].push_back(index);
    if (StarsAtHome(chart)) defined[1].push_back(index);
    if (HourInTomb(chart)) defined[2].push_back(index);
    ++index;
    const auto a = misfortunes.Test(moment);
    const auto b = fuyin.Test(moment);
    const auto c = tomb.Test(moment);
    ASSERT_EQ(a.has_value(), FiveMisfortunes(chart))
        << chart.pillars.day << " " << chart.pillars.hour;
    ASSERT_EQ(b.has_value(), StarsAtHome(chart)) << chart.ju << " " << chart.pillars.hour;
    ASSERT_EQ(c.has_value(), HourInTomb(chart)) << chart.pillars.hour;
    hits[0] += a.has_value();
    hits[1] += b.has_value();
    hits[2] += c.has_value();
    // A 甲 hour, or an hour whose stem is its xun's instrument, leaves the stars at home.
    const int xun_instrument_stem = 5 + chart.xun;  // 戊 for 甲子 … 癸 for 甲寅
    const int stem = StemOf(chart.pillars.hour) + 1;
    if (stem == 1 || stem == xun_instrument_stem) {
      ++jia_or_instrument;
      ASSERT_TRUE(b.has_value()) << chart.pillars.hour;
    }
  });
  // Each pattern is met, and 星伏吟 holds beyond the 甲 and instrument hours only where the
  // instrument lies in palace 5 and its palace counts as the host's.
  EXPECT_GT(hits[0], 0);
  EXPECT_GT(hits[2], 0);
  EXPECT_GE(hits[1], jia_or_instrument);

  // The walk by keys over the same hours (every branch's middle) finds the same charts.
  const Searcher* searchers[] = {&misfortunes, &fuyin, &tomb};
  for (std::size_t q = 0; q < 3; ++q) {
    std::vector<std::int64_t> scanned;
    searchers[q]->Scan({2000, 1, 1, 1, 30}, 120, 0, index,
                       [&scanned](const RangeHit& hit) { scanned.push_back(hit.index); });
    EXPECT_EQ(scanned, defined[q]) << q;
  }
}

}  // namespace
}  // namespace veltrane::search
