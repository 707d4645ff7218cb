// The window from the keyboard on the headless platform: where Tab goes, what
// takes no focus, and the arrow keys on the date boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "chart/vocabulary.h"
#include "form/template/window_template.h"
#include "program_fixture.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

using platform::Key;

constexpr platform::LocalTime kClock = {2001, 12, 27, 4, 7, 0, 0};

constexpr ControlId kTurningButtons[] = {
    kStepGatesButton,    kStepStarsButton,     kStepDeitiesYinButton,
    kStepEarthYinButton, kStepEarthYangButton, kStepDeitiesYangButton,
    kResetButton,        kStepHiddenYinButton, kStepHiddenYangButton};

class KeyboardTest : public ProgramFixture {
 protected:
  // Tab pressed until the focus comes back to where it started; the controls met.
  std::vector<platform::Handle> TabRound() {
    const platform::Handle start = platform_.FocusedControl();
    std::vector<platform::Handle> met;
    for (int i = 0; i < 200 && platform_.PressTab(); ++i) {
      if (platform_.FocusedControl() == start) break;
      met.push_back(platform_.FocusedControl());
    }
    return met;
  }
  // The palace whose box family a control belongs to; 0 for none.
  int PalaceOf(ControlId control) {
    for (int p = 1; p <= 9; ++p) {
      for (const auto* family : {&kEarthStemBoxes, &kHeavenStemBoxes, &kHiddenStemBoxes}) {
        if ((*family)[p - 1] == control) return p;
      }
      const int k = chart::RingPositionOfPalace(p);
      if (k == 0) continue;
      for (const auto* family : {&kStarBoxes, &kGateBoxes, &kDeityBoxes, &kCounterDeityBoxes}) {
        if ((*family)[k - 1] == control) return p;
      }
    }
    return 0;
  }
};

TEST_F(KeyboardTest, TabFromTheYearBoxReadsTheWindowAndNeverMeetsAnOffScreenButton) {
  Start(kClock);
  ASSERT_EQ(platform_.FocusedControl(), H(kYearBox));  // the window opens on the year box
  const std::vector<platform::Handle> met = TabRound();
  ASSERT_GE(met.size(), 12u);
  const std::vector<platform::Handle> first = {H(kMonthBox),
                                               H(kDayBox),
                                               H(kHourBox),
                                               H(kPlotButton),
                                               H(kCopyButton),
                                               H(kDeityBoxes[5]),
                                               H(kHiddenStemBoxes[3]),
                                               H(kStarBoxes[5]),
                                               H(kHeavenStemBoxes[3]),
                                               H(kCounterDeityBoxes[5]),
                                               H(kGateBoxes[5]),
                                               H(kEarthStemBoxes[3])};
  EXPECT_EQ(std::vector<platform::Handle>(met.begin(), met.begin() + 12), first);
  for (ControlId button : kTurningButtons) {
    EXPECT_EQ(std::count(met.begin(), met.end(), H(button)), 0) << std::hex << button;
  }
  // Then palace after palace, row by row, each palace's boxes from the top;
  // every plate box is met once (the centre stem box wherever it stands).
  const std::vector<int> reading = {4, 9, 2, 3, 5, 7, 8, 1, 6};
  std::map<platform::Handle, ControlId> ids;
  for (const auto* family : {&kEarthStemBoxes, &kHeavenStemBoxes, &kHiddenStemBoxes}) {
    for (ControlId c : *family) ids[H(c)] = c;
  }
  for (const auto* family : {&kStarBoxes, &kGateBoxes, &kDeityBoxes, &kCounterDeityBoxes}) {
    for (ControlId c : *family) ids[H(c)] = c;
  }
  int boxes = 0;
  std::size_t last_palace = 0;
  int last_top = -1;
  for (std::size_t i = 5; i < met.size(); ++i) {
    if (!ids.contains(met[i])) continue;  // the pillars box of the centre palace
    ++boxes;
    if (ids[met[i]] == kCentreStemBox) continue;
    const auto at = static_cast<std::size_t>(
        std::find(reading.begin(), reading.end(), PalaceOf(ids[met[i]])) - reading.begin());
    const int top = Where(ids[met[i]]).top;
    EXPECT_TRUE(at > last_palace || (at == last_palace && top >= last_top)) << "step " << i;
    if (at != last_palace) last_top = -1;
    last_palace = at;
    last_top = std::max(last_top, top);
  }
  EXPECT_EQ(boxes, 9 * 3 + 8 * 4);
}

TEST_F(KeyboardTest, ControlsOutsideTheClientAreaTakeNoFocusUntilMovedIntoIt) {
  Start(kClock);
  const platform::Handle year = H(kYearBox);
  platform_.SetFocus(H(kResetButton));
  EXPECT_EQ(platform_.FocusedControl(), year);
  // Tabbing round and pressing Space wherever a button has the focus never
  // reaches 重置排盘, so the chart stays the one of its date.
  const int before = Selection(kStarBoxes[0]);
  for (platform::Handle h : TabRound()) {
    EXPECT_NE(h, H(kResetButton));
  }
  platform_.SetFocus(H(kCopyButton));
  EXPECT_TRUE(platform_.PressKey(Key::Space));  // copies
  EXPECT_EQ(platform_.MessageBoxes().size(), 1u);
  EXPECT_EQ(Selection(kStarBoxes[0]), before);

  // A program that moves the button into view makes it reachable again.
  runtime::WriteInt(kMainWindow, kResetButton, runtime::kLeft, 620);
  runtime::WriteInt(kMainWindow, kResetButton, runtime::kTop, 520);
  const std::vector<platform::Handle> order = platform_.TabOrder(H(runtime::kWindowUnitId));
  const auto copy = std::find(order.begin(), order.end(), H(kCopyButton));
  ASSERT_NE(copy, order.end());
  EXPECT_EQ(*(copy + 1), H(kResetButton));  // in the input row, after 复制排盘
  platform_.SetFocus(H(kResetButton));
  EXPECT_EQ(platform_.FocusedControl(), H(kResetButton));
}

TEST_F(KeyboardTest, UpAndDownStepTheDateBoxesAsTheirArrowsDo) {
  Start({2001, 12, 27, 0, 7, 0, 0});
  ASSERT_TRUE(platform_.PressTab());  // the month box, showing 12
  EXPECT_TRUE(platform_.PressKey(Key::Up));
  EXPECT_EQ(Edit(kMonthBox), "1");
  EXPECT_TRUE(platform_.PressKey(Key::Down));
  EXPECT_EQ(Edit(kMonthBox), "12");
  ASSERT_TRUE(platform_.PressTab());
  ASSERT_TRUE(platform_.PressTab());  // the hour box, showing 0
  EXPECT_TRUE(platform_.PressKey(Key::Down));
  EXPECT_EQ(Edit(kHourBox), "23");
  EXPECT_FALSE(platform_.PressKey(Key::Space));  // no button
}

}  // namespace
}  // namespace veltrane::ui
