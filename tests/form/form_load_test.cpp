// Start-up and window loading: every type created on the headless platform,
// creation order, child ids, stacking, visibility, the window's first events,
// and the fatal ends of a bad template or a failed creation.
#include <gtest/gtest.h>

#include "form/controls/property_index.h"
#include "form/controls/window_control.h"
#include "form_test_fixture.h"

namespace veltrane::runtime::testing_form {
namespace {

using platform::ControlKind;

using FormLoad = FormTest;
using FormLoadDeathTest = FormTest;

TEST_F(FormLoad, CreatesOneControlOfEachTypeWithItsLook) {
  Load();
  ASSERT_TRUE(IsWindowLoaded(kWindow));
  const platform::HeadlessControl& window = Native(kWindowUnitId);
  EXPECT_EQ(window.kind, ControlKind::Window);
  EXPECT_EQ(window.window.caption, "Test");
  EXPECT_EQ(window.window.background, 0u);
  // Position 1: centred on the 1920 x 1080 screen.
  EXPECT_EQ(window.rect, (platform::Rect{760, 390, 400, 300}));
  EXPECT_TRUE(window.visible);

  EXPECT_EQ(Native(kButton).kind, ControlKind::Button);
  EXPECT_EQ(Native(kButton).button.caption, "Go");
  EXPECT_EQ(Native(kLabel).kind, ControlKind::Label);
  EXPECT_EQ(Native(kLabel).label.caption, "L");
  EXPECT_EQ(Native(kLabel).label.text_colour, 0x0000FFu);
  EXPECT_EQ(Native(kLabel).label.font.height, -16);
  EXPECT_EQ(Native(kLabel).label.font.weight, 700);
  EXPECT_EQ(Native(kSpinEdit).kind, ControlKind::Edit);
  EXPECT_EQ(Native(kSpinEdit).text, "12");
  EXPECT_EQ(Native(kSpinEdit).edit.spin_mode, 1);
  EXPECT_EQ(Native(kSpinEdit).edit.max_length, 2);
  EXPECT_EQ(Native(kCombo).kind, ControlKind::ComboBox);
  EXPECT_EQ(Native(kCombo).combo.items.size(), 8u);
  EXPECT_EQ(Native(kCombo).selection, 3);
  // A drop-down list is made as high as its open list.
  EXPECT_EQ(Native(kCombo).rect, (platform::Rect{10, 110, 56, 160}));
  EXPECT_EQ(Native(kButton).parent, window.handle);
  EXPECT_TRUE(Native(kButton).tab_stop);
}

TEST_F(FormLoad, WindowEventsComeCreatedMovedResized) {
  Load();
  EXPECT_EQ(calls, (std::vector<std::string>{"created", "moved", "resized"}));
  ASSERT_EQ(sources.size(), 3u);
  EXPECT_EQ(sources[0].window, kWindow);
  EXPECT_EQ(sources[0].unit, kWindowUnitId);
  EXPECT_FALSE(CurrentEventSource().has_value());
}

TEST_F(FormLoad, ControlsAreMadeFromTheLastRecordWithChildIdsFrom100) {
  Load();
  const platform::Handle window = H(kWindowUnitId);
  // Ten controls: the last record is made first and gets 100, record 1 gets 190.
  EXPECT_EQ(Native(kPastEndCombo).child_id, 100);
  EXPECT_EQ(Native(kLoopButtonB).child_id, 110);
  EXPECT_EQ(Native(kButton).child_id, 190);
  EXPECT_LT(H(kPastEndCombo), H(kButton));  // made earlier
  EXPECT_EQ(platform_.ChildById(window, 150), H(kHiddenLabel));
}

TEST_F(FormLoad, CentringKeepsTheWindowOnTheWorkAreaWhateverItsStoredSize) {
  struct Row {
    platform::Rect area;
    int width, height;
    platform::Rect want;
  };
  const Row rows[] = {
      {{0, 0, 1920, 1080}, 400, 300, {760, 390, 400, 300}},
      // A task bar on the left and one at the top: centred in what is left.
      {{64, 32, 1216, 992}, 792, 586, {276, 235, 792, 586}},
      // Larger than the area: its title bar stays on the screen.
      {{0, 0, 1920, 1080}, 2000, 1200, {0, 0, 2000, 1200}},
      {{0, 0, 640, 512}, 792, 400, {0, 56, 792, 400}},
      {{0, 0, 1920, 1080}, INT32_MIN, INT32_MIN, {1073742784, 1073742364, INT32_MIN, INT32_MIN}},
      {{0, 0, 1920, 1080}, INT32_MAX, INT32_MAX, {0, 0, INT32_MAX, INT32_MAX}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(PlacedRect(row.area, row.width, row.height), row.want) << row.width;
  }
  // A window stored with an extreme size still loads, placed by the same rule.
  std::vector<WindowDescription> windows = TestWindows();
  windows[0].units[0].width = INT32_MIN;
  windows[0].units[0].height = INT32_MIN;
  InitRuntime(WriteWindowTemplate(windows), kHandlers);
  Load();
  EXPECT_EQ(Native(kWindowUnitId).rect, rows[4].want);
}

TEST_F(FormLoad, StackingPutsRecordOneOnTop) {
  Load();
  const std::vector<platform::Handle> want = {
      H(kButton),        H(kLabel),         H(kSpinEdit),    H(kCombo),       H(kHiddenLabel),
      H(kEventSpinEdit), H(kSharingButton), H(kLoopButtonA), H(kLoopButtonB), H(kPastEndCombo)};
  EXPECT_EQ(platform_.Children(H(kWindowUnitId)), want);
}

TEST_F(FormLoad, VisibleFlagDecidesWhatIsShown) {
  Load();
  EXPECT_TRUE(Native(kButton).visible);
  EXPECT_TRUE(Native(kLabel).visible);
  EXPECT_FALSE(Native(kHiddenLabel).visible);
  // A control at a negative left is made where it is stored.
  EXPECT_EQ(Native(kHiddenLabel).rect.left, -300);
}

TEST_F(FormLoad, StoredComboSelectionIsClampedToTheList) {
  Load();
  EXPECT_EQ(Native(kPastEndCombo).selection, 7);
  EXPECT_EQ(ReadInt(kWindow, kPastEndCombo, kComboSelection), 7);
  EXPECT_EQ(ComboItemText(kWindow, kPastEndCombo, 7), "item7");
  EXPECT_EQ(ComboItemText(kWindow, kPastEndCombo, 8), std::nullopt);
  EXPECT_EQ(ComboItemText(kWindow, kLabel, 0), std::nullopt);
  EXPECT_EQ(ComboItemText(kSecondWindow, kSecondLabel, 0), std::nullopt);
}

TEST_F(FormLoad, LoadingALoadedWindowKeepsItsControls) {
  Load();
  const platform::Handle button = H(kButton);
  const int live = platform_.LiveCount();
  Load();
  EXPECT_EQ(H(kButton), button);
  EXPECT_EQ(platform_.LiveCount(), live);
  EXPECT_EQ(calls.size(), 3u);  // no second round of window events
}

TEST_F(FormLoad, NoLiveControlsBeforeLoading) {
  EXPECT_FALSE(IsWindowLoaded(kWindow));
  EXPECT_EQ(NativeHandleOf(kWindow, kButton), 0u);
  EXPECT_EQ(platform_.LiveCount(), 0);
}

TEST_F(FormLoadDeathTest, LabelBlockNewerThanItsTypeFailsTheLoad) {
  const std::vector<std::uint8_t> stream = TestTemplate(3);
  EXPECT_EXIT(
      {
        InitRuntime(stream, kHandlers);
        LoadWindow(kWindow);
      },
      ::testing::ExitedWithCode(255), FatalEcho("载入启动窗口失败"));
}

TEST_F(FormLoadDeathTest, WindowMissingFromTheTemplateFailsTheLoad) {
  EXPECT_EXIT(LoadWindow(0x52019999), ::testing::ExitedWithCode(255),
              FatalEcho("载入启动窗口失败"));
}

TEST_F(FormLoadDeathTest, UnknownControlTypeFailsTheLoad) {
  EXPECT_EXIT(LoadWindow(kSecondWindow), ::testing::ExitedWithCode(255),
              FatalEcho("载入启动窗口失败"));
}

TEST_F(FormLoadDeathTest, UnreadableTemplateIsFatal) {
  std::vector<std::uint8_t> stream = TestTemplate();
  stream.resize(stream.size() / 2);
  EXPECT_EXIT(InitRuntime(stream, kHandlers), ::testing::ExitedWithCode(255),
              FatalEcho("载入窗口模板数据段出错!"));
}

TEST_F(FormLoadDeathTest, HandlerRefOutsideTheTableIsFatal) {
  const std::vector<std::uint8_t> stream = TestTemplate();
  const HandlerFn too_few[] = {&Created};
  EXPECT_EXIT(InitRuntime(stream, too_few), ::testing::ExitedWithCode(255),
              FatalEcho("载入窗口模板数据段出错!"));
}

}  // namespace
}  // namespace veltrane::runtime::testing_form
