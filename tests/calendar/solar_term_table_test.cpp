// The committed SolarTermTable: its telling entries, its structure, and the
// checks that guard it (shared with the generator) catching broken tables.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "calendar/solar_term_table.h"
#include "calendar/solar_term_table_check.h"

namespace veltrane::calendar {
namespace {

struct TellingEntry {
  int year;
  int slot;
  std::array<std::uint8_t, 5> bytes;
};

// Entries that pin the method down: the first and last, 1880-1900 (ΔT of the
// historic series, rounding rather than truncation), 2000 and 2015.
constexpr TellingEntry kTellingEntries[] = {
    {1880, 1, {0x01, 0x06, 0x05, 0x29, 0x2D}},   // 1880-01-06 05:41:45, first entry
    {1880, 3, {0x02, 0x04, 0x11, 0x1E, 0x27}},   // 1880-02-04 17:30:39
    {1899, 24, {12, 22, 8, 56, 19}},             // 1899-12-22 08:56:19
    {1900, 1, {1, 6, 2, 4, 5}},                  // 1900-01-06 02:04:05
    {2000, 6, {0x03, 0x14, 0x0F, 0x23, 0x0F}},   // 2000-03-20 15:35:15
    {2000, 24, {0x0C, 0x15, 0x15, 0x25, 0x19}},  // 2000-12-21 21:37:25
    {2015, 1, {1, 6, 0, 20, 25}},                // 2015-01-06 00:20:25
    {2015, 2, {1, 20, 17, 43, 7}},               // 2015-01-20 17:43:07
    {2015, 3, {0x02, 0x04, 0x0B, 0x3A, 0x14}},   // 2015-02-04 11:58:20
    {2015, 24, {0x0C, 0x16, 0x0C, 0x2F, 0x30}},  // 2015-12-22 12:47:48
    {2079, 24, {0x0C, 0x16, 0x01, 0x2B, 0x0C}},  // 2079-12-22 01:43:12, last entry
};

TEST(SolarTermTableTest, HoldsTheTellingEntries) {
  for (const TellingEntry& e : kTellingEntries) {
    const auto got = SolarTermEntry(e.year, e.slot);
    for (std::size_t k = 0; k < 5; ++k) {
      EXPECT_EQ(got[k], e.bytes[k]) << e.year << " slot " << e.slot << " byte " << k;
    }
  }
  EXPECT_EQ(kSolarTermTable[0], 0x01);
  EXPECT_EQ(kSolarTermTable[kSolarTermTableBytes - 1], 0x0C);
}

TEST(SolarTermTableTest, PassesTheStructuralChecks) {
  const std::vector<std::string> problems = SolarTermTableProblems(kSolarTermTable);
  EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
}

// Each slot's dates over all 200 years lie in these ranges (and reach both ends).
struct SlotDays {
  int slot;
  int month;
  int first_day;
  int last_day;
};
constexpr SlotDays kSlotDays[] = {
    {1, 1, 5, 7},    {2, 1, 19, 21},   {3, 2, 3, 5},    {4, 2, 18, 20},   {5, 3, 5, 7},
    {6, 3, 20, 22},  {7, 4, 4, 6},     {8, 4, 19, 21},  {9, 5, 4, 7},     {10, 5, 20, 22},
    {11, 6, 5, 7},   {12, 6, 20, 22},  {13, 7, 6, 8},   {14, 7, 22, 24},  {15, 8, 6, 9},
    {16, 8, 22, 24}, {17, 9, 7, 9},    {18, 9, 22, 24}, {19, 10, 7, 9},   {20, 10, 22, 24},
    {21, 11, 6, 8},  {22, 11, 21, 23}, {23, 12, 6, 8},  {24, 12, 21, 23},
};

TEST(SolarTermTableTest, EachSlotFallsInItsDaysOfTheMonth) {
  for (const SlotDays& s : kSlotDays) {
    int lowest = 99;
    int highest = 0;
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
      const auto e = SolarTermEntry(year, s.slot);
      ASSERT_EQ(e[0], s.month) << year << " slot " << s.slot;
      lowest = std::min<int>(lowest, e[1]);
      highest = std::max<int>(highest, e[1]);
    }
    EXPECT_EQ(lowest, s.first_day) << "slot " << s.slot;
    EXPECT_EQ(highest, s.last_day) << "slot " << s.slot;
  }
}

// The checks must catch each kind of damage.
struct Damage {
  const char* name;
  int year;
  int slot;
  int byte;
  std::uint8_t value;
  const char* want_problem;
};

class SolarTermTableChecksTest : public ::testing::TestWithParam<Damage> {};

TEST_P(SolarTermTableChecksTest, ReportTheDamagedEntry) {
  const Damage& d = GetParam();
  std::vector<std::uint8_t> table(kSolarTermTable.begin(), kSolarTermTable.end());
  table[SolarTermEntryOffset(d.year, d.slot) + static_cast<std::size_t>(d.byte)] = d.value;
  const std::vector<std::string> problems = SolarTermTableProblems(table);
  ASSERT_FALSE(problems.empty()) << d.name;
  EXPECT_EQ(problems.front(), d.want_problem) << d.name;
}

INSTANTIATE_TEST_SUITE_P(
    Damages, SolarTermTableChecksTest,
    ::testing::Values(
        Damage{"month13", 1950, 7, 0, 13, "1950 slot 7: month 13 out of range"},
        Damage{"month0", 1950, 7, 0, 0, "1950 slot 7: month 0 out of range"},
        Damage{"day31April", 1950, 7, 1, 31, "1950 slot 7: day 31 out of range"},
        Damage{"day29Feb1900", 1900, 4, 1, 29, "1900 slot 4: day 29 out of range"},
        Damage{"hour24", 1950, 7, 2, 24, "1950 slot 7: time of day out of range"},
        Damage{"minute60", 1950, 7, 3, 60, "1950 slot 7: time of day out of range"},
        Damage{"second60", 1950, 7, 4, 60, "1950 slot 7: time of day out of range"},
        Damage{"xiaohanInFebruary", 1990, 1, 0, 2, "1990 slot 1: month 2, want 1"},
        Damage{"dongzhiInNovember", 1990, 24, 0, 11, "1990 slot 24: month 11, want 12"},
        Damage{"yushuiBeforeLichun", 2001, 4, 1, 1, "2001 slot 4: not after the term before it"},
        Damage{"daxueAfterDongzhi", 2001, 23, 1, 31, "2001 slot 24: not after the term before it"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolarTermTableChecksTest, RejectATableOfTheWrongSize) {
  const std::vector<std::uint8_t> short_table(kSolarTermTable.begin(), kSolarTermTable.end() - 5);
  const std::vector<std::string> problems = SolarTermTableProblems(short_table);
  ASSERT_EQ(problems.size(), 1U);
  EXPECT_EQ(problems.front(), "size 23995, want 24000");
}

}  // namespace
}  // namespace veltrane::calendar
