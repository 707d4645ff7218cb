// The program's entry on the headless platform: the start-up plots the hour
// the clock reads, 自动排盘 re-plots what the date boxes say, and closing the
// window ends the run with exit code 0 after the kept texts are freed.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/text/gbk.h"
#include "chart/box_items.h"
#include "chart/plot_chart.h"
#include "form/form_runtime.h"
#include "form/process.h"
#include "form/template/window_template.h"
#include "platform/headless/headless_platform.h"
#include "program_fixture.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"
#include "ui/program.h"
#include "ui/window_texts.h"

namespace veltrane::ui {
namespace {

class ProgramTest : public ProgramFixture {
 protected:
  // The window shows what the plate model plots for the same date and minute.
  void ExpectWindowShows(const chart::ChartMoment& date) {
    const chart::Chart want = chart::ComputeChart(date);
    EXPECT_EQ(Edit(kPillarsBox), runtime::Utf8FromGbk(PillarsText(want.pillars).view()));
    EXPECT_EQ(Caption(kTermLabel), runtime::Utf8FromGbk(TermText(want).view()));
    EXPECT_EQ(Caption(kXunLabel), runtime::Utf8FromGbk(XunText(want)));
    EXPECT_EQ(Caption(kDutyLabel), runtime::Utf8FromGbk(DutyText(want).view()));
    EXPECT_EQ(program_.state().kept.ju_text.view(), JuText(want).view());
    EXPECT_EQ(program_.state().kept.void_palaces,
              (std::array<int, 2>{want.void_palaces[0].number(), want.void_palaces[1].number()}));
    EXPECT_EQ(program_.state().kept.horse_palace, want.horse_palace.number());
    using chart::ItemOf;
    for (const chart::Palace palace : chart::kPalaces) {
      const chart::PalaceCell& cell = want.cell(palace);
      const int p = palace.number();
      EXPECT_EQ(Selection(kEarthStemBoxes[p - 1]), ItemOf(cell.earth_stem)) << "palace " << p;
      EXPECT_EQ(Selection(kHiddenStemBoxes[p - 1]), ItemOf(cell.hidden_stem)) << "palace " << p;
      if (palace.is_centre()) continue;
      EXPECT_EQ(Selection(kHeavenStemBoxes[p - 1]), ItemOf(cell.heaven_stem)) << "palace " << p;
      const int k = palace.ring_position();
      EXPECT_EQ(Selection(kStarBoxes[k - 1]), ItemOf(cell.star)) << "palace " << p;
      EXPECT_EQ(Selection(kGateBoxes[k - 1]), ItemOf(cell.gate)) << "palace " << p;
      EXPECT_EQ(Selection(kDeityBoxes[k - 1]), ItemOf(cell.deity)) << "palace " << p;
      EXPECT_EQ(Selection(kCounterDeityBoxes[k - 1]), ItemOf(cell.counter_deity)) << "palace " << p;
    }
  }
};

struct ClockCase {
  const char* name;
  platform::LocalTime clock;
};

class StartUpPlotsTheClock : public ProgramTest, public testing::WithParamInterface<ClockCase> {};

TEST_P(StartUpPlotsTheClock, DateBoxesAndChartOfTheClocksHour) {
  const platform::LocalTime& c = GetParam().clock;
  Start(c);
  EXPECT_EQ(Edit(kYearBox), std::to_string(c.year));
  EXPECT_EQ(Edit(kMonthBox), std::to_string(c.month));
  EXPECT_EQ(Edit(kDayBox), std::to_string(c.day));
  EXPECT_EQ(Edit(kHourBox), std::to_string(c.hour));
  ExpectWindowShows({c.year, c.month, c.day, c.hour, c.minute});
  EXPECT_TRUE(platform_.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, StartUpPlotsTheClock,
    testing::Values(ClockCase{"WorkedChart", {2001, 12, 27, 4, 10, 0, 0}},
                    ClockCase{"Midnight", {2015, 1, 1, 0, 0, 0, 0}},
                    ClockCase{"LateZiHourTakesTheNextDay", {2015, 6, 30, 23, 59, 59, 0}},
                    ClockCase{"YinDunSummer", {2020, 7, 15, 13, 45, 0, 0}},
                    ClockCase{"FirstYear", {1800, 1, 1, 0, 0, 0, 0}},
                    ClockCase{"LastMinute", {2999, 12, 31, 23, 59, 0, 0}},
                    ClockCase{"LeapDay", {2000, 2, 29, 12, 30, 0, 0}}),
    [](const testing::TestParamInfo<ClockCase>& info) { return std::string(info.param.name); });

TEST_F(ProgramTest, PlotButtonPlotsTheTypedDateWithTheClocksMinute) {
  Start({2001, 12, 27, 4, 10, 0, 0});
  Type(kYearBox, "2020");
  Type(kMonthBox, "7");
  Type(kDayBox, "15");
  Type(kHourBox, "13");
  platform_.SetClock({2001, 12, 27, 5, 33, 0, 0});
  ASSERT_TRUE(platform_.Click(H(kPlotButton)));
  ExpectWindowShows({2020, 7, 15, 13, 33});
}

// The death-test child's program, which its exit routine looks at.
Program* child_program = nullptr;

// Runs in the death-test child after the program's own exit routine: says what it left.
void ReportKeptResults() {
  const bool freed = child_program->state().kept.ju_text.is_null();
  std::fprintf(stderr, freed ? "kept results freed\n" : "kept results left\n");
}

TEST(ProgramRunDeathTest, ClosingTheWindowEndsWithExitCodeZeroAfterFreeKeptPlotting) {
  EXPECT_EXIT(
      {
        platform::HeadlessPlatform headless;
        platform::InstallPlatform(&headless);
        Program program;
        child_program = &program;
        headless.SetClock({2001, 12, 27, 4, 10, 0, 0});
        headless.Post([&headless, &program] {
          runtime::RegisterExitRoutine(&ReportKeptResults);  // runs after the program's own
          headless.Click(runtime::NativeHandleOf(kMainWindow, kCopyButton));
          if (headless.ClipboardHasText() && !program.state().kept.ju_text.is_null()) {
            std::fprintf(stderr, "copied\n");
          }
          headless.CloseWindow(runtime::NativeHandleOf(kMainWindow, runtime::kWindowUnitId));
        });
        program.Run();
      },
      testing::ExitedWithCode(0), "copied\nkept results freed\n");
}

}  // namespace
}  // namespace veltrane::ui
