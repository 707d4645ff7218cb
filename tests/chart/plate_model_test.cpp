// The ring operations on the plate model, checked against the arrangement
// tables of the plates as item texts.
#include "chart/plate_model.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace veltrane::chart {
namespace {

// Box item lists, in stored order.
const std::vector<std::string> kStemItems = {"乙", "丙", "丁", "癸", "壬", "辛", "庚", "己", "戊"};
const std::vector<std::string> kStarItems = {"天蓬", "天任", "天冲", "天辅",
                                             "天英", "天芮", "天柱", "天心"};
const std::vector<std::string> kGateItems = {"开门", "休门", "生门", "伤门",
                                             "杜门", "景门", "死门", "惊门"};
const std::vector<std::string> kDeityItems = {"九地", "九天", "值符", "腾蛇",
                                              "太阴", "六合", "白虎", "玄武"};

// Item texts a family of boxes shows, blank-separated.
template <std::size_t N>
std::string Shown(const std::array<std::int32_t, N>& boxes, const std::vector<std::string>& items) {
  std::string out;
  for (std::int32_t sel : boxes) {
    if (!out.empty()) out += ' ';
    out += sel >= 0 && static_cast<std::size_t>(sel) < items.size() ? items[sel] : "?";
  }
  return out;
}

// A model as the window shows it after a reset.
PlateModel ResetModel() {
  PlateModel m;
  m.ResetChart();
  return m;
}

struct ArrangementTable {
  const char* name;
  void (PlateModel::*step)();
  int cycle;
  CounterLabel label;
  std::vector<std::string> rows;  // row a − 1 is the arrangement after a steps
};

// The boxes a table describes, as item texts.
std::string ShownBy(const PlateModel& m, const ArrangementTable& t) {
  const std::string name = t.name;
  if (name.find("Earth") != std::string::npos) return Shown(m.earth, kStemItems);
  if (name.find("Hidden") != std::string::npos) return Shown(m.hidden, kStemItems);
  if (name == "StepStars") return Shown(m.stars, kStarItems);
  if (name == "StepGates") return Shown(m.gates, kGateItems);
  return Shown(m.deities, kDeityItems);
}

const std::vector<std::string> kYinStemRows = {
    "丙 丁 癸 壬 辛 庚 己 戊 乙", "丁 癸 壬 辛 庚 己 戊 乙 丙", "癸 壬 辛 庚 己 戊 乙 丙 丁",
    "壬 辛 庚 己 戊 乙 丙 丁 癸", "辛 庚 己 戊 乙 丙 丁 癸 壬", "庚 己 戊 乙 丙 丁 癸 壬 辛",
    "己 戊 乙 丙 丁 癸 壬 辛 庚", "戊 乙 丙 丁 癸 壬 辛 庚 己", "乙 丙 丁 癸 壬 辛 庚 己 戊"};
const std::vector<std::string> kYangStemRows = {
    "庚 辛 壬 癸 丁 丙 乙 戊 己", "辛 壬 癸 丁 丙 乙 戊 己 庚", "壬 癸 丁 丙 乙 戊 己 庚 辛",
    "癸 丁 丙 乙 戊 己 庚 辛 壬", "丁 丙 乙 戊 己 庚 辛 壬 癸", "丙 乙 戊 己 庚 辛 壬 癸 丁",
    "乙 戊 己 庚 辛 壬 癸 丁 丙", "戊 己 庚 辛 壬 癸 丁 丙 乙", "己 庚 辛 壬 癸 丁 丙 乙 戊"};

const std::vector<ArrangementTable>& Tables() {
  static const std::vector<ArrangementTable> tables = {
      {"StepEarthYin", &PlateModel::StepEarthYin, 9, CounterLabel::Stems, kYinStemRows},
      {"StepEarthYang", &PlateModel::StepEarthYang, 9, CounterLabel::Stems, kYangStemRows},
      {"StepHiddenYin", &PlateModel::StepHiddenYin, 9, CounterLabel::Stems, kYinStemRows},
      {"StepHiddenYang", &PlateModel::StepHiddenYang, 9, CounterLabel::Stems, kYangStemRows},
      {"StepStars",
       &PlateModel::StepStars,
       8,
       CounterLabel::Star,
       {"天任 天蓬 天心 天柱 天芮 天英 天辅 天冲", "天冲 天任 天蓬 天心 天柱 天芮 天英 天辅",
        "天辅 天冲 天任 天蓬 天心 天柱 天芮 天英", "天英 天辅 天冲 天任 天蓬 天心 天柱 天芮",
        "天芮 天英 天辅 天冲 天任 天蓬 天心 天柱", "天柱 天芮 天英 天辅 天冲 天任 天蓬 天心",
        "天心 天柱 天芮 天英 天辅 天冲 天任 天蓬", "天蓬 天心 天柱 天芮 天英 天辅 天冲 天任"}},
      {"StepGates",
       &PlateModel::StepGates,
       8,
       CounterLabel::Gate,
       {"生门 休门 开门 惊门 死门 景门 杜门 伤门", "伤门 生门 休门 开门 惊门 死门 景门 杜门",
        "杜门 伤门 生门 休门 开门 惊门 死门 景门", "景门 杜门 伤门 生门 休门 开门 惊门 死门",
        "死门 景门 杜门 伤门 生门 休门 开门 惊门", "惊门 死门 景门 杜门 伤门 生门 休门 开门",
        "开门 惊门 死门 景门 杜门 伤门 生门 休门", "休门 开门 惊门 死门 景门 杜门 伤门 生门"}},
      {"StepDeitiesYin",
       &PlateModel::StepDeitiesYin,
       8,
       CounterLabel::Deity,
       {"玄武 九地 九天 值符 腾蛇 太阴 六合 白虎", "白虎 玄武 九地 九天 值符 腾蛇 太阴 六合",
        "六合 白虎 玄武 九地 九天 值符 腾蛇 太阴", "太阴 六合 白虎 玄武 九地 九天 值符 腾蛇",
        "腾蛇 太阴 六合 白虎 玄武 九地 九天 值符", "值符 腾蛇 太阴 六合 白虎 玄武 九地 九天",
        "九天 值符 腾蛇 太阴 六合 白虎 玄武 九地", "九地 九天 值符 腾蛇 太阴 六合 白虎 玄武"}},
      {"StepDeitiesYang",
       &PlateModel::StepDeitiesYang,
       8,
       CounterLabel::Deity,
       {"玄武 白虎 六合 太阴 腾蛇 值符 九天 九地", "白虎 六合 太阴 腾蛇 值符 九天 九地 玄武",
        "六合 太阴 腾蛇 值符 九天 九地 玄武 白虎", "太阴 腾蛇 值符 九天 九地 玄武 白虎 六合",
        "腾蛇 值符 九天 九地 玄武 白虎 六合 太阴", "值符 九天 九地 玄武 白虎 六合 太阴 腾蛇",
        "九天 九地 玄武 白虎 六合 太阴 腾蛇 值符", "九地 玄武 白虎 六合 太阴 腾蛇 值符 九天"}},
  };
  return tables;
}

// Every row of every table, reached by successive steps from counter 0; a
// further step starts the cycle again at row "1".
TEST(RingStepTables, EveryRowInTurn) {
  for (const ArrangementTable& t : Tables()) {
    SCOPED_TRACE(t.name);
    PlateModel m = ResetModel();
    for (int a = 1; a <= t.cycle + 1; ++a) {
      (m.*t.step)();
      const int row = (a - 1) % t.cycle;
      SCOPED_TRACE(testing::Message() << "step " << a);
      EXPECT_EQ(ShownBy(m, t), t.rows[row]);
      EXPECT_EQ(m.LabelNumber(t.label), row + 1);
    }
  }
}

TEST(RingStepTables, EarthStepsSetHeavenEqualToEarth) {
  for (auto step : {&PlateModel::StepEarthYin, &PlateModel::StepEarthYang}) {
    PlateModel m = ResetModel();
    m.heaven.fill(3);
    for (int i = 0; i < 4; ++i) {
      (m.*step)();
      EXPECT_EQ(m.heaven, m.earth);
    }
  }
}

TEST(RingCounters, CycleEndsAtZeroAndTheResetArrangement) {
  PlateModel m = ResetModel();
  const PlateModel home = m;
  for (int i = 0; i < 9; ++i) m.StepEarthYin();
  EXPECT_EQ(m.counters.earth, 0);
  EXPECT_EQ(m.LabelNumber(CounterLabel::Stems), 9);
  EXPECT_EQ(m.earth, home.earth);
  EXPECT_EQ(m.heaven, home.heaven);

  for (int i = 0; i < 8; ++i) m.StepDeitiesYin();
  EXPECT_EQ(m.counters.deity, 0);
  EXPECT_EQ(m.deities, home.deities);
  for (int i = 0; i < 8; ++i) m.StepDeitiesYang();
  EXPECT_EQ(m.counters.deity, 0);
  EXPECT_NE(m.deities, home.deities);
  EXPECT_EQ(Shown(m.deities, kDeityItems), "九地 玄武 白虎 六合 太阴 腾蛇 值符 九天");
}

// Yin and yang steps of a family continue one sequence.
TEST(RingCounters, SharedBetweenYinAndYangSteps) {
  PlateModel m = ResetModel();
  for (int i = 0; i < 3; ++i) m.StepEarthYin();
  EXPECT_EQ(m.counters.earth, 3);
  m.StepEarthYang();
  EXPECT_EQ(m.LabelNumber(CounterLabel::Stems), 4);
  EXPECT_EQ(Shown(m.earth, kStemItems), kYangStemRows[3]);

  for (int i = 0; i < 5; ++i) m.StepDeitiesYang();
  m.StepDeitiesYin();
  EXPECT_EQ(m.LabelNumber(CounterLabel::Deity), 6);
  EXPECT_EQ(Shown(m.deities, kDeityItems), "值符 腾蛇 太阴 六合 白虎 玄武 九地 九天");

  for (int i = 0; i < 7; ++i) m.StepHiddenYang();
  m.StepHiddenYin();
  EXPECT_EQ(m.LabelNumber(CounterLabel::Stems), 8);
  EXPECT_EQ(Shown(m.hidden, kStemItems), kYinStemRows[7]);
}

// The earth and the hidden steps share one label but not one counter.
TEST(RingCounters, StemLabelShowsTheFamilyThatSteppedLast) {
  PlateModel m = ResetModel();
  m.StepEarthYin();
  m.StepEarthYin();
  m.StepHiddenYin();
  EXPECT_EQ(m.LabelNumber(CounterLabel::Stems), 1);
  m.StepEarthYang();
  EXPECT_EQ(m.LabelNumber(CounterLabel::Stems), 3);
  EXPECT_EQ(m.counters.hidden, 1);
}

TEST(RingCounters, ForeignCounterValuesStayInsideTheCycle) {
  for (std::int32_t start : {-20, -1, 9, 12345, INT32_MIN, INT32_MAX}) {
    PlateModel m = ResetModel();
    m.counters = {start, start, start, start, start};
    for (auto op : {RingOp::StepEarthYin, RingOp::StepEarthYang, RingOp::StepHiddenYin,
                    RingOp::StepHiddenYang, RingOp::StepStars, RingOp::StepGates,
                    RingOp::StepDeitiesYin, RingOp::StepDeitiesYang}) {
      RunRingOp(m, op);
    }
    for (std::int32_t c : {m.counters.earth, m.counters.hidden}) {
      EXPECT_GE(c, 0);
      EXPECT_LT(c, 9);
    }
    for (std::int32_t c : {m.counters.star, m.counters.gate, m.counters.deity}) {
      EXPECT_GE(c, 0);
      EXPECT_LT(c, 8);
    }
    for (std::int32_t s : m.earth) EXPECT_TRUE(s >= 0 && s < 9);
    for (std::int32_t s : m.deities) EXPECT_TRUE(s >= 0 && s < 8);
  }
}

TEST(ResetChart, HomeArrangementAndZeroedCounters) {
  PlateModel m;
  m.counters = {5, 4, 3, 2, 1};
  m.ResetChart();
  EXPECT_EQ(Shown(m.gates, kGateItems), "休门 开门 惊门 死门 景门 杜门 伤门 生门");
  EXPECT_EQ(Shown(m.stars, kStarItems), "天蓬 天心 天柱 天芮 天英 天辅 天冲 天任");
  EXPECT_EQ(Shown(m.deities, kDeityItems), "九地 九天 值符 腾蛇 太阴 六合 白虎 玄武");
  EXPECT_EQ(Shown(m.earth, kStemItems), "乙 丙 丁 癸 壬 辛 庚 己 戊");
  EXPECT_EQ(Shown(m.heaven, kStemItems), "乙 丙 丁 癸 壬 辛 庚 己 戊");
  EXPECT_EQ(m.counters, (RingCounters{0, 4, 0, 0, 0}));
}

TEST(ResetChart, LeavesHiddenStemsCounterDeitiesAndLabels) {
  PlateModel m;
  m.hidden = {8, 7, 6, 5, 4, 3, 2, 1, 0};
  m.counter_deities = {3, 3, 3, 3, 2, 2, 2, 2};
  m.counter_labels = {7, 6, 5, 4};
  m.counters.hidden = 6;
  PlateModel before = m;
  m.ResetChart();
  EXPECT_EQ(m.hidden, before.hidden);
  EXPECT_EQ(m.counter_deities, before.counter_deities);
  EXPECT_EQ(m.counter_labels, before.counter_labels);
  EXPECT_EQ(m.counters.hidden, 6);
  // The next step of each family starts its cycle again at "1".
  m.StepGates();
  m.StepStars();
  m.StepDeitiesYin();
  m.StepEarthYang();
  EXPECT_EQ(m.counter_labels, (std::array<std::int32_t, 4>{1, 1, 1, 1}));
}

TEST(TianRuiPosition, LastBoxInSearchOrderThatShowsTianRui) {
  PlateModel m = ResetModel();
  EXPECT_EQ(m.TianRuiPosition(), 4);  // at home in 星4
  m.StepStars();
  EXPECT_EQ(m.TianRuiPosition(), 5);
  // Order 星1, 星8, 星7, 星6, 星2, 星5, 星4, 星3: 星3 beats 星2 and 星1.
  m.stars.fill(0);
  EXPECT_EQ(m.TianRuiPosition(), 0);
  m.stars[0] = m.stars[1] = m.stars[2] = 5;
  EXPECT_EQ(m.TianRuiPosition(), 3);
  m.stars[2] = 0;
  EXPECT_EQ(m.TianRuiPosition(), 2);
}

TEST(StepStars, CarriesTheOuterHeavenStems) {
  PlateModel m = ResetModel();
  m.StepStars();
  // 乙 of palace 1 moves to 天干支6; palace 5 keeps 壬.
  EXPECT_EQ(m.HeavenAt(6), 0);
  EXPECT_EQ(m.HeavenAt(5), 4);
  EXPECT_EQ(Shown(m.heaven, kStemItems), "己 庚 癸 戊 壬 乙 辛 丁 丙");
}

TEST(StepStars, AHeavenStemChangedByHandTravelsOn) {
  PlateModel m = ResetModel();
  m.heaven[3 - 1] = 8;  // 戊 put into 天干支3 (ring position 7) by hand
  m.StepStars();
  EXPECT_EQ(m.HeavenAt(8), 8);  // ring position 8
  m.StepStars();
  EXPECT_EQ(m.HeavenAt(1), 8);  // ring position 1
  m.StepStars();
  EXPECT_EQ(m.HeavenAt(6), 8);  // ring position 2
  m.heaven[5 - 1] = 0;          // the centre stem is never carried
  m.StepStars();
  EXPECT_EQ(m.HeavenAt(5), 0);
  EXPECT_EQ(m.HeavenAt(7), 8);
}

TEST(StepStars, AStarChangedByHandIsOverwritten) {
  PlateModel m = ResetModel();
  m.stars[2] = 0;
  m.StepStars();
  EXPECT_EQ(Shown(m.stars, kStarItems), "天任 天蓬 天心 天柱 天芮 天英 天辅 天冲");
}

TEST(StepEarth, LaysTheJuOfItsDun) {
  PlateModel m = ResetModel();
  m.StepEarthYin();  // yin ju 8: 戊 in 8, 己 in 7, 乙 in 9
  EXPECT_EQ(m.EarthAt(8), 8);
  EXPECT_EQ(m.EarthAt(7), 7);
  EXPECT_EQ(m.EarthAt(9), 0);
  m = ResetModel();
  m.StepEarthYang();  // yang ju 8: 戊 in 8, 己 in 9, 庚 in 1
  EXPECT_EQ(m.EarthAt(8), 8);
  EXPECT_EQ(m.EarthAt(9), 7);
  EXPECT_EQ(m.EarthAt(1), 6);
}

TEST(PlateModelAccess, OutOfRangeNumbersReadAsNoSelection) {
  PlateModel m = ResetModel();
  for (int bad : {0, -1, 10, 1000}) {
    EXPECT_EQ(m.EarthAt(bad), -1);
    EXPECT_EQ(m.HeavenAt(bad), -1);
    EXPECT_EQ(m.HiddenAt(bad), -1);
  }
  for (int bad : {0, 9, -3}) {
    EXPECT_EQ(m.StarAt(bad), -1);
    EXPECT_EQ(m.GateAt(bad), -1);
    EXPECT_EQ(m.DeityAt(bad), -1);
    EXPECT_EQ(m.CounterDeityAt(bad), -1);
  }
  EXPECT_EQ(m.EarthAt(9), 8);
  EXPECT_EQ(m.StarAt(8), 1);
}

// Clears the fields that belong to parts, so two models can be compared on the rest.
PlateModel WithoutParts(PlateModel m, PlateParts parts) {
  if (parts & kEarthPart) m.earth = {};
  if (parts & kHeavenPart) m.heaven = {};
  if (parts & kHiddenPart) m.hidden = {};
  if (parts & kStarPart) m.stars = {};
  if (parts & kGatePart) m.gates = {};
  if (parts & kDeityPart) m.deities = {};
  if (parts & kCounterDeityPart) m.counter_deities = {};
  if (parts & kGateLabelPart) m.counter_labels[0] = 0;
  if (parts & kStarLabelPart) m.counter_labels[1] = 0;
  if (parts & kDeityLabelPart) m.counter_labels[2] = 0;
  if (parts & kStemLabelPart) m.counter_labels[3] = 0;
  m.counters = {};
  return m;
}

// A handler loads and stores only the parts of its operation, so an operation
// must not change anything outside them.
TEST(PartsOf, EveryOperationStaysInsideItsParts) {
  for (int i = 0; i < kRingOpCount; ++i) {
    const auto op = static_cast<RingOp>(i);
    PlateModel m;
    m.stars = {3, 5, 1, 0, 2, 7, 4, 6};
    m.hidden = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    m.counter_deities = {2, 2, 2, 2, 2, 2, 2, 2};
    m.counter_labels = {4, 4, 4, 4};
    PlateModel after = m;
    RunRingOp(after, op);
    EXPECT_EQ(WithoutParts(after, PartsOf(op)), WithoutParts(m, PartsOf(op))) << "op " << i;
    EXPECT_EQ(PartsOf(op) & ~kAllPlateParts, 0u);
  }
}

}  // namespace
}  // namespace veltrane::chart
