// 自动排盘 on the headless platform: the program's own start-up with a set
// clock, then typing into the date boxes and clicking the button. Checks what
// the window shows: every plate box, the summary texts, the counter labels and
// the markers, and what the copy reads afterwards.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/text/gbk.h"
#include "chart/box_items.h"
#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "program_fixture.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"
#include "ui/plate_binding.h"
#include "worked_chart_palaces.h"

namespace veltrane::ui {
namespace {

using runtime::kComboSelection;
using runtime::kLabelCaption;
using testing_support::IndexOf;

// Everything the plotting writes, as the window shows it.
struct Shown {
  std::vector<int> selections;  // every plate box
  std::vector<std::string> texts;
  std::vector<int> positions;  // markers and the centre stem box
  bool operator==(const Shown&) const = default;
};

class PlotChartTest : public ProgramFixture {
 protected:
  void Plot(std::string_view year, std::string_view month, std::string_view day,
            std::string_view hour) {
    Type(kYearBox, year);
    Type(kMonthBox, month);
    Type(kDayBox, day);
    Type(kHourBox, hour);
    ClickPlot();
  }
  void ClickPlot() { ASSERT_TRUE(platform_.Click(H(kPlotButton))); }

  Shown Snapshot() {
    Shown s;
    for (const auto* family : {&kEarthStemBoxes, &kHeavenStemBoxes, &kHiddenStemBoxes}) {
      for (ControlId box : *family) s.selections.push_back(Selection(box));
    }
    for (const auto* family : {&kStarBoxes, &kGateBoxes, &kDeityBoxes, &kCounterDeityBoxes}) {
      for (ControlId box : *family) s.selections.push_back(Selection(box));
    }
    s.texts = {Edit(kYearBox),    Edit(kMonthBox),     Edit(kDayBox),      Edit(kHourBox),
               Edit(kPillarsBox), Caption(kTermLabel), Caption(kXunLabel), Caption(kDutyLabel)};
    for (ControlId label : kCounterLabels) s.texts.push_back(Caption(label));
    for (ControlId marker : {kCentreMarkerLabel, kCentreStemBox, kHorseMarkerLabel,
                             kVoidMarkerLabel1, kVoidMarkerLabel2}) {
      const auto [left, top] = Where(marker);
      s.positions.push_back(left);
      s.positions.push_back(top);
    }
    return s;
  }

