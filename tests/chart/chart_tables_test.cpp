// ChartTables: filling, freeing, the 1-based lookups and the vocabulary's
// edge cases, all on GBK texts as the running program holds them.
#include "chart/chart_tables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "runtime/platform/headless/headless_platform.h"
#include "runtime/text/gbk.h"

namespace veltrane::chart {
namespace {

std::string G(std::string_view utf8) { return runtime::GbkFromUtf8(utf8); }

const std::vector<std::string> kStems = {"甲", "乙", "丙", "丁", "戊",
                                         "己", "庚", "辛", "壬", "癸"};
const std::vector<std::string> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                            "午", "未", "申", "酉", "戌", "亥"};

// GanZhi n (1 = 甲子 .. 60 = 癸亥) as UTF-8.
std::string GanZhi(int n) { return kStems[(n - 1) % 10] + kBranches[(n - 1) % 12]; }

class ChartTablesTest : public testing::Test {
 protected:
  void SetUp() override {
    InitChartTables();
    FillChartTables();
  }
  void TearDown() override { FreeChartTables(); }
};

TEST_F(ChartTablesTest, FilledArraysHoldTheVocabularyInOrder) {
  const ChartTables& t = Tables();
  ASSERT_EQ(t.terms.count(), 24);
  ASSERT_EQ(t.stems.count(), 10);
  ASSERT_EQ(t.branches.count(), 12);
  ASSERT_EQ(t.instruments.count(), 9);
  for (const IntegerArray& ju : t.ju) EXPECT_EQ(ju.count(), 24);
  EXPECT_EQ(std::string(t.terms.At(1)), G("冬至"));
  EXPECT_EQ(std::string(t.terms.At(13)), G("夏至"));
  EXPECT_EQ(std::string(t.terms.At(24)), G("大雪"));
  EXPECT_EQ(std::string(t.stems.At(10)), G("癸"));
  EXPECT_EQ(std::string(t.branches.At(12)), G("亥"));
  std::string instruments;
  for (int i = 1; i <= 9; ++i) instruments += t.instruments.At(i);
  EXPECT_EQ(instruments, G("乙丙丁癸壬辛庚己戊"));
}

TEST_F(ChartTablesTest, JuTableEdgeCases) {
  EXPECT_EQ(JuOf(Yuan::Upper, 1), 1);    // 冬至 上元: yang 1
  EXPECT_EQ(JuOf(Yuan::Upper, 13), -9);  // 夏至 上元: yin 9
  EXPECT_EQ(JuOf(Yuan::Upper, 23), -5);  // 小雪: yin 5, 8, 2
  EXPECT_EQ(JuOf(Yuan::Middle, 23), -8);
  EXPECT_EQ(JuOf(Yuan::Lower, 23), -2);
  EXPECT_EQ(JuOf(Yuan::None, 5), 0);
}

TEST_F(ChartTablesTest, UpperYuanJuOfEveryTerm) {
  const int upper[24] = {1,  2,  3,  8,  9,  1,  3,  4,  5,  4,  5,  6,
                         -9, -8, -7, -2, -1, -9, -7, -6, -5, -6, -5, -4};
  for (int term = 1; term <= 24; ++term) EXPECT_EQ(JuOf(Yuan::Upper, term), upper[term - 1]);
}

// In every row the 中元 ju is the 上元 ju six palaces on in the dun's
// direction, and the 下元 ju six further; terms 1..12 are yang, 13..24 yin.
TEST_F(ChartTablesTest, JuRowsFollowTheSixPalaceRule) {
  for (int term = 1; term <= 24; ++term) {
    SCOPED_TRACE(term);
    const int upper = JuOf(Yuan::Upper, term);
    const int middle = JuOf(Yuan::Middle, term);
    const int lower = JuOf(Yuan::Lower, term);
    const int sign = term <= 12 ? 1 : -1;
    EXPECT_GT(upper * sign, 0);
    EXPECT_GT(middle * sign, 0);
    EXPECT_GT(lower * sign, 0);
    const auto on = [sign](int ju) { return ((std::abs(ju) - 1 + 6 * sign) % 9 + 9) % 9 + 1; };
    EXPECT_EQ(std::abs(middle), on(upper));
    EXPECT_EQ(std::abs(lower), on(middle));
  }
}

// Each yuan list: twenty GanZhi, blank-separated, 99 bytes; every GanZhi in
// exactly one list; 戊戌 in 上元 only.
TEST_F(ChartTablesTest, YuanDayListsPartitionTheSixtyDays) {
  std::vector<std::set<std::string>> lists;
  for (const runtime::HeapText& text : Tables().yuan_days) {
    const std::string_view days = text.view();
    ASSERT_EQ(days.size(), 99u);
    std::set<std::string> entries;
    for (std::size_t pos = 0; pos < days.size(); pos += 5) {
      entries.insert(std::string(days.substr(pos, 4)));
      if (pos + 4 < days.size()) {
        EXPECT_EQ(days[pos + 4], ' ');
      }
    }
    EXPECT_EQ(entries.size(), 20u);
    lists.push_back(entries);
  }
  for (int n = 1; n <= 60; ++n) {
    int found = 0;
    for (const auto& list : lists) found += static_cast<int>(list.count(G(GanZhi(n))));
    EXPECT_EQ(found, 1) << GanZhi(n);
  }
  EXPECT_EQ(lists[0].count(G("戊戌")), 1u);
  EXPECT_EQ(lists[1].count(G("戊戌")) + lists[2].count(G("戊戌")), 0u);
}

TEST_F(ChartTablesTest, LookupsGiveThePositionOrCountPlusOne) {
  EXPECT_EQ(StemPosition(G("甲")), 1);
  EXPECT_EQ(StemPosition(G("癸")), 10);
  EXPECT_EQ(StemPosition(G("子")), 11);
  EXPECT_EQ(StemPosition(""), 11);
  EXPECT_EQ(StemPosition(G("甲乙")), 11);  // whole texts only
  EXPECT_EQ(BranchPosition(G("亥")), 12);
  EXPECT_EQ(BranchPosition(G("甲")), 13);
  EXPECT_EQ(InstrumentPosition(G("乙")), 1);
  EXPECT_EQ(InstrumentPosition(G("戊")), 9);
  EXPECT_EQ(InstrumentPosition(G("甲")), 10);
}

TEST_F(ChartTablesTest, FirstEqualTextWins) {
  TextArray a;
  const std::vector<const char*> texts = {"x", "y", "x"};
  a.Assign(texts);
  EXPECT_EQ(a.Find("x"), 1);
  EXPECT_EQ(a.Find("y"), 2);
  EXPECT_EQ(a.Find("z"), 4);
}

TEST_F(ChartTablesTest, XunHeadsOfEdgeCasesAndOfAllSixty) {
  EXPECT_EQ(std::string(XunHeadText(G("癸亥"))), G("甲寅癸"));
  EXPECT_EQ(std::string(XunHeadText(G("乙亥"))), G("甲戌己"));
  EXPECT_EQ(std::string(XunHeadText(G("甲子"))), G("甲子戊"));
  // Each GanZhi belongs to the xun of the 甲 day that starts its run of ten.
  const std::vector<std::string> heads = {"甲子戊", "甲戌己", "甲申庚",
                                          "甲午辛", "甲辰壬", "甲寅癸"};
  for (int n = 1; n <= 60; ++n) {
    EXPECT_EQ(std::string(XunHeadText(G(GanZhi(n)))), G(heads[(n - 1) / 10])) << GanZhi(n);
  }
}

TEST_F(ChartTablesTest, XunOfAPairOutsideTheCycleIsEmpty) {
  EXPECT_STREQ(XunHeadText(G("甲丑")), "");  // odd difference
  EXPECT_STREQ(XunHeadText(G("乙子")), "");
  EXPECT_EQ(XunIndexOf(G("甲丑")), -1);
  EXPECT_EQ(XunIndexOf(G("癸亥")), 5);
}

TEST(Vocabulary, XunHeadVoidPalacesAndHorsePalaces) {
  EXPECT_EQ(kXunHeads[5].void_palaces, (std::array<int, 2>{8, 1}));  // 甲寅: 子 丑
  EXPECT_EQ(kXunHeads[0].void_palaces, (std::array<int, 2>{6, 6}));  // 甲子: 戌 亥
  EXPECT_EQ(kXunHeads[1].void_palaces, (std::array<int, 2>{7, 2}));
  EXPECT_EQ(kXunHeads[2].void_palaces, (std::array<int, 2>{9, 2}));
  EXPECT_EQ(kXunHeads[3].void_palaces, (std::array<int, 2>{4, 4}));
  EXPECT_EQ(kXunHeads[4].void_palaces, (std::array<int, 2>{8, 3}));
  const int expected[12] = {8, 6, 2, 4, 8, 6, 2, 4, 8, 6, 2, 4};  // 子 .. 亥
  for (int b = 1; b <= 12; ++b) EXPECT_EQ(HorsePalaceOfBranch(b), expected[b - 1]) << b;
  EXPECT_EQ(HorsePalaceOfBranch(0), 0);
  EXPECT_EQ(HorsePalaceOfBranch(13), 0);
}

TEST(Vocabulary, RingPositionsAndPalaces) {
  const int palaces[8] = {1, 6, 7, 2, 9, 4, 3, 8};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(PalaceOfRingPosition(k), palaces[k - 1]);
    EXPECT_EQ(RingPositionOfPalace(palaces[k - 1]), k);
  }
  EXPECT_EQ(RingPositionOfPalace(5), 0);
  EXPECT_EQ(RingPositionOfPalace(0), 0);
  EXPECT_EQ(PalaceOfRingPosition(9), 0);
}

