// The window's creation event on the headless platform: tables filled, one
// clock reading written into the date boxes, a first plotting shown; a reset
// afterwards puts the plates home and keeps the plotting's texts.
#include <gtest/gtest.h>

#include <string>

#include "program_fixture.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

using StartUpTest = ProgramFixture;

TEST_F(StartUpTest, ClockGoesIntoTheDateBoxesWithoutLeadingZeros) {
  Start({2001, 2, 7, 0, 30, 5, 0});
  EXPECT_EQ(Edit(kYearBox), "2001");
  EXPECT_EQ(Edit(kMonthBox), "2");
  EXPECT_EQ(Edit(kDayBox), "7");
  EXPECT_EQ(Edit(kHourBox), "0");  // inside the hour box's range 0..23
  EXPECT_TRUE(platform_.MessageBoxes().empty());
}

TEST_F(StartUpTest, ResetAfterThePlottingKeepsItsTexts) {
  Start({2001, 12, 27, 4, 10, 0, 0});
  const std::string pillars = Edit(kPillarsBox);
  const std::string term = Caption(kTermLabel);
  const std::string duty = Caption(kDutyLabel);
  const ControlPoint horse = Where(kHorseMarkerLabel);

  ASSERT_TRUE(platform_.Click(H(kResetButton)));
  EXPECT_EQ(Edit(kPillarsBox), pillars);
  EXPECT_EQ(Caption(kTermLabel), term);
  EXPECT_EQ(Caption(kDutyLabel), duty);
  EXPECT_EQ(Where(kHorseMarkerLabel), horse);
  for (int p = 1; p <= 9; ++p) {
    EXPECT_EQ(Selection(kEarthStemBoxes[p - 1]), p - 1);
    EXPECT_EQ(Selection(kHeavenStemBoxes[p - 1]), p - 1);
  }
  // 禽 and the centre stem beside 天芮 in palace 2 (星4 at 576, 48).
  EXPECT_EQ(Where(kCentreMarkerLabel).left, 546);
  EXPECT_EQ(Where(kCentreStemBox).top, 18);
}

}  // namespace
}  // namespace veltrane::ui