  void ExpectWorkedChart() {
    EXPECT_EQ(Edit(kPillarsBox), "辛巳庚子甲子丙寅");
    EXPECT_EQ(Caption(kTermLabel), "冬至:上元 阳遁1局");
    EXPECT_EQ(Caption(kXunLabel), "甲子戊");
    EXPECT_EQ(Caption(kDutyLabel), "值符天蓬落8宫 值使休门落3宫");
    for (int p = 1; p <= 9; ++p) {
      SCOPED_TRACE("palace " + std::to_string(p));
      const testing_support::PalaceRow& r = testing_support::kWorkedChartPalaces[p - 1];
      EXPECT_EQ(Selection(kEarthStemBoxes[p - 1]), IndexOf(chart::kInstrumentItems, r.earth));
      EXPECT_EQ(Selection(kHeavenStemBoxes[p - 1]), IndexOf(chart::kInstrumentItems, r.heaven));
      EXPECT_EQ(Selection(kHiddenStemBoxes[p - 1]), IndexOf(chart::kInstrumentItems, r.hidden));
      const int k = chart::RingPositionOfPalace(p);
      if (k == 0) continue;
      EXPECT_EQ(Selection(kStarBoxes[k - 1]), IndexOf(chart::kStarItems, r.star));
      EXPECT_EQ(Selection(kGateBoxes[k - 1]), IndexOf(chart::kGateItems, r.gate));
      EXPECT_EQ(Selection(kDeityBoxes[k - 1]), IndexOf(chart::kDeityItems, r.deity));
      EXPECT_EQ(Selection(kCounterDeityBoxes[k - 1]),
                IndexOf(chart::kCounterDeityItems, r.counter));
    }
    // Both void palaces are 6: the two 空 beside 八神2 (576, 352); the horse in
    // palace 2 beside 八神4 (576, 16); 天芮 in palace 7, 星3 at (576, 200).
    EXPECT_EQ(Where(kVoidMarkerLabel1), (ControlPoint{516, 352}));
    EXPECT_EQ(Where(kVoidMarkerLabel2), (ControlPoint{516, 352}));
    EXPECT_EQ(Where(kHorseMarkerLabel), (ControlPoint{546, 16}));
    EXPECT_EQ(Where(kCentreMarkerLabel), (ControlPoint{706, 165}));
    EXPECT_EQ(Where(kCentreStemBox), (ControlPoint{648, 170}));
  }
};

constexpr platform::LocalTime kWorkedClock = {2001, 12, 27, 4, 20, 0, 0};

// --- The worked chart ------------------------------------------------------------

TEST_F(PlotChartTest, StartUpPlotsTheWorkedChartForItsClock) {
  Start(kWorkedClock);
  ExpectWorkedChart();
  const KeptPlotting& kept = program_.state().kept;
  EXPECT_EQ(runtime::Utf8FromGbk(kept.ju_text.view()), "阳遁1局");
  EXPECT_EQ(kept.void_palaces, (std::array<int, 2>{6, 6}));
  EXPECT_EQ(kept.horse_palace, 2);
  EXPECT_EQ(runtime::Utf8FromGbk(kept.duty_gate_name.view()), "休门");
  EXPECT_EQ(runtime::Utf8FromGbk(kept.duty_star_name.view()), "天蓬");
}

TEST_F(PlotChartTest, ClickingPlotsTheWorkedChartAfterAnotherChart) {
  Start(kWorkedClock);
  Plot("2015", "9", "29", "14");
  EXPECT_EQ(Caption(kDutyLabel).find("值符"), 0u);
  EXPECT_NE(Edit(kPillarsBox), "辛巳庚子甲子丙寅");
  Plot("2001", "12", "27", "4");
  ExpectWorkedChart();
}

TEST_F(PlotChartTest, CounterLabelsShowTheLastStepOfEachRing) {
  Start(kWorkedClock);
  // Gates: 休门 from palace 1 to 3 is six steps; stars: 天蓬 from palace 1 to 8
  // seven; yang deities: 值符 stands in palace 8 in yang arrangement 7; the
  // hidden stems (stepped last, sharing 标签20) end on yang arrangement 4.
  EXPECT_EQ(Caption(kCounterLabels[0]), "6");
  EXPECT_EQ(Caption(kCounterLabels[1]), "7");
  EXPECT_EQ(Caption(kCounterLabels[2]), "7");
  EXPECT_EQ(Caption(kCounterLabels[3]), "4");
  ClickPlot();  // from hidden arrangement 4 the hidden stems go round to 4 again
  EXPECT_EQ(Caption(kCounterLabels[3]), "4");
  EXPECT_EQ(program_.state().ring_counters.hidden, 4);
}

TEST_F(PlotChartTest, TheMinuteIsTheClocksAndDecidesAtLiChun) {
  Start(kWorkedClock);
  platform_.SetClock({2015, 2, 4, 11, 58, 59, 0});
  Plot("2015", "2", "4", "11");
  EXPECT_EQ(Edit(kPillarsBox), "甲午丁丑辛亥甲午");
  platform_.SetClock({2015, 2, 4, 11, 59, 0, 0});
  ClickPlot();
  EXPECT_EQ(Edit(kPillarsBox), "乙未戊寅辛亥甲午");
}

TEST_F(PlotChartTest, ATypedHourGivesOneChartWhateverTheClocksMinute) {
  // The winter solstice of 2015 fell at 12:47:48: a past 12时 is plotted at
  // its start, so clicks at minutes 16 and 51 of another day agree.
  Start(kWorkedClock);
  platform_.SetClock({2020, 5, 1, 9, 16, 0, 0});
  Plot("2015", "12", "22", "12");
  const Shown at_16 = Snapshot();
  EXPECT_EQ(Caption(kTermLabel), "大雪:中元 阴遁7局");
  platform_.SetClock({2020, 5, 1, 9, 51, 0, 0});
  ClickPlot();
  EXPECT_EQ(Snapshot(), at_16);
  EXPECT_EQ(program_.state().kept.date.minute, 0);

  // The same hour while it is the clock's own is the live chart.
  platform_.SetClock({2015, 12, 22, 12, 51, 0, 0});
  ClickPlot();
  EXPECT_EQ(Caption(kTermLabel), "冬至:中元 阳遁7局");
  EXPECT_EQ(program_.state().kept.date.minute, 51);
  // One hour off in any part of the date is not the clock's hour.
  for (const std::array<const char*, 4>& other :
       {std::array<const char*, 4>{"2016", "12", "22", "12"},
        std::array<const char*, 4>{"2015", "11", "22", "12"},
        std::array<const char*, 4>{"2015", "12", "21", "12"},
        std::array<const char*, 4>{"2015", "12", "22", "11"}}) {
    Plot(other[0], other[1], other[2], other[3]);
    EXPECT_EQ(program_.state().kept.date.minute, 0) << other[1] << "-" << other[2];
  }
}

// --- Clamping the date boxes -----------------------------------------------------------

struct ClampCase {
  std::array<const char*, 4> typed;  // year, month, day, hour
  std::array<const char*, 4> shown;
};

TEST_F(PlotChartTest, DateBoxesAreClampedAndWrittenBack) {
  Start(kWorkedClock);
  const ClampCase cases[] = {
      {{"1700", "13", "40", "24"}, {"1800", "12", "31", "23"}},
      {{"3500", "0", "0", "-1"}, {"2999", "1", "1", "0"}},
      {{"2015", "4", "31", "0"}, {"2015", "4", "30", "0"}},  // start-up hour 0 stays
      {{"2015", "2", "29", "12"}, {"2015", "2", "28", "12"}},
      {{"2016", "2", "29", "12"}, {"2016", "2", "29", "12"}},
      // Empty, unreadable or unusual texts show the number plotted.
      {{"abc", "", "x", "05"}, {"1800", "1", "1", "5"}},
      {{"2015.7", "3", "", ""}, {"2015", "3", "1", "0"}},
  };
  for (const ClampCase& c : cases) {
    Plot(c.typed[0], c.typed[1], c.typed[2], c.typed[3]);
    EXPECT_EQ(Edit(kYearBox), c.shown[0]) << c.typed[0];
    EXPECT_EQ(Edit(kMonthBox), c.shown[1]) << c.typed[1];
    EXPECT_EQ(Edit(kDayBox), c.shown[2]) << c.typed[2];
    EXPECT_EQ(Edit(kHourBox), c.shown[3]) << c.typed[3];
  }
}

TEST_F(PlotChartTest, ClampedDateIsThePlottedDate) {
  Start(kWorkedClock);
  Plot("2015", "4", "31", "12");
  const Shown clamped = Snapshot();
  Plot("2015", "4", "30", "12");
  EXPECT_EQ(Snapshot(), clamped);
  Plot("2015", "2", "29", "12");
  EXPECT_EQ(Caption(kTermLabel).substr(0, 6), "雨水");  // 2015-02-28
}

TEST_F(PlotChartTest, YearsWithoutStoredTermsGetTheTermACalendarGives) {
  Start(kWorkedClock);
  const struct {
    std::array<const char*, 4> date;
    const char* term;
  } cases[] = {
      {{"1850", "6", "30", "12"}, "夏至"}, {{"2079", "12", "25", "12"}, "冬至"},
      {{"2100", "3", "25", "12"}, "春分"}, {{"2100", "12", "12", "12"}, "大雪"},
      {{"2100", "1", "10", "12"}, "小寒"},
  };
  for (const auto& c : cases) {
    Plot(c.date[0], c.date[1], c.date[2], c.date[3]);
    EXPECT_EQ(Caption(kTermLabel).substr(0, 6), c.term) << c.date[0] << "-" << c.date[1];
  }
}

// --- Repeated plotting ---------------------------------------------------------------

TEST_F(PlotChartTest, SameDateAfterOtherChartsShowsTheSameWindow) {
  Start(kWorkedClock);
  Plot("2015", "9", "29", "14");
  const Shown first = Snapshot();
  for (const std::array<const char*, 4>& other :
       {std::array<const char*, 4>{"2001", "12", "27", "4"},
        std::array<const char*, 4>{"1850", "1", "1", "0"},
        std::array<const char*, 4>{"2100", "6", "1", "23"}}) {
    Plot(other[0], other[1], other[2], other[3]);
    Plot("2015", "9", "29", "14");
    EXPECT_EQ(Snapshot(), first) << other[0];
  }
}

TEST_F(PlotChartTest, HandEditedBoxesAreReplacedByTheNextPlotting) {
  Start(kWorkedClock);
  const Shown worked = Snapshot();
  for (ControlId box : kHeavenStemBoxes) runtime::WriteInt(kMainWindow, box, kComboSelection, 0);
  for (ControlId box : kCounterDeityBoxes) runtime::WriteInt(kMainWindow, box, kComboSelection, 0);
  runtime::WriteText(kMainWindow, kDutyLabel, kLabelCaption, "");
  ClickPlot();
  EXPECT_EQ(Snapshot(), worked);
}

}  // namespace
}  // namespace veltrane::ui
