// 置闰: the worked 1898 repetition of 大雪 with its boundary days, 超神, 正授
// and 接气 cases from published examples, the anchor, and the table of
// docs/methods.md.
#include "chart/method_zhirun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calendar/date_time.h"
#include "chart/method_chaibu.h"
#include "intercalary_table.h"

namespace veltrane::chart {
namespace {

int Day(int year, int month, int day) { return calendar::DayNumberOfDate(year, month, day); }

// The ju at noon of a day by a method.
MethodJu JuAtNoon(MethodJu (*method)(const MethodInput&), int day) {
  return method({day + 0.5, GanZhiOfDayNumber(day)});
}

MethodJu Ju(SolarTerm term, Yuan yuan) { return MethodJuOf(term, yuan); }

constexpr SolarTerm kDongzhi = SolarTerm::kDongzhi;
constexpr SolarTerm kLichun = SolarTerm::kLichun;
constexpr SolarTerm kDahan = SolarTerm::kDahan;
constexpr SolarTerm kHanlu = SolarTerm::kHanlu;
constexpr SolarTerm kDaxue = SolarTerm::kDaxue;

// 大雪 1898 fell on 7 December (甲辰); its 符头 甲午 of 27 November came ten
// days before, so 12 to 26 December repeat 大雪 and 冬至 (22 December) waits
// for 甲子 of 27 December (易德轩, "置闰").
TEST(ZhirunTest, RepeatsDaxueOf1898) {
  const auto first_pass = ZhirunPeriodOfDay(Day(1898, 11, 27));
  ASSERT_TRUE(first_pass);
  EXPECT_EQ(first_pass->first_day, Day(1898, 11, 27));
  EXPECT_EQ(first_pass->lead_days, 10);
  EXPECT_FALSE(first_pass->intercalary);

  // The day before the repetition: the first pass's 下元.
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1898, 12, 11)), Ju(kDaxue, Yuan::Lower));
  EXPECT_FALSE(ZhirunPeriodOfDay(Day(1898, 12, 11))->intercalary);
  // Its first day (己酉) opens 大雪 上元 again.
  const auto repeat = ZhirunPeriodOfDay(Day(1898, 12, 12));
  ASSERT_TRUE(repeat);
  EXPECT_TRUE(repeat->intercalary);
  EXPECT_EQ(repeat->first_day, Day(1898, 12, 12));
  EXPECT_EQ(repeat->lead_days, -5);
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1898, 12, 12)), Ju(kDaxue, Yuan::Upper));
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1898, 12, 17)), Ju(kDaxue, Yuan::Middle));
  // Its last day (癸亥): 冬至 has begun (接气) but 大雪 下元 (阴一) stays,
  // where 拆补 gives 冬至 下元 (阳四).
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1898, 12, 26)), Ju(kDaxue, Yuan::Lower));
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1898, 12, 26)).ju, -1);
  EXPECT_EQ(JuAtNoon(ChaibuJu, Day(1898, 12, 26)).ju, 4);
  // The day after: 甲子 opens 冬至 上元.
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1898, 12, 27)), Ju(kDongzhi, Yuan::Upper));
  EXPECT_FALSE(ZhirunPeriodOfDay(Day(1898, 12, 27))->intercalary);
  // From 23:00 the day pillar is the next day's, and so is the period.
  EXPECT_EQ(ZhirunJu({Day(1898, 12, 26) + 23.5 / 24, GanZhiOfDayNumber(Day(1898, 12, 27))}),
            Ju(kDongzhi, Yuan::Upper));
}

// 立春 1995 fell at 15:24 on 4 February (丙寅); its 上元 began with 甲子 two
// days before, 阳遁八局, by 超神 (易德轩, on 超神 and 接气). 拆补 keeps 大寒.
TEST(ZhirunTest, ChaoshenOfLichun1995) {
  const auto period = ZhirunPeriodOfDay(Day(1995, 2, 2));
  ASSERT_TRUE(period);
  EXPECT_EQ(period->first_day, Day(1995, 2, 2));
  EXPECT_EQ(period->lead_days, 2);
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1995, 2, 2)), Ju(kLichun, Yuan::Upper));
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1995, 2, 2)).ju, 8);
  EXPECT_EQ(JuAtNoon(ChaibuJu, Day(1995, 2, 2)), Ju(kDahan, Yuan::Upper));
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(1995, 2, 1)), Ju(kDahan, Yuan::Lower));
}

// 寒露 2022 fell at 15:22 on 8 October, a 甲午 day: 正授. 白露 2022 fell at
// 23:32 on 7 September, which the day pillar counts as 8 September (甲子).
TEST(ZhirunTest, ZhengshouWhenTheFutouFallsOnTheTermsDay) {
  EXPECT_EQ(ZhirunPeriodOfDay(Day(2022, 10, 8))->lead_days, 0);
  EXPECT_EQ(JuAtNoon(ZhirunJu, Day(2022, 10, 8)), Ju(kHanlu, Yuan::Upper));
  EXPECT_EQ(ZhirunPeriodOfDay(Day(2022, 9, 8))->lead_days, 0);
}

