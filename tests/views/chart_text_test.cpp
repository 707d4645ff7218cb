// The copied text table formatted from views made by hand and from computed
// charts: the header, the marks, the centre text and the 天芮 cells.
#include "views/chart_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "chart/plot_chart.h"
#include "ui/copy_worked_chart.h"

namespace veltrane::views {
using namespace chart;  // the vocabulary and the chart
namespace {

// Every palace shows the same items; only the marks and the centre vary.
ChartView PlainView() {
  ChartView v;
  v.year = "2001";
  v.month = "1";
  v.day = "2";
  v.hour = "3";
  v.minute = "4";
  v.pillars = "甲子甲子甲子甲子";
  for (PalaceView& c : v.palaces) c = {"丁", "六合", "天辅", "癸", "杜门", "蛇", "壬"};
  v.centre = "阴遁九局";
  return v;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find("\r\n", pos);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

TEST(ChartText, HeaderThenThirteenGridLines) {
  const std::vector<std::string> lines = Lines(FormatChartText(PlainView()));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "公历时间：2001年1月2日3时4分");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "干支：甲子甲子甲子甲子");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "┌──────┬──────┬──────┐");
  EXPECT_EQ(lines[6], "│丁　六合　　│丁　六合　　│丁　六合　　│");
  EXPECT_EQ(lines[7], "│　　天辅　癸│　　天辅　癸│　　天辅　癸│");
  EXPECT_EQ(lines[9], "├──────┼──────┼──────┤");
  EXPECT_EQ(lines[10], "│丁　六合　　│丁　阴遁九局│丁　六合　　│");
  EXPECT_EQ(lines[11], "│　　天辅　癸│　　　　　　│　　天辅　癸│");
  EXPECT_EQ(lines[12], "│蛇　杜门　壬│　　　　　壬│蛇　杜门　壬│");
  EXPECT_EQ(lines[17], "└──────┴──────┴──────┘");
}

struct MarkCase {
  const char* name;
  std::array<int, 2> void_palaces;
  int horse;
  std::array<const char*, 3> top_first_line;     // palaces 4, 9, 2
  std::array<const char*, 3> bottom_first_line;  // palaces 8, 1, 6
};

class ChartTextMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(ChartTextMarks, VoidAndHorseMarksEndTheFirstCellLine) {
  ChartView v = PlainView();
  v.void_palaces = GetParam().void_palaces;
  v.horse_palace = GetParam().horse;
  const std::vector<std::string> lines = Lines(FormatChartText(v));
  ASSERT_EQ(lines.size(), 18u);
  const auto& top = GetParam().top_first_line;
  const auto& bottom = GetParam().bottom_first_line;
  EXPECT_EQ(lines[6], std::string("│") + top[0] + "│" + top[1] + "│" + top[2] + "│");
  EXPECT_EQ(lines[14], std::string("│") + bottom[0] + "│" + bottom[1] + "│" + bottom[2] + "│");
  // The centre palace takes neither mark.
  EXPECT_EQ(lines[10], "│丁　六合　　│丁　阴遁九局│丁　六合　　│");
}

INSTANTIATE_TEST_SUITE_P(
    Marks, ChartTextMarks,
    testing::Values(MarkCase{"horse6void8and1",
                             {8, 1},
                             6,
                             {"丁　六合　　", "丁　六合　　", "丁　六合　　"},
                             {"丁　六合○　", "丁　六合○　", "丁　六合　馬"}},
                    MarkCase{"horseAndVoidInPalace4",
                             {4, 4},
                             4,
                             {"丁　六合○馬", "丁　六合　　", "丁　六合　　"},
                             {"丁　六合　　", "丁　六合　　", "丁　六合　　"}},
                    MarkCase{"void9and2horse8",
                             {9, 2},
                             8,
                             {"丁　六合　　", "丁　六合○　", "丁　六合○　"},
                             {"丁　六合　馬", "丁　六合　　", "丁　六合　　"}},
                    MarkCase{"centreAndOddPalacesTakeNoHorse",
                             {5, 0},
                             9,
                             {"丁　六合　　", "丁　六合　　", "丁　六合　　"},
                             {"丁　六合　　", "丁　六合　　", "丁　六合　　"}}),
    [](const testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

TEST(ChartText, EveryTianRuiCellTakesTheCentreStem) {
  ChartView v = PlainView();
  v.palaces[1].star = "天芮";  // palace 2
  v.palaces[5].star = "天芮";  // palace 6
  v.palaces[4].heaven = "戊";  // the centre stem
  const std::vector<std::string> lines = Lines(FormatChartText(v));
  EXPECT_EQ(lines[7], "│　　天辅　癸│　　天辅　癸│戊　禽芮　癸│");
  EXPECT_EQ(lines[15], "│　　天辅　癸│　　天辅　癸│戊　禽芮　癸│");
}

TEST(ChartText, AnEmptyBoxGivesANarrowerCell) {
  ChartView v = PlainView();
  v.palaces[3].gate.clear();  // palace 4
  const std::vector<std::string> lines = Lines(FormatChartText(v));
  EXPECT_EQ(lines[8], "│蛇　　壬│蛇　杜门　壬│蛇　杜门　壬│");
}

TEST(ChartText, CentreTextOfEveryDunAndJu) {
  EXPECT_EQ(CentreTextOf(Dun::kYang, 1), "阳遁一局");
  EXPECT_EQ(CentreTextOf(Dun::kYin, -9), "阴遁九局");
  EXPECT_EQ(CentreTextOf(Dun::kYang, 0), "阳遁零局");
  EXPECT_EQ(CentreTextOf(Dun::kYin, -12), "阴遁零局");
}

TEST(ChartText, TheWorkedChartAsTheWindowCopiesIt) {
  const Chart chart = ComputeChart(ChartMoment{2001, 12, 27, 4, 7});
  const ChartView view = ViewOfChart(chart);
  EXPECT_EQ(view.pillars, "辛巳庚子甲子丙寅");
  EXPECT_EQ(view.palaces[4].star, "");  // the centre has no ring boxes
  EXPECT_EQ(FormatChartText(view), testing_support::WorkedChartText(7));
}

TEST(ChartText, GanZhiNamesRunThroughTheCycle) {
  EXPECT_EQ(GanZhiText(1), "甲子");
  EXPECT_EQ(GanZhiText(11), "甲戌");
  EXPECT_EQ(GanZhiText(60), "癸亥");
  EXPECT_EQ(GanZhiText(0), "癸亥");
  EXPECT_EQ(GanZhiText(61), "甲子");
  EXPECT_EQ(GanZhiText(INT_MIN), GanZhiText(INT_MIN % 60));
}

}  // namespace
}  // namespace veltrane::views
