// The main window on the headless platform: created from its template with
// every control in place, and the turning buttons clicked as a user (or, for
// the hidden ones, the runtime's click event) would, with the boxes and labels
// checked against the ring arrangements by item text.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "base/text/gbk.h"
#include "chart/plate_model.h"
#include "form/form_runtime.h"
#include "form/template/window_template.h"
#include "platform/headless/headless_platform.h"
#include "program_fixture.h"
#include "ui/handlers.h"
#include "ui/main_window_ids.h"
#include "ui/main_window_template.h"
#include "ui/plate_binding.h"

namespace veltrane::ui {
namespace {

using platform::Handle;

// Turning buttons (stored names 按钮1..按钮7, 按钮10, 按钮11).
constexpr ControlId kButton1 = 0x1601004E, kButton2 = 0x160100C3, kButton3 = 0x1601013C,
                    kButton4 = 0x16010251, kButton5 = 0x16010257, kButton6 = 0x16010330,
                    kButton7 = 0x1601041D, kButton10 = 0x16010690, kButton11 = 0x16010691;
// Counter labels 标签15, 标签16, 标签18, 标签20 and the 禽 marker 标签22.
constexpr ControlId kLabel15 = 0x160100B3, kLabel16 = 0x160100C1, kLabel18 = 0x1601013A,
                    kLabel20 = 0x1601024F, kLabel22 = 0x160103FD;

class MainWindowTest : public ProgramFixture {
 protected:
  void SetUp() override {
    platform::InstallPlatform(&platform_);
    platform_.SetEchoMessageBoxes(true);
    // The window as its template creates it: no first plotting.
    const auto table = HandlerTable(program_.state());
    handlers_.assign(table.begin(), table.end());
    handlers_[HandlerRef(Handler::OnMainWindowCreated)] = nullptr;
    template_ = MainWindowTemplate();
    runtime::InitRuntime(template_, handlers_);
    runtime::LoadWindow(kMainWindow);
  }

  // The item texts a family of boxes shows, blank-separated, as UTF-8.
  template <std::size_t N>
  std::string Shown(const std::array<ControlId, N>& boxes) {
    std::string out;
    for (ControlId box : boxes) {
      if (!out.empty()) out += ' ';
      const auto item = runtime::ComboItemText(kMainWindow, box, Selection(box));
      out += item ? runtime::Utf8FromGbk(*item) : "?";
    }
    return out;
  }
  // A click as the user makes it; the hidden buttons cannot be clicked, so
  // their click event is raised as the platform's notification would.
  void Click(ControlId button) {
    if (button == kButton10 || button == kButton11) {
      ASSERT_FALSE(platform_.Click(H(button)));
      runtime::RaiseEvent(kMainWindow, button, runtime::kButtonClicked);
    } else {
      ASSERT_TRUE(platform_.Click(H(button)));
    }
  }

  std::vector<runtime::HandlerFn> handlers_;
  std::vector<std::uint8_t> template_;
};

TEST_F(MainWindowTest, LoadsAllUnitsInStackingAndCreationOrder) {
  const runtime::WindowDescription d = MainWindowDescription();
  ASSERT_EQ(d.units.size(), 110u);
  const Handle window = H(runtime::kWindowUnitId);
  ASSERT_NE(window, 0u);
  EXPECT_EQ(platform_.LiveCount(), 110);

  // Record 1 on top, the last record at the bottom; the last record is
  // created first and gets child-window id 100.
  std::vector<Handle> expected;
  for (std::size_t i = 1; i < d.units.size(); ++i) {
    const Handle h = H(d.units[i].id);
    ASSERT_NE(h, 0u) << i;
    expected.push_back(h);
    EXPECT_EQ(platform_.Find(h)->child_id, static_cast<int>(100 + 10 * (109 - i))) << i;
  }
  EXPECT_EQ(platform_.Children(window), expected);
  EXPECT_EQ(platform_.Find(H(0x16010002))->child_id, 100);   // 标签1
  EXPECT_EQ(platform_.Find(H(0x16010827))->child_id, 1180);  // 标签34
}

TEST_F(MainWindowTest, WindowAndControlsAsCreated) {
  const platform::HeadlessControl* w = platform_.Find(H(runtime::kWindowUnitId));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->window.caption, "Veltrane");
  EXPECT_EQ(w->rect, (platform::Rect{(1920 - 792) / 2, (1080 - 586) / 2, 792, 586}));
  EXPECT_EQ(w->window.background, 0x000000u);
  EXPECT_FALSE(w->window.maximise_box);
  EXPECT_TRUE(w->window.minimise_box);
  EXPECT_EQ(w->window.border_style, 2);