TEST(ChartTablesLifecycle, EmptyBeforeFillingAndAfterFreeing) {
  InitChartTables();
  EXPECT_EQ(Tables().terms.count(), 0);
  EXPECT_EQ(StemPosition(G("甲")), 1);  // count + 1 of an empty list
  FillChartTables();
  FillChartTables();  // refilling replaces the copies
  EXPECT_EQ(Tables().stems.count(), 10);
  KeptPlottingResults().ju_text = runtime::HeapText::Copy(G("阳遁1局"));
  FreeChartTables();
  EXPECT_EQ(Tables().stems.count(), 0);
  EXPECT_TRUE(Tables().yuan_days[0].is_null());
  EXPECT_TRUE(KeptPlottingResults().ju_text.is_null());
  FreeChartTables();  // a second run frees nothing twice
}

// An index outside an array raises run-time error 4 (below 1) or 1 (past the
// end): the runtime's error box, then exit code -1.
class ChartTablesDeathTest : public ChartTablesTest {
 protected:
  void SetUp() override {
    ChartTablesTest::SetUp();
    platform::InstallPlatform(&platform_);
    platform_.SetEchoMessageBoxes(true);
  }
  platform::HeadlessPlatform platform_;
};

TEST_F(ChartTablesDeathTest, IndexOutsideAnArrayRaisesTheArrayIndexError) {
  const auto below = testing::ExitedWithCode(255);
  EXPECT_EXIT(Tables().terms.At(0), below, "错误代码：4");
  EXPECT_EXIT(Tables().ju[0].At(-1), below, "数组成员引用下标必须大于等于1");
  EXPECT_EXIT(Tables().terms.At(25), below, "错误代码：1");
  EXPECT_EXIT(JuOf(Yuan::Lower, 25), below, "数组成员引用下标超出定义范围");
  InitChartTables();
  EXPECT_EXIT(Tables().stems.At(1), below, "错误代码：1");
}

}  // namespace
}  // namespace veltrane::chart
