// The walk by keys gives exactly what testing every moment's plotted chart gives: for queries
// that the plates, the seasons, the keys and the year, month and day each decide, under every
// chart option and method, over a year of hour branches (on and between the branch edges) and
// minute by minute across term, jie, yuan and day edges.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calendar/date_time.h"
#include "chart/plot_chart.h"
#include "search/query.h"
#include "search/searcher.h"

namespace veltrane::search {
namespace {

using chart::ChartMoment;
using chart::ChartOptions;

Searcher SearcherFor(std::string_view text, const ChartOptions& options,
                     const reading::ReadingProfile& profile = reading::ClassicProfile()) {
  auto parsed = ParseQuery(text);
  EXPECT_TRUE(std::holds_alternative<Query>(parsed)) << text;
  return Searcher(std::get<Query>(std::move(parsed)), options, profile);
}

ChartMoment After(const ChartMoment& first, std::int64_t minutes) {
  return calendar::CivilDateTimeOfMinute(calendar::MinuteNumberOf(first) + minutes);
}

struct Range {
  ChartMoment first;
  int step;
  std::int64_t count;
};

// Scans a range in chunks (as the tool's jobs do) and compares every moment with Test.
void ExpectScanAgrees(const Searcher& searcher, const Range& range, std::string_view what) {
  std::vector<std::int64_t> scanned;
  constexpr std::int64_t kChunk = 700;
  for (std::int64_t begin = 0; begin < range.count; begin += kChunk) {
    searcher.Scan(range.first, range.step, begin, std::min(range.count, begin + kChunk),
                  [&](const RangeHit& hit) {
                    scanned.push_back(hit.index);
                    const chart::Chart plotted =
                        chart::ComputeChart(hit.moment, searcher.options());
                    EXPECT_EQ(hit.keys.pillars, plotted.pillars) << what;
                    EXPECT_EQ(hit.keys.term, plotted.term) << what;
                    EXPECT_EQ(hit.keys.yuan, plotted.yuan) << what;
                    EXPECT_EQ(hit.keys.ju, plotted.ju) << what;
                  });
  }
  std::vector<std::int64_t> tested;
  for (std::int64_t k = 0; k < range.count; ++k) {
    if (searcher.Test(After(range.first, k * range.step))) tested.push_back(k);
  }
  ASSERT_EQ(scanned, tested) << what << " from " << range.first.year << "-" << range.first.month
                             << "-" << range.first.day << " step " << range.step;
}

ChartOptions Options(void (*set)(ChartOptions&)) {
  ChartOptions options;
  set(options);
  return options;
}

const std::vector<std::pair<std::string, ChartOptions>>& EveryOption() {
  static const std::vector<std::pair<std::string, ChartOptions>> kOptions = {
      {"default", {}},
      {"midnight", Options([](ChartOptions& o) { o.day_start = chart::DayStart::kAtMidnight; })},
      {"gen-kun", Options([](ChartOptions& o) { o.centre_palace = chart::CentrePalace::kGenKun; })},
      {"zhirun", Options([](ChartOptions& o) { o.method = chart::ChartMethod::kZhirun; })},
      {"zhirun-8", Options([](ChartOptions& o) {
         o.method = chart::ChartMethod::kZhirun;
         o.zhirun_lead_days = 8;
       })},
      {"maoshan", Options([](ChartOptions& o) { o.method = chart::ChartMethod::kMaoshan; })},
      {"maoshan-midnight", Options([](ChartOptions& o) {
         o.method = chart::ChartMethod::kMaoshan;
         o.day_start = chart::DayStart::kAtMidnight;
       })},
      {"longitude", Options([](ChartOptions& o) { o.longitude = 87.6; })},
      {"longitude-mean", Options([](ChartOptions& o) {
         o.longitude = 121.5;
         o.solar_time = chart::SolarTime::kMean;
       })},
  };
  return kOptions;
}

// Tests that each way of answering decides: plates, seasons, keys, pillars through the reading.
constexpr std::string_view kQueries[] = {
    "duty_gate=开门 and dun=阳",
    "reading=青龙返首 or reading=星伏吟@5",
    "reading=九星旺相 and palace(1).star=天蓬",
    "term=立春 or (yuan=中元 and hour_stem=丙)",
    "not (day=甲子 or month=丙寅) and ju=阳遁3局",
    "year=甲辰 and reading=日空亡@1",
    "reading=五不遇时 or reading=岁格",
    "reading=星伏吟 and not reading=五不遇时 and not term=冬至",
};

TEST(SearchScan, AYearOfHourBranchesAgreesWithTestingEveryChartUnderEveryOption) {
  for (const auto& [name, options] : EveryOption()) {
    // The long options plot every moment twice here; two queries are enough for them.
    const bool slow = options.longitude.has_value();
    for (const std::string_view query : kQueries) {
      if (slow && query != kQueries[1] && query != kQueries[6]) continue;
      const Searcher searcher = SearcherFor(query, options);
      const std::string what = name + ": " + std::string(query);
      // Between the branch edges (even hours) and on them (odd hours).
      ExpectScanAgrees(searcher, {{2024, 1, 1, 0, 0}, 120, 366 * 12}, what);
      if (!slow) ExpectScanAgrees(searcher, {{2023, 6, 1, 23, 0}, 120, 92 * 12}, what);
    }
  }
}

TEST(SearchScan, MinuteByMinuteAcrossTermJieYuanAndDayEdgesAgrees) {
  // 立春 2024 (16:27), when the year, month and term change together; 茅山's 中元 five days
  // later; a 芒种 of 置闰's intercalary periods; and 1850, whose terms come from the formula.
  const Range ranges[] = {
      {{2024, 2, 4, 10, 0}, 1, 14 * 60},
      {{2024, 2, 9, 15, 0}, 1, 10 * 60},
      {{2024, 2, 3, 22, 0}, 7, 6 * 24 * 60 / 7},
      {{1850, 12, 20, 0, 3}, 13, 8 * 24 * 60 / 13},
      {{2999, 12, 30, 0, 0}, 5, 2 * 24 * 60 / 5 - 1},
      {{1800, 1, 1, 0, 0}, 1441, 400},
  };
  for (const auto& [name, options] : EveryOption()) {
    if (options.longitude) continue;
    const Searcher searcher = SearcherFor(kQueries[3], options);
    for (const Range& range : ranges) ExpectScanAgrees(searcher, range, name);
  }
  // The profile is followed too.
  const Searcher yanbo = SearcherFor("reading=五不遇时", {}, *reading::ProfileNamed("yanbo"));
  ExpectScanAgrees(yanbo, {{2024, 1, 1, 1, 0}, 120, 120 * 12}, "yanbo");
}

}  // namespace
}  // namespace veltrane::search