  // 星2 stores 8 and shows its last item; the others show their stored selections.
  EXPECT_EQ(Selection(kStarBoxes[1]), 7);
  EXPECT_EQ(Shown(kStarBoxes), "天蓬 天心 天柱 天芮 天英 天辅 天冲 天任");
  EXPECT_EQ(Shown(kGateBoxes), "休门 开门 惊门 死门 景门 杜门 伤门 生门");
  EXPECT_EQ(Shown(kDeityBoxes), "九地 九天 值符 腾蛇 太阴 六合 白虎 玄武");
  EXPECT_EQ(Shown(kCounterDeityBoxes), "地 天 符 蛇 阴 六 白 玄");
  for (const auto* family : {&kEarthStemBoxes, &kHeavenStemBoxes, &kHiddenStemBoxes}) {
    EXPECT_EQ(Shown(*family), "乙 丙 丁 癸 壬 辛 庚 己 戊");
  }

  // Turning buttons exist off-screen; 按钮10 and 按钮11 are hidden as well.
  for (ControlId b : {kButton1, kButton2, kButton3, kButton4, kButton5, kButton6, kButton7}) {
    EXPECT_TRUE(platform_.Find(H(b))->visible);
    EXPECT_LT(platform_.Find(H(b))->rect.left, 0);
  }
  for (ControlId b : {kButton10, kButton11}) {
    EXPECT_FALSE(platform_.Find(H(b))->visible);
    EXPECT_EQ(runtime::ReadInt(kMainWindow, b, runtime::kVisible), 0);
  }
  for (ControlId l : {kLabel15, kLabel16, kLabel18, kLabel20}) EXPECT_EQ(Caption(l), "1");

