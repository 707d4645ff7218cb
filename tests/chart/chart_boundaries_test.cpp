// The edges around a chart: term moments against a published one, near edges
// with their signs, and every edge agreeing with the plotting on either side.
#include "chart/chart_boundaries.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "chart/boundary_notes.h"

namespace veltrane::chart {
namespace {

ChartBoundaries Of(const ChartMoment& m, const ChartOptions& options = {}) {
  return ComputeBoundaries(ComputeChart(m, options), options);
}

std::string Civil(ChartSeconds s) {
  const CivilSecond c = CivilOfSeconds(s);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour,
                c.minute, c.second);
  return text;
}

ChartMoment MomentOf(ChartSeconds s) {
  const CivilSecond c = CivilOfSeconds(s);
  return ChartMoment{c.year, c.month, c.day, c.hour, c.minute};
}

// (edge, signed minutes) of the near edges.
std::vector<std::pair<Edge, double>> Near(const ChartBoundaries& b, int minutes = 10) {
  std::vector<std::pair<Edge, double>> near;
  for (const NearEdge& n : NearEdgesOf(b, minutes)) near.emplace_back(n.edge, n.offset / 60.0);
  return near;
}

TEST(ChartBoundaries, TheWinterSolsticeOf2015NearAndPassed) {
  // The Hong Kong Observatory's calendar for 2015 gives the winter solstice at
  // 12:48 on 22 December (to the minute); the stored table has 12:47:48.
  const ChartBoundaries before = Of({2015, 12, 22, 12, 45});
  EXPECT_EQ(Civil(before.next_term.start), "2015-12-22 12:47:48");
  EXPECT_EQ(before.next_term.term, SolarTerm::kDongzhi);
  EXPECT_EQ(before.next_term.source, TermSource::kTable);
  EXPECT_EQ(Near(before), (std::vector<std::pair<Edge, double>>{{Edge::kNextTerm, 2.8}}));

  const ChartBoundaries after = Of({2015, 12, 22, 12, 50});
  EXPECT_EQ(after.term.start, before.next_term.start);
  EXPECT_EQ(after.term.term, SolarTerm::kDongzhi);
  EXPECT_EQ(Near(after),
            (std::vector<std::pair<Edge, double>>{{Edge::kTermStart, -2.2}, {Edge::kHourEnd, 10}}));
  EXPECT_GT(after.term_uncertainty_seconds, 0);
  // Outside the stored years the closed formula gives the moments.
  EXPECT_EQ(Of({1850, 6, 1, 12, 0}).term.source, TermSource::kFormula);
}

TEST(ChartBoundaries, YuanAndHourEdgesAtTheDaysStart) {
  // 2015-12-24 is 甲戌, a 符头 day: by default it, and a new yuan, begins at
  // 23:00 on the 23rd, as does the 子 hour.
  const ChartBoundaries before = Of({2015, 12, 23, 22, 55});
  EXPECT_EQ(Civil(before.next_yuan), "2015-12-23 23:00:00");
  EXPECT_EQ(Near(before),
            (std::vector<std::pair<Edge, double>>{{Edge::kNextYuan, 5}, {Edge::kHourEnd, 5}}));
  const ChartBoundaries after = Of({2015, 12, 23, 23, 5});
  EXPECT_EQ(after.yuan_head, 11);  // 甲戌
  EXPECT_EQ(Civil(after.yuan_start), "2015-12-23 23:00:00");
  EXPECT_EQ(Civil(after.next_yuan), "2015-12-28 23:00:00");
  EXPECT_EQ(Near(after),
            (std::vector<std::pair<Edge, double>>{{Edge::kYuanStart, -5}, {Edge::kHourStart, -5}}));
  // With the day starting at midnight the yuan does too; the 子 hour does not.
  ChartOptions midnight;
  midnight.day_start = DayStart::kAtMidnight;
  const ChartBoundaries at_midnight = Of({2015, 12, 24, 0, 5}, midnight);
  EXPECT_EQ(Civil(at_midnight.yuan_start), "2015-12-24 00:00:00");
  EXPECT_EQ(Civil(at_midnight.hour_start), "2015-12-23 23:00:00");
}

TEST(ChartBoundaries, NothingNearMidHourMidYuan) {
  const ChartBoundaries b = Of({2001, 12, 27, 4, 0});
  EXPECT_EQ(NearEdgesOf(b, 10).count, 0);
  EXPECT_EQ(NearEdgesOf(b, 60).count, 2);  // the hour's start and end, an hour either side
  EXPECT_NE(FormatBoundaryNotes(ComputeChart({2001, 12, 27, 4, 0}), {}, b, 10).find("无交节"),
            std::string::npos);
}

// The notes in each script: a term to come, a yuan change passed, and the
// minute of an hour's start.
TEST(ChartBoundaries, NotesInEveryScript) {
  const auto notes = [](ChartMoment m, Script script) {
    const Chart chart = ComputeChart(m);
    return FormatBoundaryNotes(chart, {}, ComputeBoundaries(chart, {}), 10, script);
  };
  EXPECT_EQ(notes({2015, 12, 22, 12, 45}, Script::kHant),
            "\r\n注：距冬至交節 3 分鐘，交節前後局數不同\r\n");
  EXPECT_EQ(notes({2015, 12, 22, 12, 45}, Script::kEn),
            "\r\nNote: the start of Dongzhi (Winter Solstice) is 3 minutes away; the ju across "
            "it is different\r\n");
  EXPECT_EQ(notes({2015, 12, 23, 23, 5}, Script::kEn),
            "\r\nNote: the yuan change (head day Jiaxu) was 5 minutes ago; the ju across it is "
            "different\r\nNote: the start of the Zi hour was 5 minutes ago; the hour pillar "
            "differs across it\r\n");
  EXPECT_EQ(notes({2015, 12, 23, 23, 5}, Script::kHant),
            "\r\n注：符頭甲戌日換元已過 5 分鐘，換元前後局數不同\r\n"
            "注：子時開始已過 5 分鐘，換時前後時柱不同\r\n");
  EXPECT_EQ(notes({2001, 12, 27, 4, 0}, Script::kEn),
            "\r\nNote: no term, yuan or hour change within 10 minutes\r\n");
}

TEST(ChartBoundaries, MaoshanCountsTheYuanFromTheTermsMoment) {
  ChartOptions maoshan;
  maoshan.method = ChartMethod::kMaoshan;
  const ChartBoundaries b = Of({2015, 12, 29, 12, 0}, maoshan);
  EXPECT_EQ(b.yuan_start, b.term.start + 5 * 86400);
  EXPECT_EQ(b.next_yuan, b.term.start + 10 * 86400);
  EXPECT_EQ(b.yuan_head, 0);
}

// Over the plotted years, each chart lies inside its edges, and the plotting
// changes across each of them: the term at the term edges, the day pillar at
// the yuan edges (to the 符头 day), the hour pillar at the hour edges; under
// each day start and on the solar clocks of a place far west of China's
// meridian and of one east of it.
ChartOptions With(DayStart start, std::optional<double> longitude, SolarTime clock) {
  ChartOptions options;
  options.day_start = start;
  options.longitude = longitude;
  options.solar_time = clock;
  return options;
}

class EveryEdge : public testing::TestWithParam<ChartOptions> {};

TEST_P(EveryEdge, IsWhereThePlottingChanges) {
  const ChartOptions options = GetParam();
  const ChartSeconds step = 97 * 86400 + 5 * 3600 + 17 * 60;  // about 4,500 charts
  for (ChartSeconds s = SecondsOfMoment({1800, 1, 10, 0, 0});; s += step) {
    const ChartMoment m = MomentOf(s);
    if (m.year > 2999) break;
    const Chart chart = ComputeChart(m, options);
    const ChartBoundaries b = ComputeBoundaries(chart, options);
    const std::string at = Civil(s);
    ASSERT_EQ(b.term.term, chart.term) << at;
    ASSERT_TRUE(b.term.start <= s && s < b.next_term.start) << at;
    ASSERT_TRUE(b.yuan_start <= s && s < b.next_yuan) << at;
    ASSERT_TRUE(b.hour_start <= s && s < b.hour_end) << at;
    if (m.year == 2999) continue;  // the next edges may lie after the plotted years
    const auto plotted = [&options](ChartSeconds t) { return ComputeChart(MomentOf(t), options); };
    // Term moments fall on any second: the minute after the edge is inside.
    EXPECT_EQ(plotted(b.next_term.start + 59).term, b.next_term.term) << at;
    EXPECT_NE(plotted(b.next_term.start - 60).term, b.next_term.term) << at;
    // Under a solar clock the edges fall on any second too.
    EXPECT_EQ(plotted(b.yuan_start + 59).pillars.day, b.yuan_head) << at;
    EXPECT_NE(plotted(b.yuan_start - 60).pillars.day, b.yuan_head) << at;
    EXPECT_EQ(plotted(b.next_yuan + 59).pillars.day, b.next_yuan_head) << at;
    EXPECT_NE(plotted(b.next_yuan - 60).pillars.day, b.next_yuan_head) << at;
    EXPECT_NE(plotted(b.hour_start - 60).pillars.hour, chart.pillars.hour) << at;
    EXPECT_NE(plotted(b.hour_end + 59).pillars.hour, chart.pillars.hour) << at;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Options, EveryEdge,
    testing::Values(ChartOptions{}, With(DayStart::kAtMidnight, std::nullopt, SolarTime::kApparent),
                    With(DayStart::kAt23, -118.25, SolarTime::kApparent),
                    With(DayStart::kAtMidnight, 87.6, SolarTime::kMean)));

}  // namespace
}  // namespace veltrane::chart
