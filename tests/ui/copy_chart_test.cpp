// 复制排盘 end to end on the headless platform with a fixed clock: the
// program's own start-up, then clicks on the window's buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text/gbk.h"
#include "chart/box_items.h"
#include "copy_worked_chart.h"
#include "form/form_runtime.h"
#include "program_fixture.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

using testing_support::kWorkedChartGrid;
using testing_support::WorkedChartHeader;
using testing_support::WorkedChartText;

std::vector<std::string> GridLines(const std::string& utf8) {
  // The grid starts at the first box-drawing line; every line ends with CR LF.
  std::vector<std::string> lines;
  std::size_t pos = utf8.find("┌");
  while (pos != std::string::npos && pos < utf8.size()) {
    const std::size_t end = utf8.find("\r\n", pos);
    if (end == std::string::npos) break;
    lines.push_back(utf8.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

class CopyChartTest : public ProgramFixture {
 protected:
  void ClickCopy() { ASSERT_TRUE(platform_.Click(H(kCopyButton))); }
  // The clipboard as UTF-8 (it holds GBK).
  std::string Copied() { return runtime::Utf8FromGbk(platform_.ClipboardBytes()); }
};

constexpr platform::LocalTime kWorkedClock = {2001, 12, 27, 4, 7, 30, 0};

TEST_F(CopyChartTest, WorkedChartByteForByteWithTheConfirmation) {
  Start(kWorkedClock);
  ClickCopy();
  ASSERT_TRUE(platform_.ClipboardHasText());
  EXPECT_EQ(platform_.ClipboardBytes(), runtime::GbkFromUtf8(WorkedChartText(7)));
  const std::vector<std::string> lines = GridLines(Copied());
  ASSERT_EQ(lines.size(), 13u);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(lines[i], kWorkedChartGrid[i]) << "grid line " << i + 1;

  ASSERT_EQ(platform_.MessageBoxes().size(), 1u);
  const platform::MessageBoxRecord& box = platform_.MessageBoxes()[0];
  EXPECT_EQ(runtime::Utf8FromGbk(box.text), "已经整盘复制到剪切板！");
  EXPECT_EQ(runtime::Utf8FromGbk(box.title), "提示");
  EXPECT_EQ(box.style & 0xFu, 0u);  // OK button only
}

TEST_F(CopyChartTest, ResetThenCopyGivesTheHomeGridWithTheLastPlottingsMarks) {
  Start(kWorkedClock);  // keeps 阳遁1局, void palaces 6 and 6, horse palace 2
  ASSERT_TRUE(platform_.Click(H(kResetButton)));
  for (int p = 1; p <= 9; ++p)
    ASSERT_TRUE(platform_.PickComboItem(H(kHiddenStemBoxes[p - 1]), p - 1));
  for (int k = 1; k <= 8; ++k) {
    ASSERT_TRUE(platform_.PickComboItem(H(kCounterDeityBoxes[k - 1]), k - 1));
  }
  ClickCopy();
  const std::vector<std::string> want = {
      "┌──────┬──────┬──────┐",
      "│癸　六合　　│戊　太阴　　│丙　腾蛇　馬│",
      "│　　天辅　癸│　　天英　戊│壬　禽芮　丙│",
      "│六　杜门　癸│阴　景门　戊│蛇　死门　丙│",
      "├──────┼──────┼──────┤",
      "│丁　白虎　　│壬　阳遁一局│庚　值符　　│",
      "│　　天冲　丁│　　　　　　│　　天柱　庚│",
      "│白　伤门　丁│　　　　　壬│符　惊门　庚│",
      "├──────┼──────┼──────┤",
      "│己　玄武　　│乙　九地　　│辛　九天○　│",
      "│　　天任　己│　　天蓬　乙│　　天心　辛│",
      "│玄　生门　己│地　休门　乙│天　开门　辛│",
      "└──────┴──────┴──────┘",
  };
  const std::string copied = Copied();
  EXPECT_EQ(GridLines(copied), want);
  // The header still shows the date boxes and the pillars of the last plotting.
  EXPECT_EQ(copied.substr(0, WorkedChartHeader(7).size()), WorkedChartHeader(7));
}

TEST_F(CopyChartTest, CopyingTwiceGivesTheSameText) {
  Start(kWorkedClock);
  ClickCopy();
  platform_.SetClock({2001, 12, 27, 4, 15, 2, 0});
  ClickCopy();
  // The minute is the plotting's, not the clock's at the copy.
  EXPECT_EQ(platform_.ClipboardBytes(), runtime::GbkFromUtf8(WorkedChartText(7)));
  EXPECT_EQ(platform_.MessageBoxes().size(), 2u);
}

TEST_F(CopyChartTest, HeaderNamesTheLastPlottingNotTheBoxesEditedSince) {
  Start({2001, 12, 27, 4, 0, 0, 0});
  Type(kYearBox, "2020");
  Type(kDayBox, "");
  platform_.SetClock({2020, 1, 1, 9, 45, 0, 0});
  ClickCopy();
  // The minute 0 is written as one digit.
  EXPECT_EQ(Copied(), WorkedChartText(0));

  // A cleared hour box is plotted as hour 0, and the header says so; a date
  // other than the clock's is plotted at the start of its hour.
  Type(kYearBox, "2001");
  Type(kDayBox, "27");
  Type(kHourBox, "");
  ASSERT_TRUE(platform_.Click(H(kPlotButton)));
  ClickCopy();
  const std::string copied = Copied();
  EXPECT_EQ(copied.substr(0, copied.find("干支")), "\r\n公历时间：2001年12月27日0时0分\r\n\r\n");
}

TEST_F(CopyChartTest, BoxWithoutSelectionGivesANarrowerCellAndNoCrash) {
  Start(kWorkedClock);
  runtime::WriteInt(kMainWindow, kDeityBoxes[5], runtime::kComboSelection, -1);  // 八神6, palace 4
  runtime::WriteInt(kMainWindow, kCentreStemBox, runtime::kComboSelection, -1);       // 天干支5
  runtime::WriteInt(kMainWindow, kHiddenStemBoxes[4], runtime::kComboSelection, -1);  // 暗干5
  ClickCopy();
  const std::vector<std::string> lines = GridLines(Copied());
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[1], "│乙　　　│壬　六合　　│丁　白虎　馬│");
  EXPECT_EQ(lines[5], "│丙　腾蛇　　│　阳遁一局│庚　玄武　　│");
  EXPECT_EQ(lines[6], "│　　天任　丙│　　　　　　│　禽芮　己│");  // no centre stem
  EXPECT_EQ(platform_.MessageBoxes().size(), 1u);
}

TEST_F(CopyChartTest, TwoStarBoxesShowingTianRuiBothGetTheCentreStem) {
  Start(kWorkedClock);
  ASSERT_TRUE(platform_.PickComboItem(H(kStarBoxes[0]), chart::kStarTianRui));  // 星1, palace 1
  ClickCopy();
  const std::vector<std::string> lines = GridLines(Copied());
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[6], "│　　天任　丙│　　　　　　│壬　禽芮　己│");
  EXPECT_EQ(lines[10], "│　　天蓬　戊│壬　禽芮　癸│　　天柱　丁│");
}

TEST_F(CopyChartTest, FailedCopyKeepsTheClipboardAndSaysSoWithoutEndingTheProgram) {
  Start(kWorkedClock);
  ASSERT_TRUE(platform_.SetClipboardText("held before"));
  platform_.SetClipboardFails(true);
  ClickCopy();
  EXPECT_TRUE(platform_.ClipboardHasText());
  EXPECT_EQ(platform_.ClipboardBytes(), "held before");
  ASSERT_EQ(platform_.MessageBoxes().size(), 1u);
  const platform::MessageBoxRecord& box = platform_.MessageBoxes()[0];
  EXPECT_EQ(runtime::Utf8FromGbk(box.text), "复制到剪切板失败！");
  EXPECT_EQ(runtime::Utf8FromGbk(box.title), "错误");
  EXPECT_EQ(box.style & 0xFFu, platform::kMessageBoxIconError);  // error icon, OK only

  // The program goes on: the next copy, with the clipboard free again, works.
  platform_.SetClipboardFails(false);
  ClickCopy();
  EXPECT_EQ(platform_.ClipboardBytes(), runtime::GbkFromUtf8(WorkedChartText(7)));
  ASSERT_EQ(platform_.MessageBoxes().size(), 2u);
  EXPECT_EQ(runtime::Utf8FromGbk(platform_.MessageBoxes()[1].text), "已经整盘复制到剪切板！");
}

}  // namespace
}  // namespace veltrane::ui
