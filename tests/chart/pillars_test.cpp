// The four-pillar arithmetic: day counts across the 1582 switch, the closed
// solar-term formula, and the pillars at the year, month, day and hour changes.
#include "chart/pillars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace veltrane::chart {
namespace {

constexpr int kAuto = static_cast<int>(CalendarMode::kAutomatic);
constexpr int kGregorian = static_cast<int>(CalendarMode::kGregorian);
constexpr int kJulian = static_cast<int>(CalendarMode::kJulian);

std::string Utf8(int gan_zhi) { return std::string(GanZhiText(gan_zhi)); }

std::string PillarsText(const Pillars& p) {
  return Utf8(p.year) + " " + Utf8(p.month) + " " + Utf8(p.day) + " " + Utf8(p.hour);
}

// --- Day counts and the calendar switch -------------------------------------

TEST(DayCountTest, KnownDayNumbers) {
  EXPECT_EQ(DayCount(1, 1, 1, kGregorian), 1);
  EXPECT_EQ(DayCount(2000, 1, 1, kAuto), 730120);
  EXPECT_EQ(DayCount(2000, 12, 31, kAuto) - DayCount(2000, 1, 1, kAuto), 365);  // leap year
  EXPECT_EQ(DayCount(1900, 12, 31, kAuto) - DayCount(1900, 1, 1, kAuto), 364);  // common year
}

TEST(DayCountTest, JulianAndGregorianMeetWithoutGap) {
  // Thursday 4 October 1582 (Julian) was followed by Friday 15 October (Gregorian).
  EXPECT_EQ(CalendarKindOf(1582, 10, 4, kAuto), CalendarKind::kJulian);
  EXPECT_EQ(CalendarKindOf(1582, 10, 15, kAuto), CalendarKind::kGregorian);
  EXPECT_EQ(DayCount(1582, 10, 15, kAuto) - DayCount(1582, 10, 4, kAuto), 1);
  // Julian 1 March 1500 is Gregorian 11 March 1500 (1500 is leap only in the Julian calendar).
  EXPECT_EQ(DayCount(1500, 3, 1, kJulian), DayCount(1500, 3, 11, kGregorian));
}

TEST(DayCountTest, DatesThatDoNotExistCountAsInfinite) {
  for (int day = 5; day <= 14; ++day) {
    EXPECT_EQ(CalendarKindOf(1582, 10, day, kAuto), CalendarKind::kNonexistent) << day;
    EXPECT_TRUE(std::isinf(DayCount(1582, 10, day, kAuto))) << day;
  }
  EXPECT_TRUE(std::isinf(DayCount(2000, 1, 1, 4)));
  EXPECT_TRUE(std::isinf(DayOfYear(2000, 1, 1, 0)));
  EXPECT_TRUE(std::isinf(DayOfYear(2000, 14, 1, kAuto)));
  EXPECT_TRUE(std::isinf(DayOfYear(2000, 0, 1, kAuto)));
}

TEST(DayOfYearTest, LeapRulesOfBothCalendars) {
  EXPECT_EQ(DayOfYear(1900, 3, 1, kGregorian), 60);
  EXPECT_EQ(DayOfYear(1900, 3, 1, kJulian), 61);
  EXPECT_EQ(DayOfYear(2000, 3, 1, kAuto), 61);
  EXPECT_EQ(DayOfYear(2015, 3, 1, kAuto), 60);
  EXPECT_EQ(DayOfYear(2016, 13, 1, kAuto), 367);  // month 13: the whole year, then day 1
  // The day is not held to its month: 31 April is 1 May.
  EXPECT_EQ(DayOfYear(2015, 4, 31, kAuto), DayOfYear(2015, 5, 1, kAuto));
}

TEST(MonthAndDayTest, SplitsDayOfYear) {
  EXPECT_EQ(MonthAndDay(2015, 35, kAuto), 204);
  EXPECT_EQ(MonthAndDay(2016, 60, kAuto), 229);
  EXPECT_EQ(MonthAndDay(2015, 60, kAuto), 301);
  EXPECT_EQ(MonthAndDay(2015, 365, kAuto), 1231);
  EXPECT_EQ(MonthAndDay(2015, 1, kAuto), 101);
  // The ten days dropped in October 1582 have no month and day.
  EXPECT_EQ(MonthAndDay(1582, 277, kAuto), 1004);
  EXPECT_TRUE(std::isinf(MonthAndDay(1582, 283, kAuto)));
  EXPECT_EQ(MonthAndDay(1582, 283, kJulian), 1010);
  EXPECT_TRUE(std::isinf(MonthAndDay(2015, std::nan(""), kAuto)));
  EXPECT_TRUE(std::isinf(MonthAndDay(2015, HUGE_VAL, kAuto)));
  EXPECT_TRUE(std::isinf(MonthAndDay(2015, 35, 7)));
}

// --- The closed solar-term formula -------------------------------------------

struct TermCase {
  int year;
  int term;
  double day_of_year;  // as given to four decimals
  const char* what;
};

TEST(TermDayOfYearTest, ReferenceMoments) {
  const TermCase cases[] = {
      {2015, 3, 35.4990, "立春 2015-02-04 11:58"},
      {2015, 24, 356.5332, "冬至 2015-12-22 12:48"},
      {2015, 1, 6.0130, "小寒 2015-01-06 00:19"},
  };
  for (const TermCase& c : cases) {
    const double got = TermDayOfYear(c.year, c.term, true, kAuto);
    EXPECT_NEAR(got, c.day_of_year, 5e-5) << c.what << ": want " << c.day_of_year << " got " << got;
  }
}

TEST(TermDayOfYearTest, MeanFormulaStaysWithinDaysOfExact) {
  for (int term = 1; term <= 24; ++term) {
    const double exact = TermDayOfYear(2015, term, true, kAuto);
    const double mean = TermDayOfYear(2015, term, false, kAuto);
    EXPECT_LT(std::fabs(exact - mean), 2.5) << term;
    if (term > 1) {
      EXPECT_GT(exact, TermDayOfYear(2015, term - 1, true, kAuto)) << term;
    }
  }
}

// The pillars skip a term's moment for a moment outside the term's window:
// every 立春 and every jie of 1600..3100 must lie a day inside its window.
TEST(TermWindowTest, EveryTermOfTheWindowYearsLiesInside) {
  for (int year = 1600; year <= 3100; ++year) {
    const double li_chun = TermDayOfYear(year, 3, true, kAuto);
    ASSERT_GE(li_chun, LiChunWindow().first_day + 1) << year;
    ASSERT_LE(li_chun, LiChunWindow().last_day - 1) << year;
    for (int month = 1; month <= 12; ++month) {
      const double jie = TermDayOfYear(year, 2 * month - 1, true, kAuto);
      const double month_day = MonthAndDay(year, std::trunc(jie), kAuto);
      ASSERT_EQ(static_cast<int>(month_day) / 100, month) << year;
      const double jie_day = std::fmod(month_day, 100) + (jie - std::trunc(jie));
      ASSERT_GE(jie_day, JieWindow(month).first_day + 1) << year << "-" << month;
      ASSERT_LE(jie_day, JieWindow(month).last_day - 1) << year << "-" << month;
    }
  }
}

// --- The pillars -------------------------------------------------------------

struct PillarCase {
  int year, month, day, hour, minute;
  const char* want;  // year month day hour
};

class ReferencePillars : public ::testing::TestWithParam<PillarCase> {};

TEST_P(ReferencePillars, MatchTheChartRules) {
  const PillarCase& c = GetParam();
  const auto p = ComputePillars(c.year, c.month, c.day, c.hour, c.minute, kAuto);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(PillarsText(*p), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Pillars, ReferencePillars,
    ::testing::Values(
        // 立春 2015 at 11:58:30 by the formula: the year and the month change with it.
        PillarCase{2015, 2, 4, 11, 58, "甲午 丁丑 辛亥 甲午"},
        PillarCase{2015, 2, 4, 11, 59, "乙未 戊寅 辛亥 甲午"},
        PillarCase{2000, 1, 1, 0, 0, "己卯 丙子 戊午 壬子"},
        // From 23:00 the day and the hour belong to the next day.
        PillarCase{2015, 9, 29, 14, 30, "乙未 乙酉 戊申 己未"},
        PillarCase{2015, 9, 29, 23, 10, "乙未 乙酉 己酉 甲子"},
        PillarCase{2015, 9, 29, 22, 59, "乙未 乙酉 戊申 癸亥"},
        // 小寒 2015 at 00:19 and 小寒 2016 at 06:10 start the 丑 month.
        PillarCase{2015, 1, 6, 0, 10, "甲午 丙子 壬午 庚子"},
        PillarCase{2015, 1, 6, 0, 30, "甲午 丁丑 壬午 庚子"},
        PillarCase{2001, 12, 27, 4, 0, "辛巳 庚子 甲子 丙寅"}));

TEST(PillarsTest, MonthChangesAtTheJie) {
  auto month_of = [](int y, int m, int d, int h, int mi) {
    const auto p = ComputePillars(y, m, d, h, mi, kAuto);
    return p ? Utf8(p->month) : std::string("none");
  };
  EXPECT_EQ(month_of(2016, 1, 5, 12, 0), "戊子");
  EXPECT_EQ(month_of(2016, 1, 6, 12, 0), "己丑");
  EXPECT_EQ(month_of(2015, 1, 6, 0, 10), "丙子");
  EXPECT_EQ(month_of(2015, 1, 6, 0, 30), "丁丑");
}

TEST(PillarsTest, DayPastMonthEndCountsIntoNextMonth) {
  const auto april31 = ComputePillars(2015, 4, 31, 12, 0, kAuto);
  const auto may1 = ComputePillars(2015, 5, 1, 12, 0, kAuto);
  ASSERT_TRUE(april31 && may1);
  EXPECT_EQ(april31->day, may1->day);
  EXPECT_EQ(april31->hour, may1->hour);
}

TEST(PillarsTest, ConsecutiveDaysAndHoursStepTheCycle) {
  // Over a whole leap year: each day moves the day pillar by one, the 子 hours
  // (23:00 of the day before, then 00:00) share their pillar, and the double
  // hours from 01:00 step the hour pillar one by one.
  const int length[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  auto pillars = [](int m, int d, int h) {
    const auto p = ComputePillars(2024, m, d, h, 0, kAuto);
    EXPECT_TRUE(p.has_value()) << m << "-" << d << " " << h;
    return p.value_or(Pillars{});
  };
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= length[m - 1]; ++d) {
      const int next_m = d == length[m - 1] ? m + 1 : m;
      const int next_d = d == length[m - 1] ? 1 : d + 1;
      const Pillars today = pillars(m, d, 12);
      if (next_m <= 12) {
        EXPECT_EQ(pillars(next_m, next_d, 12).day % 60, (today.day + 1) % 60) << m << "-" << d;
        EXPECT_EQ(pillars(m, d, 23).day, pillars(next_m, next_d, 0).day) << m << "-" << d;
        EXPECT_EQ(pillars(m, d, 23).hour, pillars(next_m, next_d, 0).hour) << m << "-" << d;
      }
      for (int h = 1; h < 21; h += 2) {
        EXPECT_EQ(pillars(m, d, h + 1).hour, pillars(m, d, h).hour) << m << "-" << d << " " << h;
        EXPECT_EQ(pillars(m, d, h + 2).hour % 60, (pillars(m, d, h).hour + 1) % 60)
            << m << "-" << d << " " << h;
      }
    }
  }
}

TEST(PillarsTest, BadInputGivesNoPillars) {
  EXPECT_FALSE(ComputePillars(2015, 1, 1, 24, 0, kAuto));
  EXPECT_FALSE(ComputePillars(2015, 1, 1, -1, 0, kAuto));
  EXPECT_FALSE(ComputePillars(2015, 13, 1, 0, 0, kAuto));
  EXPECT_FALSE(ComputePillars(2015, 0, 1, 0, 0, kAuto));
  EXPECT_FALSE(ComputePillars(2015, 1, 0, 0, 0, kAuto));
  EXPECT_FALSE(ComputePillars(2015, 1, 1, 0, 60, kAuto));
  EXPECT_FALSE(ComputePillars(0, 1, 1, 0, 0, kAuto));
  EXPECT_FALSE(ComputePillars(2015, 1, 1, 0, 0, 4));
  EXPECT_FALSE(ComputePillars(1582, 10, 10, 0, 0, kAuto));
  EXPECT_TRUE(ComputePillars(1582, 10, 10, 0, 0, kGregorian));
}

TEST(GanZhiTextTest, EndsOfTheCycle) {
  EXPECT_EQ(Utf8(1), "甲子");
  EXPECT_EQ(Utf8(2), "乙丑");
  EXPECT_EQ(Utf8(31), "甲午");
  EXPECT_EQ(Utf8(60), "癸亥");
  EXPECT_EQ(Utf8(0), "癸亥");
  EXPECT_EQ(GanZhiText(1).size(), 6u);
}

}  // namespace
}  // namespace veltrane::chart
