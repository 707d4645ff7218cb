// The tool prints what the window shows: over a few thousand moments (term
// moments and a minute either side, 23:xx, both ends of the year range, the
// instrument or the hour stem in the centre palace) the main window on the
// headless platform and veltrane-chart's own path give the same copied text
// and the same JSON.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "app/cli_chart_json.h"
#include "app/cli_run.h"
#include "chart/box_items.h"
#include "chart/plot_chart.h"
#include "chart/term_in_force.h"
#include "ui/program_fixture.h"
#include "window_chart_json.h"
#include "window_fields.h"

namespace veltrane::app {
namespace {

constexpr ChartMoment kDayZero{1899, 12, 30, 0, 0};

// The minute in which term `slot` of `year` begins, and the minutes either side.
void AddTermMoments(int year, std::vector<ChartMoment>& moments) {
  for (int slot = 1; slot <= 24; ++slot) {
    const double days = chart::TermMoment(year, slot);
    const auto minute = static_cast<std::int64_t>(std::floor(days * 1440.0));
    for (int offset : {-1, 0, 1}) moments.push_back(AddMinutes(kDayZero, minute + offset));
  }
}

// Up to `wanted` hours of a scan whose chart puts the xun's instrument, or
// the hour stem, on the centre palace's earth stem.
void AddCentrePalaceCases(std::vector<ChartMoment>& moments, int wanted) {
  int instrument_found = 0;
  int hour_stem_found = 0;
  for (int hour = 0; hour < 24 * 366 * 3; ++hour) {
    const ChartMoment m = AddMinutes(ChartMoment{1996, 1, 1, 0, 30}, hour * 60);
    const chart::Chart c = chart::ComputeChart(m);
    const chart::Stem centre = c.cell(chart::kCentre).earth_stem;
    const std::optional<chart::Stem> instrument =
        chart::InstrumentOfItem(chart::kXunHeads[static_cast<std::size_t>(c.xun)].instrument - 1);
    if (centre == instrument && instrument_found < wanted) {
      ++instrument_found;
      moments.push_back(m);
    } else if (centre == c.hour_stem && hour_stem_found < wanted) {
      ++hour_stem_found;
      moments.push_back(m);
    }
  }
  EXPECT_EQ(instrument_found, wanted);
  EXPECT_EQ(hour_stem_found, wanted);
}

std::vector<ChartMoment> Moments() {
  std::vector<ChartMoment> moments;
  // The stored table's years, its edges and the formula's years on both sides.
  for (int year :
       {1800, 1801, 1850, 1879, 1880, 1881, 1949, 2000, 2078, 2079, 2080, 2100, 2500, 2998, 2999}) {
    AddTermMoments(year, moments);
  }
  for (int year = 1884; year < 2079; year += 9) AddTermMoments(year, moments);
  // 23:xx, where the day and hour pillars move on, across a month and a year end.
  for (int day = 0; day < 40; ++day) {
    const ChartMoment evening = AddMinutes(ChartMoment{2023, 12, 10, 22, 59}, day * 1440);
    for (int minutes : {0, 1, 30, 60}) moments.push_back(AddMinutes(evening, minutes));
  }
  // Both ends of the year range.
  for (int minutes = 0; minutes < 6 * 60; minutes += 20) {
    moments.push_back(AddMinutes(ChartMoment{1800, 1, 1, 0, 0}, minutes));
    moments.push_back(AddMinutes(ChartMoment{2999, 12, 31, 23, 59}, -minutes));
  }
  AddCentrePalaceCases(moments, 150);
  return moments;
}

class WindowAgreement : public ui::ProgramFixture {
 protected:
  // Plots `m` in the window as a user would: the clock reads it, the date
  // boxes get its date and hour, 自动排盘 plots and 复制排盘 copies.
  void PlotAndCopy(const ChartMoment& m) {
    platform_.SetClock(platform::LocalTime{m.year, m.month, m.day, m.hour, m.minute, 0, 0});
    Type(ui::kYearBox, std::to_string(m.year));
    Type(ui::kMonthBox, std::to_string(m.month));
    Type(ui::kDayBox, std::to_string(m.day));
    Type(ui::kHourBox, std::to_string(m.hour));
    ASSERT_TRUE(platform_.Click(H(ui::kPlotButton)));
    ASSERT_TRUE(platform_.Click(H(ui::kCopyButton)));
  }
};

TEST_F(WindowAgreement, TheToolPrintsWhatTheWindowShowsAndCopies) {
  const std::vector<ChartMoment> moments = Moments();
  ASSERT_GT(moments.size(), 2000u);
  Start(platform::LocalTime{2001, 12, 27, 4, 0, 0, 0});
  int differences = 0;
  for (const ChartMoment& m : moments) {
    PlotAndCopy(m);
    const std::string when = FormatChartMoment(m);
    if (platform_.ClipboardText() != ChartText(m, OutputEncoding::kGbk)) {
      ADD_FAILURE() << "copied text differs at " << when;
      ++differences;
    }
    const std::string shown = ShownChartJson(m, program_.state().kept).dump() + "\n";
    const std::string printed = WindowFields(ChartJsonLine(m));
    if (shown != printed) {
      ADD_FAILURE() << "JSON differs at " << when << "\nwindow: " << shown << "tool:   " << printed;
      ++differences;
    }
    if (differences > 5) break;
  }
}

TEST(TermLabel, SplitsTermYuanDunAndJu) {
  const TermLabelParts yang = SplitTermLabel("冬至:上元 阳遁1局");
  EXPECT_EQ(yang.term, "冬至");
  EXPECT_EQ(yang.yuan, "上元");
  EXPECT_EQ(yang.dun, "阳");
  EXPECT_EQ(yang.ju, 1);
  for (const char* label : {"", "冬至", "冬至:上元", ":", "冬至:上元 阳"}) {
    const TermLabelParts parts = SplitTermLabel(label);
    EXPECT_EQ(parts.ju, 0) << label;
    EXPECT_TRUE(parts.dun.empty()) << label;
  }
}

}  // namespace
}  // namespace veltrane::app
