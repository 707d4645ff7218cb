// The lunar tables as stored and the month and year lengths read from them.
#include "calendar/lunar_tables.h"

#include <gtest/gtest.h>

#include <map>

namespace veltrane::calendar {
namespace {

// The leap months of 1901..2049, written out from the calendar's year table
// independently of the packed nibbles.
const std::map<int, int> kLeapYears = {
    {1903, 5},  {1906, 4}, {1909, 2}, {1911, 6}, {1914, 5}, {1917, 2}, {1919, 7},  {1922, 5},
    {1925, 4},  {1928, 2}, {1930, 6}, {1933, 5}, {1936, 3}, {1938, 7}, {1941, 6},  {1944, 4},
    {1947, 2},  {1949, 7}, {1952, 5}, {1955, 3}, {1957, 8}, {1960, 6}, {1963, 4},  {1966, 3},
    {1968, 7},  {1971, 5}, {1974, 4}, {1976, 8}, {1979, 6}, {1982, 4}, {1984, 10}, {1987, 6},
    {1990, 5},  {1993, 3}, {1995, 8}, {1998, 5}, {2001, 4}, {2004, 2}, {2006, 7},  {2009, 5},
    {2012, 4},  {2014, 9}, {2017, 6}, {2020, 4}, {2023, 2}, {2025, 6}, {2028, 5},  {2031, 3},
    {2033, 11}, {2036, 6}, {2039, 5}, {2042, 2}, {2044, 7}, {2047, 5},
};

TEST(LeapMonthOfTest, AgreesWithTheLeapYearsOfTheYearTable) {
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    const auto it = kLeapYears.find(year);
    EXPECT_EQ(LeapMonthOf(year), it == kLeapYears.end() ? 0 : it->second) << year;
  }
}

TEST(LeapMonthOfTest, IsMinusOneOutsideTheTables) {
  for (int year : {-1, 0, 1900, 2050, 65535}) EXPECT_EQ(LeapMonthOf(year), -1) << year;
}

TEST(LunarYearTableTest, UnusedLowBitsAreZero) {
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    const unsigned word = kLunarYearTable[static_cast<std::size_t>(year - kFirstLunarYear)];
    const unsigned unused = LeapMonthOf(year) == 0 ? 0xF : 0x7;
    EXPECT_EQ(word & unused, 0U) << year;
  }
}

TEST(LunarMonthLengthsTest, ReadsTheRowOf2023) {
  // 4DA8, leap month after month 2: 29 30 (leap 29) 29 30 30 29 30 30 29 30 29 30.
  const MonthLengths want[] = {{29, 0}, {30, 29}, {29, 0}, {30, 0}, {30, 0}, {29, 0},
                               {30, 0}, {30, 0},  {29, 0}, {30, 0}, {29, 0}, {30, 0}};
  for (int month = 1; month <= 12; ++month) {
    const MonthLengths got = LunarMonthLengths(2023, month);
    EXPECT_EQ(got, want[month - 1])
        << "month " << month << ": got " << got.ordinary << "/" << got.leap;
  }
  EXPECT_EQ(LunarYearLength(2023), 384);
}

TEST(LunarMonthLengthsTest, ReadsTheRowOf2015) {
  // 4BA0 without leap month: 29 30 29 29 30 29 30 30 30 29 30 29.
  const int want[] = {29, 30, 29, 29, 30, 29, 30, 30, 30, 29, 30, 29};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(LunarMonthLengths(2015, month), (MonthLengths{want[month - 1], 0})) << month;
  }
  EXPECT_EQ(LunarYearLength(2015), 354);
}

TEST(LunarMonthLengthsTest, IsZeroOutsideTheTables) {
  const MonthLengths none{0, 0};
  EXPECT_EQ(LunarMonthLengths(1900, 1), none);
  EXPECT_EQ(LunarMonthLengths(2050, 1), none);
  EXPECT_EQ(LunarMonthLengths(2015, 0), none);
  EXPECT_EQ(LunarMonthLengths(2015, 13), none);
  EXPECT_EQ(LunarMonthLengths(2015, -1), none);
  EXPECT_EQ(LunarYearLength(1900), 0);
  EXPECT_EQ(LunarYearLength(2050), 0);
}

TEST(LunarYearLengthTest, EveryYearHasTwelveOrThirteenMonthsOfItsLength) {
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    const int length = LunarYearLength(year);
    if (LeapMonthOf(year) == 0) {
      EXPECT_GE(length, 353) << year;
      EXPECT_LE(length, 355) << year;
    } else {
      EXPECT_GE(length, 383) << year;
      EXPECT_LE(length, 385) << year;
    }
  }
}

}  // namespace
}  // namespace veltrane::calendar