  // The hour box steps within 0..23.
  const platform::HeadlessControl* hour = platform_.Find(H(kHourBox));
  EXPECT_EQ(hour->edit.spin_min, 0);
  EXPECT_EQ(hour->edit.spin_max, 23);
  EXPECT_EQ(hour->text, "24");
  ASSERT_TRUE(platform_.PressSpin(H(kHourBox), +1));
  EXPECT_EQ(platform_.Find(H(kHourBox))->text, "0");
  ASSERT_TRUE(platform_.PressSpin(H(kHourBox), -1));
  EXPECT_EQ(platform_.Find(H(kHourBox))->text, "23");
}

// What the user can do with the date inputs and the pillars box.
TEST_F(MainWindowTest, DateInputsTakeDigitsOnlyAndThePillarsBoxIsReadOnly) {
  const ControlId date_boxes[] = {kYearBox, kMonthBox, kDayBox, kHourBox};
  for (ControlId box : date_boxes) {
    const Handle h = H(box);
    platform_.SelectAllText(h);
    ASSERT_TRUE(platform_.TypeChar(h, U'8'));
    for (char32_t ch : {U'a', U'Z', U'.', U' ', U'年'}) {
      EXPECT_FALSE(platform_.TypeChar(h, ch)) << static_cast<std::uint32_t>(ch);
    }
    EXPECT_EQ(platform_.Find(h)->text, "8");
    EXPECT_TRUE(platform_.TypeChar(h, U'-'));
    EXPECT_EQ(platform_.Find(h)->text, "8-");
  }

  // The month's spin arrows wrap around within 1..12.
  Type(kMonthBox, "12");
  ASSERT_TRUE(platform_.PressSpin(H(kMonthBox), +1));
  EXPECT_EQ(platform_.Find(H(kMonthBox))->text, "1");
  ASSERT_TRUE(platform_.PressSpin(H(kMonthBox), -1));
  EXPECT_EQ(platform_.Find(H(kMonthBox))->text, "12");

  // 编辑框2 takes no typing but stays enabled, so its text can be selected.
  Type(kPillarsBox, "辛巳庚子甲子丙寅");
  const Handle pillars = H(kPillarsBox);
  EXPECT_TRUE(platform_.Find(pillars)->edit.read_only);
  EXPECT_TRUE(platform_.Find(pillars)->enabled);
  EXPECT_FALSE(platform_.TypeChar(pillars, U'1'));
  EXPECT_FALSE(platform_.TypeChar(pillars, 8));  // backspace
  EXPECT_EQ(Edit(kPillarsBox), "辛巳庚子甲子丙寅");
}

TEST_F(MainWindowTest, ResetButtonSetsTheHomeArrangementAndMovesTheCentreMarkers) {
  // Disturb what a reset puts home, and what it leaves.
  ASSERT_TRUE(platform_.PickComboItem(H(kGateBoxes[0]), 4));
  ASSERT_TRUE(platform_.PickComboItem(H(kEarthStemBoxes[4]), 0));
  ASSERT_TRUE(platform_.PickComboItem(H(kHiddenStemBoxes[2]), 8));
  ASSERT_TRUE(platform_.PickComboItem(H(kCounterDeityBoxes[5]), 0));
  Click(kButton4);
  Click(kButton1);
  Click(kButton10);
  const std::string hidden = Shown(kHiddenStemBoxes);

  Click(kButton7);
  EXPECT_EQ(Shown(kGateBoxes), "休门 开门 惊门 死门 景门 杜门 伤门 生门");
  EXPECT_EQ(Shown(kStarBoxes), "天蓬 天心 天柱 天芮 天英 天辅 天冲 天任");
  EXPECT_EQ(Shown(kDeityBoxes), "九地 九天 值符 腾蛇 太阴 六合 白虎 玄武");
  EXPECT_EQ(Shown(kEarthStemBoxes), "乙 丙 丁 癸 壬 辛 庚 己 戊");
  EXPECT_EQ(Shown(kHeavenStemBoxes), "乙 丙 丁 癸 壬 辛 庚 己 戊");
  EXPECT_EQ(Shown(kHiddenStemBoxes), hidden);
  EXPECT_EQ(Shown(kCounterDeityBoxes), "地 天 符 蛇 阴 地 白 玄");
  // 天芮 in 星4 (576, 48).
  EXPECT_EQ(Where(kLabel22), (ControlPoint{546, 48}));
  EXPECT_EQ(Where(kCentreStemBox), (ControlPoint{656, 18}));
  // The counter labels keep their numbers; the hidden counter goes on.
  EXPECT_EQ(Caption(kLabel15), "1");
  EXPECT_EQ(Caption(kLabel20), "1");
  EXPECT_EQ(program_.state().ring_counters, (chart::RingCounters{0, 1, 0, 0, 0}));
  Click(kButton11);
  EXPECT_EQ(Caption(kLabel20), "2");
}

TEST_F(MainWindowTest, EachTurningButtonShowsItsFirstArrangement) {
  struct Case {
    ControlId button;
    const char* family;
    ControlId label;
    const char* row;
  };
  const Case cases[] = {
      {kButton4, "earth", kLabel20, "丙 丁 癸 壬 辛 庚 己 戊 乙"},
      {kButton5, "earth", kLabel20, "庚 辛 壬 癸 丁 丙 乙 戊 己"},
      {kButton10, "hidden", kLabel20, "丙 丁 癸 壬 辛 庚 己 戊 乙"},
      {kButton11, "hidden", kLabel20, "庚 辛 壬 癸 丁 丙 乙 戊 己"},
      {kButton2, "stars", kLabel16, "天任 天蓬 天心 天柱 天芮 天英 天辅 天冲"},
      {kButton1, "gates", kLabel15, "生门 休门 开门 惊门 死门 景门 杜门 伤门"},
      {kButton3, "deities", kLabel18, "玄武 九地 九天 值符 腾蛇 太阴 六合 白虎"},
      {kButton6, "deities", kLabel18, "玄武 白虎 六合 太阴 腾蛇 值符 九天 九地"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family);
    program_.state().ring_counters = {};
    Click(kButton7);
    Click(c.button);
    const std::string family = c.family;
    const std::string shown = family == "earth"    ? Shown(kEarthStemBoxes)
                              : family == "hidden" ? Shown(kHiddenStemBoxes)
                              : family == "stars"  ? Shown(kStarBoxes)
                              : family == "gates"  ? Shown(kGateBoxes)
                                                   : Shown(kDeityBoxes);
    EXPECT_EQ(shown, c.row);
    EXPECT_EQ(Caption(c.label), "1");
    if (family == "earth") {
      EXPECT_EQ(Shown(kHeavenStemBoxes), c.row);
    }
  }
}

TEST_F(MainWindowTest, CountersRunAcrossClicksAndShareYinAndYang) {
  Click(kButton4);
  Click(kButton4);
  Click(kButton4);
  Click(kButton5);  // continues the earth counter: yang arrangement "4"
  EXPECT_EQ(Caption(kLabel20), "4");
  EXPECT_EQ(Shown(kEarthStemBoxes), "癸 丁 丙 乙 戊 己 庚 辛 壬");
  for (int i = 0; i < 5; ++i) Click(kButton5);  // "9": yang ju 9
  EXPECT_EQ(Caption(kLabel20), "9");
  EXPECT_EQ(Shown(kEarthStemBoxes), "己 庚 辛 壬 癸 丁 丙 乙 戊");
  Click(kButton4);
  EXPECT_EQ(Caption(kLabel20), "1");

  for (int i = 0; i < 8; ++i) Click(kButton1);
  EXPECT_EQ(Caption(kLabel15), "8");
  EXPECT_EQ(Shown(kGateBoxes), "休门 开门 惊门 死门 景门 杜门 伤门 生门");
  Click(kButton3);
  Click(kButton6);
  EXPECT_EQ(Caption(kLabel18), "2");
  EXPECT_EQ(Shown(kDeityBoxes), "白虎 六合 太阴 腾蛇 值符 九天 九地 玄武");
}

TEST_F(MainWindowTest, StarButtonCarriesHeavenStemsAndMovesTheCentreMarkers) {
  Click(kButton7);
  // A heaven stem changed by hand: 戊 into 天干支3 (ring position 7).
  ASSERT_TRUE(platform_.PickComboItem(H(kHeavenStemBoxes[2]), 8));
  // A star changed by hand is overwritten by the next step.
  ASSERT_TRUE(platform_.PickComboItem(H(kStarBoxes[0]), 7));
  Click(kButton2);
  EXPECT_EQ(Shown(kStarBoxes), "天任 天蓬 天心 天柱 天芮 天英 天辅 天冲");
  EXPECT_EQ(Caption(kLabel16), "1");
  // 乙 of palace 1 is now in 天干支6, the hand-set 戊 in 天干支8; 天干支5 keeps 壬.
  EXPECT_EQ(Shown(kHeavenStemBoxes), "己 庚 癸 戊 壬 乙 辛 戊 丙");
  // 天芮 in 星5 (336, 48).
  EXPECT_EQ(Where(kLabel22), (ControlPoint{336 + 130, 48 - 35}));
  // The 禽 mark keeps clear of the bar of the red rule beside it (标签4, its
  // 56 px "|" about 7 px wide around the label's middle).
  const int rule_middle = runtime::ReadInt(kMainWindow, 0x16010005, runtime::kLeft) +
                          runtime::ReadInt(kMainWindow, 0x16010005, runtime::kWidth) / 2;
  EXPECT_LE(Where(kLabel22).left + runtime::ReadInt(kMainWindow, kLabel22, runtime::kWidth),
            rule_middle - 3);
  EXPECT_EQ(Where(kCentreStemBox), (ControlPoint{336 + 72, 48 - 30}));
  Click(kButton2);
  EXPECT_EQ(runtime::Utf8FromGbk(*runtime::ComboItemText(kMainWindow, kHeavenStemBoxes[0],
                                                         Selection(kHeavenStemBoxes[0]))),
            "戊");
  EXPECT_EQ(Caption(kLabel16), "2");
}

TEST_F(MainWindowTest, AnUnchangedLabelIsNotRewritten) {
  Click(kButton10);  // hidden yin: 标签20 shows "1"
  const int repaints = platform_.Find(H(kLabel20))->repaints;
  Click(kButton4);  // earth yin: also "1"
  EXPECT_EQ(platform_.Find(H(kLabel20))->repaints, repaints);
  Click(kButton4);
  EXPECT_EQ(platform_.Find(H(kLabel20))->repaints, repaints + 1);
  EXPECT_EQ(Caption(kLabel20), "2");
}

// After any sequence of clicks and changes by hand, the window shows what the
// plate model, run on what the window showed, gives.
TEST_F(MainWindowTest, WindowFollowsTheModelThroughRandomClicks) {
  const ControlId buttons[chart::kRingOpCount] = {kButton7, kButton4, kButton5,  kButton2, kButton1,
                                                  kButton3, kButton6, kButton10, kButton11};
  std::mt19937 random(20150204);
  for (int round = 0; round < 200; ++round) {
    if (round % 7 == 3) {  // the user picks an item somewhere
      const ControlId box = kHeavenStemBoxes[random() % 9];
      ASSERT_TRUE(platform_.PickComboItem(H(box), static_cast<int>(random() % 9)));
    }
    const int op = static_cast<int>(random() % chart::kRingOpCount);
    chart::PlateModel expected;
    LoadPlateModel(expected, chart::kAllPlateParts, program_.state().ring_counters);
    chart::RunRingOp(expected, static_cast<chart::RingOp>(op));
    Click(buttons[op]);
    chart::PlateModel shown;
    LoadPlateModel(shown, chart::kAllPlateParts, program_.state().ring_counters);
    ASSERT_EQ(shown, expected) << "round " << round << " op " << op;
  }
}

}  // namespace
}  // namespace veltrane::ui