TEST(ZhirunTest, PeriodsFollowOneAnotherOverTheMethodsYears) {
  const int end = Day(3000, 1, 1);
  auto previous = ZhirunPeriodOfDay(Day(1800, 1, 1));
  ASSERT_TRUE(previous);
  for (int day = previous->first_day + 15; day <= end; day += 15) {
    const auto period = ZhirunPeriodOfDay(day);
    ASSERT_TRUE(period) << day;
    const int step = period->term - previous->term;
    const int slot = SlotOfTerm(previous->term);
    ASSERT_EQ(step, period->intercalary ? 0 : 1) << day;
    if (period->intercalary) {
      ASSERT_TRUE(slot == kSlotMangzhong || slot == kSlotDaxue) << day;
      ASSERT_GE(previous->lead_days, kIntercalaryLeadDays) << day;
    }
    ASSERT_GE(period->lead_days, -8) << day;
    ASSERT_LE(period->lead_days, 15) << day;
    previous = period;
  }
  EXPECT_FALSE(ZhirunPeriodOfDay(Day(1799, 11, 1)));
  EXPECT_FALSE(ZhirunPeriodOfDay(Day(3000, 2, 1)));
}

// A walk anchored later may start one term ahead; it repeats at its first
// 芒种 or 大雪 and from then on agrees with the walk of the methods.
TEST(ZhirunTest, WalksFromLaterAnchorsJoinTheSameRepetitions) {
  const auto reference = WalkZhirunIntercalaryPeriods(kZhirunAnchorYear, 2000);
  for (const int anchor : {1805, 1813, 1822, 1836, 1850}) {
    const int from = Day(anchor + 2, 1, 1);
    auto tail = [from](const std::vector<ZhirunPeriod>& periods) {
      std::vector<ZhirunPeriod> kept;
      for (const auto& p : periods) {
        if (p.first_day >= from) kept.push_back(p);
      }
      return kept;
    };
    EXPECT_TRUE(tail(WalkZhirunIntercalaryPeriods(anchor, 2000)) == tail(reference))
        << "anchored at " << anchor;
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ZhirunTableTest, DocumentListsEveryIntercalaryPeriod) {
  const std::string document = ReadFile(VELTRANE_SOURCE_DIR "/docs/methods.md");
  const std::string begin = "<!-- intercalary table begin -->\n";
  const auto from = document.find(begin);
  const auto to = document.find("<!-- intercalary table end -->");
  ASSERT_NE(from, std::string::npos);
  ASSERT_NE(to, std::string::npos);
  const std::string table = document.substr(from + begin.size(), to - from - begin.size());
  EXPECT_EQ(table, tools::IntercalaryTableMarkdown(1900, 2100))
      << "regenerate with veltrane_intercalary_table";
}

// 芒种 2059 falls in the last hour of 5 June. Counted from 23:00 its day is
// the 6th, ten days after the 符头 of 27 May, and 芒种 repeats from 11 June;
// counted from midnight it is the 5th, nine days, and 11 June opens 夏至. Each
// day start walks with its own days, as the chart's day is looked up in them.
TEST(ZhirunTest, TheWalkCountsTermDaysAsTheDayStartDoes) {
  const auto at_23 = ZhirunPeriodOfDay(Day(2059, 6, 11), false);
  const auto at_midnight = ZhirunPeriodOfDay(Day(2059, 6, 11), true);
  ASSERT_TRUE(at_23 && at_midnight);
  EXPECT_TRUE(at_23->intercalary);
  EXPECT_EQ(SolarTermOfOrdinal(at_23->term), SolarTerm::kMangzhong);
  EXPECT_FALSE(at_midnight->intercalary);
  EXPECT_EQ(SolarTermOfOrdinal(at_midnight->term), SolarTerm::kXiazhi);
  EXPECT_EQ(ZhirunPeriodOfDay(Day(2059, 5, 27), false)->lead_days, 10);
  EXPECT_EQ(ZhirunPeriodOfDay(Day(2059, 5, 27), true)->lead_days, 9);
  // 大雪 2024 falls at 23:17 on 6 December too, but eleven or ten days after
  // its 符头 it repeats either way: the walks differ only in the lead.
  const auto daxue_23 = ZhirunPeriodOfDay(Day(2024, 12, 20), false);
  const auto daxue_midnight = ZhirunPeriodOfDay(Day(2024, 12, 20), true);
  EXPECT_EQ(daxue_23->term, daxue_midnight->term);
  EXPECT_TRUE(daxue_23->intercalary && daxue_midnight->intercalary);
  EXPECT_EQ(daxue_23->lead_days, daxue_midnight->lead_days + 1);
}

// The readings of the threshold move repetitions: at nine days 芒种 1996
// repeats (lead ten would wait for 大雪), at eight 芒种 1990.
TEST(ZhirunTest, TheThresholdReadingsMoveRepetitions) {
  EXPECT_FALSE(ZhirunPeriodOfDay(Day(1996, 6, 12), false, 10)->intercalary);
  EXPECT_TRUE(ZhirunPeriodOfDay(Day(1996, 6, 12), false, 9)->intercalary);
  EXPECT_FALSE(ZhirunPeriodOfDay(Day(1990, 6, 14), false, 9)->intercalary);
  EXPECT_TRUE(ZhirunPeriodOfDay(Day(1990, 6, 14), false, 8)->intercalary);
}

}  // namespace
}  // namespace veltrane::chart
