// Every rule holds in some chart and fails in another; the states read the right season and
// stage; the disputed rules answer differently under the profiles that hold them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "reading/facts.h"
#include "reading/predicates.h"
#include "reading/reading.h"
#include "reading_charts.h"

namespace veltrane::reading {
namespace {

using chart::Branch;
using chart::Stem;
using testing::ChartOf;
using testing::GanZhi;
using testing::HourPillar;

// Charts over every signed ju, every day and hour, with months and years moving with them and
// both centre rules.
template <typename Visit>
void ForManyCharts(Visit visit) {
  for (int ju = -9; ju <= 9; ++ju) {
    if (ju == 0) continue;
    for (int day = 1; day <= 60; ++day) {
      for (int branch = 1; branch <= 12; ++branch) {
        const int month = (day * 7 + branch) % 60 + 1;
        const int year = (day * 13 + ju + 20) % 60 + 1;
        const auto centre =
            (day + branch) % 5 == 0 ? chart::CentrePalace::kGenKun : chart::CentrePalace::kKun;
        visit(ChartOf(ju, HourPillar(day, branch), day, month, year, centre));
      }
    }
  }
}

TEST(RuleCases, EveryRuleHoldsInSomeChartAndFailsInAnother) {
  const std::size_t n = Rules().size();
  std::vector<bool> held(n), failed(n);
  ForManyCharts([&](const chart::Chart& c) {
    for (const ReadingProfile& profile : Profiles()) {
      const Reading reading = Read(c, profile);
      std::vector<bool> here(n);
      for (const Finding& f : reading.findings()) here[f.rule] = true;
      for (std::size_t i = 0; i < n; ++i) {
        if ((Rules()[i].profiles & profile.bit) == 0) continue;
        (here[i] ? held : failed)[i] = true;
      }
    }
  });
  // These describe every chart: each has stars, gates, stems, void branches, a horse.
  const std::set<std::string> kEveryChart = {
      "xing-wangshuai", "men-wangshuai", "gan-wangshuai", "shier-changsheng",
      "ri-kongwang",    "shi-kongwang",  "yima",          "an-gan"};
  for (std::size_t i = 0; i < n; ++i) {
    const std::string id(Rules()[i].id);
    EXPECT_TRUE(held[i]) << id << " never holds";
    if (kEveryChart.count(id)) {
      EXPECT_FALSE(failed[i]) << id << " is missing from a chart";
    } else {
      EXPECT_TRUE(failed[i]) << id << " holds in every chart";
    }
  }
}

TEST(RuleCases, StatesReadTheSeasonOfTheMonthPillar) {
  // 阳遁一局 甲子 hour: the stars and gates at home. Month pillars 丙寅 (寅, 木) and 甲子 (子, 水).
  const chart::Chart spring = ChartOf(1, 1, 1, GanZhi(3, 3));
  const chart::Chart winter = ChartOf(1, 1, 1, GanZhi(1, 1));
  const auto state = [](const chart::Chart& c, std::string_view rule, int palace) {
    const Reading reading = Read(c);  // the findings are a view into it
    for (const Finding& f : reading.findings()) {
      if (f.rule_row().id == rule && f.palace == palace) return static_cast<int>(f.value);
    }
    return -1;
  };
  // 天蓬 (水) at palace 1: the verse's 旺 in the month it generates (寅), 相 in its own (子).
  EXPECT_EQ(state(spring, "xing-wangshuai", 1), 0);
  EXPECT_EQ(state(winter, "xing-wangshuai", 1), 1);
  // 天英 (火) at palace 9 in 子: the month overcomes it, 囚.
  EXPECT_EQ(state(winter, "xing-wangshuai", 9), 3);
  // 休门 (水) at palace 1: 旺 in 子, 休 in 寅 (it generates the season).
  EXPECT_EQ(state(winter, "men-wangshuai", 1), 0);
  EXPECT_EQ(state(spring, "men-wangshuai", 1), 2);
  // 景门 (火) at palace 9: 死 in 子 (the season overcomes it), 相 in 寅.
  EXPECT_EQ(state(winter, "men-wangshuai", 9), 4);
  EXPECT_EQ(state(spring, "men-wangshuai", 9), 1);
}

TEST(RuleCases, LifeStagesRunForwardForYangStemsAndBackForYin) {
  EXPECT_EQ(LifeStage(Stem::kJia, Branch::kHai), 0);  // 甲长生在亥
  EXPECT_EQ(LifeStage(Stem::kJia, Branch::kMao), 4);  // 帝旺在卯
  EXPECT_EQ(LifeStage(Stem::kYi, Branch::kWu), 0);    // 乙长生在午
  EXPECT_EQ(LifeStage(Stem::kYi, Branch::kXu), 8);    // 乙墓在戌
  EXPECT_EQ(LifeStage(Stem::kWu, Branch::kYin), 0);   // 戊同丙生于寅
  EXPECT_EQ(LifeStage(Stem::kJi, Branch::kYou), 0);   // 己同丁生于酉
  // The six hour tombs of 遁甲演義.
  EXPECT_EQ(LifeStage(Stem::kBing, Branch::kXu), 8);
  EXPECT_EQ(LifeStage(Stem::kRen, Branch::kChen), 8);
  EXPECT_EQ(LifeStage(Stem::kDing, Branch::kChou), 8);
  EXPECT_EQ(LifeStage(Stem::kGui, Branch::kWei), 8);
  EXPECT_EQ(LifeStage(Stem::kWu, Branch::kXu), 8);
  EXPECT_EQ(LifeStage(Stem::kJi, Branch::kChou), 8);
  EXPECT_NE(LifeStage(Stem::kGeng, Branch::kXu), 8);
}

TEST(RuleCases, VoidBranchesAndHorseNameTheirPalaces) {
  // Day 甲子: 戌亥 void, palace 6 twice. Hour 壬申 of 甲子 xun too; its horse 寅 in palace 8.
  const Reading r = Read(ChartOf(1, GanZhi(9, 9), 1));
  EXPECT_TRUE(HasFinding(r, "ri-kongwang", 6));
  EXPECT_FALSE(HasFinding(r, "ri-kongwang", 1));
  EXPECT_TRUE(HasFinding(r, "yima", 8));  // 申子辰 马在寅
  EXPECT_FALSE(HasFinding(r, "yima", 2));
}

TEST(RuleCases, DisputedRulesFollowTheProfile) {
  const ReadingProfile yanbo = *ProfileNamed("yanbo");
  const ReadingProfile tongzong = *ProfileNamed("tongzong");
  // 己日乙亥: the rule of the verse holds, the table of 遁甲演義 does not.
  const chart::Chart yi_hai = ChartOf(1, GanZhi(2, 12), GanZhi(6, 6));
  EXPECT_FALSE(HasFinding(Read(yi_hai), "wubuyu-shi"));
  EXPECT_TRUE(HasFinding(Read(yi_hai, yanbo), "wubuyu-shi-rule"));
  // 甲日庚午: both.
  const chart::Chart geng_wu = ChartOf(1, GanZhi(7, 7), 1);
  EXPECT_TRUE(HasFinding(Read(geng_wu), "wubuyu-shi"));
  EXPECT_TRUE(HasFinding(Read(geng_wu, yanbo), "wubuyu-shi-rule"));
  // 己丑: six tomb hours hold it, the verse's five do not.
  const chart::Chart ji_chou = ChartOf(1, GanZhi(6, 2), GanZhi(3, 3));
  EXPECT_TRUE(HasFinding(Read(ji_chou), "shigan-rumu-hour"));
  EXPECT_FALSE(HasFinding(Read(ji_chou, yanbo), "shigan-rumu-hour-five"));
  // A profile never gives the other reading's rule.
  EXPECT_FALSE(HasFinding(Read(yi_hai, yanbo), "wubuyu-shi"));
  EXPECT_FALSE(HasFinding(Read(geng_wu), "wubuyu-shi-rule"));
  EXPECT_FALSE(HasFinding(Read(geng_wu, tongzong), "shen-dun"));
}

TEST(RuleCases, ProfilesAreFoundByName) {
  EXPECT_EQ(ClassicProfile().name, "classic");
  EXPECT_EQ(Profiles().front().name, "classic");
  EXPECT_TRUE(ProfileNamed("tongzong"));
  EXPECT_FALSE(ProfileNamed("Classic"));
  EXPECT_FALSE(ProfileNamed(""));
}

TEST(RuleCases, EveryRuleHasItsSourceOrSaysWhatIsMissing) {
  for (const Rule& r : Rules()) {
    EXPECT_FALSE(r.name.hans.empty()) << r.id;
    EXPECT_FALSE(r.line.empty()) << r.id;
    EXPECT_TRUE(!r.source.quote.empty() || !r.source.note.empty()) << r.id;
    EXPECT_TRUE(r.source.quote.empty() || !r.source.book.empty()) << r.id;
    for (char ch : r.id) {
      EXPECT_TRUE((ch >= 'a' && ch <= 'z') || ch == '-') << r.id;
    }
  }
}

}  // namespace
}  // namespace veltrane::reading

namespace veltrane::reading {
namespace {

TEST(RuleCases, AFullReadingStopsAtItsCapacityAndSaysSo) {
  Reading reading;
  FindingSink sink(reading);
  sink.Add(0, 0);   // no palace 0
  sink.Add(0, 10);  // nor 10
  EXPECT_EQ(reading.count, 0u);
  for (std::size_t i = 0; i < kMaxFindings + 5; ++i) sink.Add(0, 1);
  EXPECT_EQ(reading.count, kMaxFindings);
  EXPECT_TRUE(reading.truncated);
}

}  // namespace
}  // namespace veltrane::reading
