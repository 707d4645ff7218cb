// The chart in each script: the worked chart's text table and reading against
// one file per script, the English and 繁體 grids aligned over a spread of
// charts, English output free of Chinese, and the width the grid counts by.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chart/plot_chart.h"
#include "reading/reading.h"
#include "ui/copy_worked_chart.h"
#include "views/chart_text.h"
#include "views/display_width.h"
#include "views/reading_text.h"

namespace veltrane::views {
namespace {

using chart::Script;

std::string TableAndReading(const chart::ChartMoment& moment, Script script,
                            const chart::ChartOptions& options = {}) {
  const chart::Chart chart = chart::ComputeChart(moment, options);
  std::string text = FormatChartText(ViewOfChart(chart, script), script);
  AppendReadingText(text, reading::Read(chart), "\r\n", script);
  return text;
}

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// The grid's lines: from the top rule to the bottom one.
std::vector<std::string> GridLines(const std::string& text) {
  std::vector<std::string> lines;
  bool in_grid = false;
  for (std::size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos;
       pos = end + 2) {
    const std::string line = text.substr(pos, end - pos);
    in_grid = in_grid || line.starts_with("┌");
    if (in_grid) lines.push_back(line);
    if (line.starts_with("└")) break;
  }
  return lines;
}

// The worked chart (2001-12-27, hour 4) as each script writes it; the 简体 table
// is the window's copied text.
TEST(ChartScripts, TheWorkedChartInEveryScript) {
  for (const Script script : chart::kScripts) {
    const std::string tag(chart::Tag(script));
    const std::string want = FileText(VELTRANE_VIEWS_DATA "/worked_chart." + tag + ".txt");
    ASSERT_FALSE(want.empty()) << tag;
    EXPECT_EQ(TableAndReading({2001, 12, 27, 4, 0}, script), want) << tag;
  }
  const std::string hans = FileText(VELTRANE_VIEWS_DATA "/worked_chart.zh-Hans.txt");
  EXPECT_TRUE(hans.starts_with(testing_support::WorkedChartText(0)));
}

// Every line of the grid has one display width, in every script, over both
// duns, both centre conventions, void and horse marks in every column and the
// 禽 cell in every palace.
TEST(ChartScripts, EveryGridLineHasOneWidth) {
  chart::ChartOptions gen_kun;
  gen_kun.centre_palace = chart::CentrePalace::kGenKun;
  for (const Script script : chart::kScripts) {
    const Ambiguous ambiguous = script == Script::kEn ? Ambiguous::kNarrow : Ambiguous::kWide;
    for (int day = 1; day <= 360; day += 7) {
      for (const chart::ChartOptions& options : {chart::ChartOptions{}, gen_kun}) {
        const chart::ChartMoment moment{1990 + day % 40, 1 + day % 12, 1 + day % 28, day % 24, 0};
        const std::string text = TableAndReading(moment, script, options);
        const std::vector<std::string> grid = GridLines(text);
        ASSERT_EQ(grid.size(), 13u) << text;
        for (const std::string& line : grid) {
          EXPECT_EQ(DisplayWidth(line, ambiguous), DisplayWidth(grid[0], ambiguous))
              << chart::Tag(script) << "\n"
              << text;
        }
      }
    }
  }
}

// The English table, reading and notes words hold no Chinese: every byte
// outside the box characters is ASCII.
TEST(ChartScripts, EnglishHoldsNoChinese) {
  for (int hour = 0; hour < 24; hour += 3) {
    std::string text = TableAndReading({2024, 6, 21, hour, 0}, Script::kEn);
    for (const std::string_view box : {"┌", "┬", "┐", "├", "┼", "┤", "└", "┴", "┘", "│", "─"}) {
      for (std::size_t pos; (pos = text.find(box)) != std::string::npos;)
        text.erase(pos, box.size());
    }
    for (const char c : text) {
      ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << text;
    }
  }
}

TEST(DisplayWidth, WideNarrowAndAmbiguous) {
  EXPECT_EQ(DisplayWidth("", Ambiguous::kNarrow), 0);
  EXPECT_EQ(DisplayWidth("Kai (Open)", Ambiguous::kWide), 10);
  EXPECT_EQ(DisplayWidth("騰蛇　天衝", Ambiguous::kNarrow), 10);  // full-width space too
  EXPECT_EQ(DisplayWidth("─│○", Ambiguous::kNarrow), 3);
  EXPECT_EQ(DisplayWidth("─│○", Ambiguous::kWide), 6);
  // A stray or cut byte counts one column and is passed alone.
  EXPECT_EQ(DisplayWidth("\xff", Ambiguous::kNarrow), 1);
  EXPECT_EQ(DisplayWidth("a\xe5\xa4", Ambiguous::kNarrow), 3);
  EXPECT_EQ(DisplayWidth("\xe5\x41", Ambiguous::kNarrow), 2);
}

}  // namespace
}  // namespace veltrane::views
