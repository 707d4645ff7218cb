// The window's creation event on the headless platform: tables filled, one
// clock reading written into the date boxes, a first plotting shown; a reset
// afterwards puts the plates home and keeps the plotting's texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/chart_tables.h"
#include "runtime/form/form_runtime.h"
#include "runtime/platform/headless/headless_platform.h"
#include "runtime/text/gbk.h"
#include "ui/handlers.h"
#include "ui/main_window_ids.h"
#include "ui/main_window_template.h"
#include "ui/plate_binding.h"

namespace veltrane::ui {
namespace {

class StartUpTest : public testing::Test {
 protected:
  void Start(const platform::LocalTime& clock) {
    platform::InstallPlatform(&platform_);
    platform_.SetEchoMessageBoxes(true);
    platform_.SetClock(clock);
    RingCounterState() = {};
    template_ = MainWindowTemplate();
    runtime::InitRuntime(template_, HandlerTable());
    chart::InitChartTables();
    runtime::LoadWindow(kMainWindow);
  }
  void TearDown() override {
    runtime::ShutdownRuntimeForTests();
    chart::FreeChartTables();
    RingCounterState() = {};
  }
  std::string Text(ControlId box) {
    return std::string(runtime::ReadText(kMainWindow, box, runtime::kEditContent).view());
  }
  std::string Caption(ControlId label) {
    return std::string(runtime::ReadText(kMainWindow, label, runtime::kLabelCaption).view());
  }

  platform::HeadlessPlatform platform_;
  std::vector<std::uint8_t> template_;
};

TEST_F(StartUpTest, ClockGoesIntoTheDateBoxesWithoutLeadingZeros) {
  Start({2001, 2, 7, 0, 30, 5, 0});
  EXPECT_EQ(Text(kYearBox), "2001");
  EXPECT_EQ(Text(kMonthBox), "2");
  EXPECT_EQ(Text(kDayBox), "7");
  EXPECT_EQ(Text(kHourBox), "0");  // inside the hour box's range 0..23
  EXPECT_EQ(chart::Tables().terms.count(), 24);
  EXPECT_EQ(chart::Tables().stems.count(), 10);
  EXPECT_TRUE(platform_.MessageBoxes().empty());
}

TEST_F(StartUpTest, ResetAfterThePlottingKeepsItsTexts) {
  Start({2001, 12, 27, 4, 10, 0, 0});
  const std::string pillars = Text(kPillarsBox);
  const std::string term = Caption(kTermLabel);
  const std::string duty = Caption(kDutyLabel);
  const int horse_left = runtime::ReadInt(kMainWindow, kHorseMarkerLabel, runtime::kLeft);

  ASSERT_TRUE(platform_.Click(runtime::NativeHandleOf(kMainWindow, kResetButton)));
  EXPECT_EQ(Text(kPillarsBox), pillars);
  EXPECT_EQ(Caption(kTermLabel), term);
  EXPECT_EQ(Caption(kDutyLabel), duty);
  EXPECT_EQ(runtime::ReadInt(kMainWindow, kHorseMarkerLabel, runtime::kLeft), horse_left);
  for (int p = 1; p <= 9; ++p) {
    EXPECT_EQ(runtime::ReadInt(kMainWindow, kEarthStemBoxes[p - 1], runtime::kComboSelection),
              p - 1);
    EXPECT_EQ(runtime::ReadInt(kMainWindow, kHeavenStemBoxes[p - 1], runtime::kComboSelection),
              p - 1);
  }
  // 禽 and the centre stem beside 天芮 in palace 2 (星4 at 576, 48).
  EXPECT_EQ(runtime::ReadInt(kMainWindow, kCentreMarkerLabel, runtime::kLeft), 546);
  EXPECT_EQ(runtime::ReadInt(kMainWindow, kCentreStemBox, runtime::kTop), 18);
}

}  // namespace
}  // namespace veltrane::ui
