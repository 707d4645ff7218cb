// ToLunarDate and the conversions under it: the edge cases, the failures that
// leave the variables untouched, and a day-by-day sweep of the whole range.
#include "calendar/lunar_date.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "calendar/date_time.h"
#include "calendar/lunar_tables.h"

namespace veltrane::calendar {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct LunarCase {
  const char* name;
  double moment;
  LunarDate want;
};

class ToLunarDateTest : public ::testing::TestWithParam<LunarCase> {};

TEST_P(ToLunarDateTest, GivesTheLunarDate) {
  const LunarCase& c = GetParam();
  int year = -7;
  int month = -7;
  int day = -7;
  bool leap = true;
  ASSERT_TRUE(ToLunarDate(c.moment, year, month, day, leap)) << c.name;
  const LunarDate got{year, month, day, leap};
  EXPECT_EQ(got, c.want) << c.name << ": want " << c.want.year << "/" << c.want.month << "/"
                         << c.want.day << (c.want.leap ? " leap" : "") << " got " << year << "/"
                         << month << "/" << day << (leap ? " leap" : "");
}

double At(int y, int m, int d, int hour = 12) { return ComposeDateTime(y, m, d, hour, 0, 0); }

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ToLunarDateTest,
    ::testing::Values(
        LunarCase{"first convertible day", At(1901, 2, 19, 0), {1901, 1, 1, false}},
        LunarCase{"2000-01-01", At(2000, 1, 1), {1999, 11, 25, false}},
        LunarCase{"2015-09-29", At(2015, 9, 29), {2015, 8, 17, false}},
        LunarCase{"eve of lunar 2015", At(2015, 2, 18), {2014, 12, 30, false}},
        LunarCase{"lunar 2015 begins", At(2015, 2, 19), {2015, 1, 1, false}},
        LunarCase{"2023 month 2 ends", At(2023, 3, 21), {2023, 2, 30, false}},
        LunarCase{"2023 leap month 2 begins", At(2023, 3, 22), {2023, 2, 1, true}},
        LunarCase{"2023 leap month 2 ends", At(2023, 4, 19), {2023, 2, 29, true}},
        LunarCase{"2023 month 3 begins", At(2023, 4, 20), {2023, 3, 1, false}},
        LunarCase{"2014 leap month 9", At(2014, 10, 24), {2014, 9, 1, true}},
        LunarCase{"2033 leap month 11", At(2033, 12, 22), {2033, 11, 1, true}},
        LunarCase{"2033 month 12", At(2034, 1, 20), {2033, 12, 1, false}},
        LunarCase{"last convertible day", At(2048, 12, 31, 23), {2048, 11, 27, false}},
        LunarCase{"last half second rounds up",
                  ComposeDateTime(2023, 4, 19, 23, 59, 59) + 0.6 * kSecond,
                  {2023, 3, 1, false}},
        LunarCase{"just before the last half second",
                  ComposeDateTime(2023, 4, 19, 23, 59, 59) + 0.4 * kSecond,
                  {2023, 2, 29, true}},
        LunarCase{"time of day does not matter", At(2023, 4, 19, 0), {2023, 2, 29, true}},
        LunarCase{"last second of the range",
                  ComposeDateTime(2048, 12, 31, 23, 59, 59) + 0.4 * kSecond,
                  {2048, 11, 27, false}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

struct FailureCase {
  const char* name;
  double moment;
};

class ToLunarDateFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ToLunarDateFailureTest, LeavesTheVariablesUntouched) {
  int year = 11;
  int month = 22;
  int day = 33;
  bool leap = true;
  EXPECT_FALSE(ToLunarDate(GetParam().moment, year, month, day, leap)) << GetParam().name;
  EXPECT_EQ(year, 11);
  EXPECT_EQ(month, 22);
  EXPECT_EQ(day, 33);
  EXPECT_TRUE(leap);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ToLunarDateFailureTest,
    ::testing::Values(FailureCase{"day before lunar 1901", At(1901, 2, 18, 23)},
                      FailureCase{"1890 has terms but no lunar date", At(1890, 6, 1)},
                      FailureCase{"first day of 2049", At(2049, 1, 1, 0)},
                      FailureCase{"lunar 2049 is not reached", At(2049, 6, 1)},
                      FailureCase{"last half second of 2048",
                                  ComposeDateTime(2048, 12, 31, 23, 59, 59) + 0.6 * kSecond},
                      FailureCase{"above the DateTime range", 3000000.0},
                      FailureCase{"below the DateTime range", -700000.0},
                      FailureCase{"min date time", kMinDateTime},
                      FailureCase{"max date time", kMaxDateTime},
                      FailureCase{"not a number", std::numeric_limits<double>::quiet_NaN()},
                      FailureCase{"minus infinity", -std::numeric_limits<double>::infinity()}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(GregorianToLunarTest, RejectsBadFieldsAndTheEndsOfTheRange) {
  EXPECT_FALSE(GregorianToLunar(2015, 0, 1));
  EXPECT_FALSE(GregorianToLunar(2015, 13, 1));
  EXPECT_FALSE(GregorianToLunar(65535, 65535, 65535));  // a failed split
  EXPECT_FALSE(GregorianToLunar(2049, 1, 1));
  EXPECT_FALSE(GregorianToLunar(1901, 2, 18));
  EXPECT_FALSE(GregorianToLunar(1900, 12, 31));
  // Not a day of its month: refused instead of running past the tables.
  EXPECT_FALSE(GregorianToLunar(2048, 12, 65535));
  EXPECT_FALSE(GregorianToLunar(2015, 2, 29));
  EXPECT_FALSE(GregorianToLunar(2015, 3, 0));
  EXPECT_EQ(GregorianToLunar(2016, 2, 29), (LunarDate{2016, 1, 22, false}));
}

TEST(LunarDateFromOffsetTest, CoversExactlyTheTablesYears) {
  EXPECT_EQ(LunarDateFromOffset(49), (LunarDate{1901, 1, 1, false}));
  EXPECT_FALSE(LunarDateFromOffset(48));
  EXPECT_FALSE(LunarDateFromOffset(-1));
  int total = 0;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) total += LunarYearLength(year);
  const int last = 49 + total - 1;  // the last day of lunar 2049
  const auto end = LunarDateFromOffset(last);
  ASSERT_TRUE(end);
  EXPECT_EQ(end->year, 2049);
  EXPECT_EQ(end->month, 12);
  EXPECT_EQ(end->day, LunarMonthLengths(2049, 12).ordinary);
  EXPECT_FALSE(LunarDateFromOffset(last + 1));
  EXPECT_FALSE(LunarDateFromOffset(std::numeric_limits<int>::max()));
}

// 正月初一 of years across the range, as published in almanacs.
TEST(ToLunarDateTest, NewYearDaysFallOnTheirKnownDates) {
  const int kNewYears[][3] = {{1912, 2, 18}, {1949, 1, 29}, {1950, 2, 17}, {1976, 1, 31},
                              {1985, 2, 20}, {2000, 2, 5},  {2008, 2, 7},  {2020, 1, 25},
                              {2023, 1, 22}, {2024, 2, 10}, {2033, 1, 31}, {2048, 2, 14}};
  for (const auto& d : kNewYears) {
    EXPECT_EQ(GregorianToLunar(static_cast<std::uint16_t>(d[0]), static_cast<std::uint16_t>(d[1]),
                               static_cast<std::uint16_t>(d[2])),
              (LunarDate{d[0], 1, 1, false}))
        << d[0] << "-" << d[1] << "-" << d[2];
  }
}

// The lunar date of the day after `date`, from the tables alone.
LunarDate NextLunarDay(const LunarDate& date) {
  const MonthLengths lengths = LunarMonthLengths(date.year, date.month);
  const int this_length = date.leap ? lengths.leap : lengths.ordinary;
  if (date.day < this_length) return {date.year, date.month, date.day + 1, date.leap};
  if (!date.leap && LeapMonthOf(date.year) == date.month) return {date.year, date.month, 1, true};
  if (date.month < 12) return {date.year, date.month + 1, 1, false};
  return {date.year + 1, 1, 1, false};
}

TEST(ToLunarDateTest, AdvancesOneDayAtATimeFrom1901To2048) {
  const int first = DayNumberOfDate(1901, 2, 19);
  const int last = DayNumberOfDate(2048, 12, 31);
  LunarDate want{1901, 1, 1, false};
  int new_years = 0;
  for (int n = first; n <= last; ++n) {
    int year = 0;
    int month = 0;
    int day = 0;
    bool leap = false;
    // Alternate the time of day; it must not matter.
    const double moment = n + (n % 2 == 0 ? 0.0 : 0.75);
    ASSERT_TRUE(ToLunarDate(moment, year, month, day, leap)) << "day number " << n;
    const LunarDate got{year, month, day, leap};
    ASSERT_EQ(got, want) << "day number " << n << ": got " << year << "/" << month << "/" << day
                         << (leap ? " leap" : "");
    ASSERT_GE(day, 1);
    ASSERT_LE(day, 30);
    if (month == 1 && day == 1 && !leap) ++new_years;
    want = NextLunarDay(got);
  }
  EXPECT_EQ(new_years, 2048 - 1901 + 1);
}

}  // namespace
}  // namespace veltrane::calendar
