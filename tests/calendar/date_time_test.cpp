// ComposeDateTime and SplitDateTime: the day-number encoding on both sides of
// 1899-12-30, the half-second rounding and the valid range.
#include "calendar/date_time.h"

#include "calendar/gregorian.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>

namespace veltrane::calendar {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct ComposeCase {
  const char* name;
  int year, month, day, hour, minute, second;
  double want;
};

class ComposeTest : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeTest, GivesTheEncodedDay) {
  const ComposeCase& c = GetParam();
  EXPECT_NEAR(ComposeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second), c.want, 1e-9)
      << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Moments, ComposeTest,
    ::testing::Values(ComposeCase{"epoch", 1899, 12, 30, 0, 0, 0, 0.0},
                      ComposeCase{"day after epoch 06h", 1899, 12, 31, 6, 0, 0, 1.25},
                      // Before the epoch the time of day is subtracted from the day number.
                      ComposeCase{"day before epoch 06h", 1899, 12, 29, 6, 0, 0, -1.25},
                      ComposeCase{"first table entry", 1880, 1, 6, 5, 41, 45,
                                  -7298.0 - 20505.0 / 86400},
                      ComposeCase{"1880 lichun", 1880, 2, 4, 17, 30, 39, -7269.0 - 63039.0 / 86400},
                      ComposeCase{"2015 lichun", 2015, 2, 4, 11, 58, 20, 42039.0 + 43100.0 / 86400},
                      ComposeCase{"min date time", 100, 1, 1, 0, 0, 0, kMinDateTime},
                      ComposeCase{"max date time", 9999, 12, 31, 0, 0, 0, kMaxDateTime},
                      ComposeCase{"leap day 2000", 2000, 2, 29, 0, 0, 0, 36585.0},
                      ComposeCase{"no leap day 1900", 1900, 3, 1, 0, 0, 0, 61.0},
                      ComposeCase{"month out of range", 2015, 13, 1, 0, 0, 0, kMinDateTime},
                      ComposeCase{"month zero", 2015, 0, 1, 0, 0, 0, kMinDateTime}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

struct SplitCase {
  const char* name;
  double value;
  CivilDate want;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, GivesTheCalendarDate) {
  const SplitCase& c = GetParam();
  const CivilDate got = SplitDateTime(c.value);
  EXPECT_EQ(got, c.want) << c.name << ": want " << c.want.year << "-" << c.want.month << "-"
                         << c.want.day << " got " << got.year << "-" << got.month << "-" << got.day;
}

const double k20230419 = ComposeDateTime(2023, 4, 19, 0, 0, 0);

INSTANTIATE_TEST_SUITE_P(
    Values, SplitTest,
    ::testing::Values(
        SplitCase{"epoch", 0.0, {1899, 12, 30}}, SplitCase{"before epoch", -1.25, {1899, 12, 29}},
        SplitCase{"first table entry", -7298.2373263888, {1880, 1, 6}},
        SplitCase{"2015 lichun", 42039.49884259, {2015, 2, 4}},
        SplitCase{"last half second", k20230419 + 1.0 - 0.4 * kSecond, {2023, 4, 20}},
        SplitCase{"before last half second", k20230419 + 1.0 - 0.6 * kSecond, {2023, 4, 19}},
        // Before the epoch rounding up to midnight also moves forward in time.
        SplitCase{"negative last half second", -1.0 - (1.0 - 0.1 * kSecond), {1899, 12, 30}},
        SplitCase{"negative before last half second", -1.0 - (1.0 - 0.6 * kSecond), {1899, 12, 29}},
        SplitCase{"min date time", kMinDateTime, {100, 1, 1}},
        SplitCase{"max date time", kMaxDateTime, {9999, 12, 31}},
        SplitCase{"above range", 3000000.0, {}}, SplitCase{"below range", -700000.0, {}},
        SplitCase{"just above range", kMaxDateTime + kSecond, {}},
        SplitCase{"just below range", kMinDateTime - kSecond, {}},
        SplitCase{"not a number", std::numeric_limits<double>::quiet_NaN(), {}},
        SplitCase{"infinity", std::numeric_limits<double>::infinity(), {}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(SplitDateTimeTest, FailureGivesMinusOneForEachField) {
  const CivilDate got = SplitDateTime(-700000.0);
  EXPECT_FALSE(got.ok());
  EXPECT_EQ(got.year, -1);
  EXPECT_EQ(got.month, -1);
  EXPECT_EQ(got.day, -1);
}

// Every day of the valid range against the standard library's calendar.
TEST(DayNumberTest, AgreesWithTheStandardCalendarOverTheWholeRange) {
  using namespace std::chrono;
  const sys_days epoch = year{1899} / December / 30;
  for (int n = static_cast<int>(kMinDateTime); n <= static_cast<int>(kMaxDateTime); ++n) {
    const year_month_day ymd{epoch + days{n}};
    const CivilDate want{static_cast<int>(ymd.year()), static_cast<int>(unsigned{ymd.month()}),
                         static_cast<int>(unsigned{ymd.day()})};
    const CivilDate got = DateOfDayNumber(n);
    ASSERT_EQ(got, want) << "day number " << n;
    ASSERT_EQ(DayNumberOfDate(want.year, want.month, want.day), n);
  }
}

// The one month-length rule: each month's length and the days before it add up
// to the standard calendar's, leap or not, and the year ends after month 12.
TEST(MonthLengthTest, MonthsAddUpAsTheStandardCalendarCountsThem) {
  using namespace std::chrono;
  for (int y : {1900, 2000, 2015, 2016}) {
    const bool leap = IsLeapYear(y);
    EXPECT_EQ(leap, year{y}.is_leap());
    for (unsigned m = 1; m <= 12; ++m) {
      const sys_days first = year{y} / month{m} / 1;
      EXPECT_EQ(DaysBeforeMonth(static_cast<int>(m), leap),
                (first - sys_days{year{y} / January / 1}).count());
      EXPECT_EQ(MonthLength(static_cast<int>(m), leap),
                static_cast<int>(unsigned{(year{y} / month{m} / last).day()}));
      EXPECT_EQ(DaysInMonth(y, static_cast<int>(m)), MonthLength(static_cast<int>(m), leap));
    }
    EXPECT_EQ(DaysBeforeMonth(13, leap), leap ? 366 : 365);
  }
  EXPECT_EQ(MonthLength(0, false), 0);
  EXPECT_EQ(MonthLength(13, true), 0);
  EXPECT_EQ(DaysBeforeMonth(14, false), 0);
  EXPECT_EQ(DaysBetween({2000, 3, 1}, {2000, 2, 28}), 2);
}

TEST(ComposeSplitTest, EveryTimeOfDayStaysOnItsDateOnBothSidesOfTheEpoch) {
  for (const CivilDate d : {CivilDate{1880, 1, 6}, CivilDate{1899, 12, 29}, CivilDate{1899, 12, 30},
                            CivilDate{1900, 2, 28}, CivilDate{2015, 2, 4}}) {
    for (int second = 0; second < 86400; second += 997) {
      const double t =
          ComposeDateTime(d.year, d.month, d.day, second / 3600, second / 60 % 60, second % 60);
      ASSERT_EQ(SplitDateTime(t), d) << "second of day " << second;
    }
    const double last = ComposeDateTime(d.year, d.month, d.day, 23, 59, 59);
    ASSERT_EQ(SplitDateTime(last), d);
  }
}

// The minute count the command line reckons instants with: its zero, the
// clock epoch, a minute either side of midnight before 1899-12-30, and a
// round trip from 1800 to 3000 across month and leap-year ends.
TEST(MinuteNumberTest, CountsMinutesOnTheDayCountBothWays) {
  EXPECT_EQ(MinuteNumberOf({1899, 12, 30, 0, 0}), 0);
  EXPECT_EQ(MinuteNumberOf({1970, 1, 1, 0, 0}), kUnixEpochMinute);
  EXPECT_EQ(CivilDateTimeOfMinute(-1), (CivilDateTime{1899, 12, 29, 23, 59}));
  EXPECT_EQ(CivilDateTimeOfMinute(-1440), (CivilDateTime{1899, 12, 29, 0, 0}));
  EXPECT_EQ(CivilDateTimeOfMinute(MinuteNumberOf({2024, 2, 28, 23, 59}) + 1),
            (CivilDateTime{2024, 2, 29, 0, 0}));
  const std::int64_t first = MinuteNumberOf({1800, 1, 1, 0, 0});
  const std::int64_t end = MinuteNumberOf({3000, 1, 1, 0, 0});
  for (std::int64_t m = first; m < end; m += 7919 * 61) {
    ASSERT_EQ(MinuteNumberOf(CivilDateTimeOfMinute(m)), m) << m;
  }
}

}  // namespace
}  // namespace veltrane::calendar
