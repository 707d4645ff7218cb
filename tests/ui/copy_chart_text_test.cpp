// BuildChartText on sources made by hand: the marks, the centre text and the
// 天芮 replacement, independent of any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/text/gbk.h"
#include "ui/chart_text.h"

namespace veltrane::ui {
namespace {

using runtime::HeapText;

HeapText G(std::string_view utf8) { return HeapText::Copy(runtime::GbkFromUtf8(utf8)); }

// Every palace shows the same items; only the marks and juText vary.
ChartTextSource PlainSource() {
  ChartTextSource s;
  s.year = G("2001");
  s.month = G("1");
  s.day = G("2");
  s.hour = G("3");
  s.minute = G("4");
  s.pillars = G("甲子甲子甲子甲子");
  for (PalaceCellTexts& c : s.palaces) {
    c.hidden = G("丁");
    c.deity = G("六合");
    c.star = G("天辅");
    c.heaven = G("癸");
    c.gate = G("杜门");
    c.counter = G("蛇");
    c.earth = G("壬");
  }
  return s;
}

std::vector<std::string> Lines(const HeapText& gbk) {
  const std::string utf8 = runtime::Utf8FromGbk(gbk.view());
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t end = utf8.find("\r\n", pos);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(utf8.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

TEST(ChartText, HeaderThenThirteenGridLines) {
  ChartTextSource s = PlainSource();
  const std::string ju = runtime::GbkFromUtf8("阴遁9局");
  s.ju_text = ju.c_str();
  const std::vector<std::string> lines = Lines(BuildChartText(s));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "公历时间：2001年1月2日3时4分");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "干支：甲子甲子甲子甲子");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "┌──────┬──────┬──────┐");
  EXPECT_EQ(lines[6], "│丁　六合　　│丁　六合　　│丁　六合　　│");
  EXPECT_EQ(lines[7], "│　　天辅　癸│　　天辅　癸│　　天辅　癸│");
  EXPECT_EQ(lines[10], "│丁　六合　　│丁　阴遁九局│丁　六合　　│");
  EXPECT_EQ(lines[11], "│　　天辅　癸│　　　　　　│　　天辅　癸│");
  EXPECT_EQ(lines[12], "│蛇　杜门　壬│　　　　　壬│蛇　杜门　壬│");
  EXPECT_EQ(lines[17], "└──────┴──────┴──────┘");
}

struct MarkCase {
  const char* name;
  std::array<int, 2> void_palaces;
  int horse;
  std::array<const char*, 3> bottom_first_line;  // palaces 8, 1, 6
  std::array<const char*, 3> top_first_line;     // palaces 4, 9, 2
};

class ChartTextMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(ChartTextMarks, VoidAndHorseMarksSitAtTheEndOfTheFirstCellLine) {
  ChartTextSource s = PlainSource();
  s.void_palaces = GetParam().void_palaces;
  s.horse_palace = GetParam().horse;
  const std::vector<std::string> lines = Lines(BuildChartText(s));
  ASSERT_EQ(lines.size(), 18u);
  const auto& top = GetParam().top_first_line;
  const auto& bottom = GetParam().bottom_first_line;
  EXPECT_EQ(lines[6], std::string("│") + top[0] + "│" + top[1] + "│" + top[2] + "│");
  EXPECT_EQ(lines[14], std::string("│") + bottom[0] + "│" + bottom[1] + "│" + bottom[2] + "│");
}

INSTANTIATE_TEST_SUITE_P(
    Marks, ChartTextMarks,
    testing::Values(MarkCase{"horse6void8and1",
                             {8, 1},
                             6,
                             {"丁　六合○　", "丁　六合○　", "丁　六合　馬"},
                             {"丁　六合　　", "丁　六合　　", "丁　六合　　"}},
                    MarkCase{"horseAndVoidInPalace4",
                             {4, 4},
                             4,
                             {"丁　六合　　", "丁　六合　　", "丁　六合　　"},
                             {"丁　六合○馬", "丁　六合　　", "丁　六合　　"}},
                    MarkCase{"void9and2horse8",
                             {9, 2},
                             8,
                             {"丁　六合　馬", "丁　六合　　", "丁　六合　　"},
                             {"丁　六合　　", "丁　六合○　", "丁　六合○　"}},
                    MarkCase{"noneKept",
                             {0, 0},
                             0,
                             {"丁　六合　　", "丁　六合　　", "丁　六合　　"},
                             {"丁　六合　　", "丁　六合　　", "丁　六合　　"}}),
    [](const testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

TEST(ChartText, CentreTextOfEveryJu) {
  for (int ju = 1; ju <= 9; ++ju) {
    static const char* const kNumerals[] = {"零", "一", "二", "三", "四",
                                            "五", "六", "七", "八", "九"};
    for (const char* dun : {"阳", "阴"}) {
      const std::string text =
          runtime::GbkFromUtf8(std::string(dun) + "遁" + std::to_string(ju) + "局");
      EXPECT_EQ(runtime::Utf8FromGbk(CentreText(text.c_str()).view()),
                std::string(dun) + "遁" + kNumerals[ju] + "局");
    }
  }
  // Before any plotting there is no juText: the centre reads 零 and nothing breaks.
  EXPECT_EQ(runtime::Utf8FromGbk(CentreText("").view()), "零");
  EXPECT_EQ(runtime::Utf8FromGbk(CentreText(nullptr).view()), "零");
}

TEST(ChartText, EveryTianRuiCellTakesTheCentreStem) {
  ChartTextSource s = PlainSource();
  s.palaces[1].star = G("天芮");  // palace 2
  s.palaces[5].star = G("天芮");  // palace 6
  s.palaces[4].heaven = G("戊");  // the centre stem
  const std::vector<std::string> lines = Lines(BuildChartText(s));
  EXPECT_EQ(lines[7], "│　　天辅　癸│　　天辅　癸│戊　禽芮　癸│");
  EXPECT_EQ(lines[15], "│　　天辅　癸│　　天辅　癸│戊　禽芮　癸│");
}

}  // namespace
}  // namespace veltrane::ui
