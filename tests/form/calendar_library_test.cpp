// The calendar as a command library: both commands through CommandArg
// records shaped as the runtime passes them, and the notification entry.
#include "form/values/calendar_library.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>

#include "calendar/date_time.h"

namespace veltrane::calendar {
namespace {

using runtime::CommandArg;
using runtime::ValueTag;

CommandArg DoubleWords(double value, ValueTag tag) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  return CommandArg{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32), tag};
}

double ResultDouble(const CommandArg& r) {
  return std::bit_cast<double>((static_cast<std::uint64_t>(r.hi) << 32) | r.lo);
}

CommandArg IntArg(std::int32_t value) {
  return CommandArg{static_cast<std::uint32_t>(value), 0, ValueTag::Integer};
}

// Calls command `number` as CallCommand does: a zeroed result record.
CommandArg Call(int number, int count, CommandArg* args) {
  const runtime::CommandLibrary& lib = CalendarLibrary();
  EXPECT_GT(lib.command_count, number);
  CommandArg result{};
  lib.commands[number](&result, count, args);
  return result;
}

TEST(CalendarLibraryTest, RegistersTwoCommands) {
  const runtime::CommandLibrary& lib = CalendarLibrary();
  EXPECT_EQ(lib.command_count, 2);
  ASSERT_NE(lib.commands, nullptr);
  EXPECT_NE(lib.commands[0], nullptr);
  EXPECT_NE(lib.commands[1], nullptr);
  EXPECT_EQ(&lib, &CalendarLibrary());
}

// The four variables of ToLunarDate, with sentinels to see what was written.
struct Variables {
  std::int32_t year = 111;
  std::int32_t month = 222;
  std::int32_t day = 333;
  std::int32_t leap = 444;
};

CommandArg CallToLunarDate(CommandArg moment, Variables& v) {
  CommandArg args[5] = {moment, CalendarReferenceArg(&v.year), CalendarReferenceArg(&v.month),
                        CalendarReferenceArg(&v.day), CalendarReferenceArg(&v.leap)};
  return Call(static_cast<int>(CalendarCommand::ToLunarDate), 5, args);
}

TEST(ToLunarDateCommandTest, WritesTheFourVariablesAndGivesTrue) {
  Variables v;
  const CommandArg r =
      CallToLunarDate(DoubleWords(ComposeDateTime(2023, 3, 22, 8, 0, 0), ValueTag::DateTime), v);
  EXPECT_EQ(r.tag, ValueTag::Logical);
  EXPECT_EQ(r.lo, 1U);
  EXPECT_EQ(r.hi, 0U);
  EXPECT_EQ(v.year, 2023);
  EXPECT_EQ(v.month, 2);
  EXPECT_EQ(v.day, 1);
  EXPECT_EQ(v.leap, 1);

  const CommandArg r2 =
      CallToLunarDate(DoubleWords(ComposeDateTime(2015, 9, 29, 0, 0, 0), ValueTag::Double), v);
  EXPECT_EQ(r2.lo, 1U);
  EXPECT_EQ(v.year, 2015);
  EXPECT_EQ(v.month, 8);
  EXPECT_EQ(v.day, 17);
  EXPECT_EQ(v.leap, 0);  // a logical variable is written as 0, not left alone
}

TEST(ToLunarDateCommandTest, GivesFalseAndWritesNothingOnFailure) {
  const CommandArg bad_moments[] = {
      DoubleWords(ComposeDateTime(1901, 2, 18, 12, 0, 0), ValueTag::DateTime),
      DoubleWords(ComposeDateTime(2049, 1, 1, 0, 0, 0), ValueTag::DateTime),
      DoubleWords(3000000.0, ValueTag::DateTime),
      DoubleWords(-700000.0, ValueTag::DateTime),
      IntArg(42000),  // not a DateTime
  };
  for (const CommandArg& moment : bad_moments) {
    Variables v;
    const CommandArg r = CallToLunarDate(moment, v);
    EXPECT_EQ(r.tag, ValueTag::Logical);
    EXPECT_EQ(r.lo, 0U);
    EXPECT_EQ(v.year, 111);
    EXPECT_EQ(v.month, 222);
    EXPECT_EQ(v.day, 333);
    EXPECT_EQ(v.leap, 444);
  }
}

TEST(ToLunarDateCommandTest, RefusesMissingOrByValueVariables) {
  Variables v;
  const CommandArg moment = DoubleWords(ComposeDateTime(2015, 2, 19, 0, 0, 0), ValueTag::DateTime);
  CommandArg args[5] = {moment, CalendarReferenceArg(&v.year), CalendarReferenceArg(&v.month),
                        CalendarReferenceArg(&v.day), IntArg(0)};
  EXPECT_EQ(Call(0, 5, args).lo, 0U);  // the flag passed by value
  args[4] = CalendarReferenceArg(nullptr);
  EXPECT_EQ(Call(0, 5, args).lo, 0U);  // a null variable
  args[4] = CalendarReferenceArg(&v.leap);
  EXPECT_EQ(Call(0, 4, args).lo, 0U);  // too few arguments
  EXPECT_EQ(Call(0, 0, nullptr).lo, 0U);
  EXPECT_EQ(v.year, 111);
  EXPECT_EQ(v.leap, 444);
  EXPECT_EQ(Call(0, 5, args).lo, 1U);
  EXPECT_EQ(v.year, 2015);
}

struct MomentCall {
  CommandArg year;
  CommandArg number;
  double want;
};

TEST(SolarTermMomentCommandTest, GivesTheDateTimeOrMinDateTime) {
  const MomentCall calls[] = {
      {IntArg(2015), IntArg(1), 42039.0 + 43100.0 / 86400},
      {IntArg(1880), IntArg(23), -7298.0 - 20505.0 / 86400},
      {IntArg(1879), IntArg(1), kMinDateTime},
      {IntArg(2080), IntArg(1), kMinDateTime},
      {IntArg(2000), IntArg(0), kMinDateTime},
      {IntArg(2000), IntArg(25), kMinDateTime},
      {DoubleWords(2015.0, ValueTag::Double), IntArg(1), kMinDateTime},  // not an integer
  };
  for (const MomentCall& c : calls) {
    CommandArg args[2] = {c.year, c.number};
    const CommandArg r = Call(static_cast<int>(CalendarCommand::SolarTermMoment), 2, args);
    EXPECT_EQ(r.tag, ValueTag::DateTime);
    EXPECT_NEAR(ResultDouble(r), c.want, 1e-9)
        << "year word " << c.year.lo << " number " << c.number.lo;
  }
  CommandArg one[1] = {IntArg(2015)};
  EXPECT_EQ(ResultDouble(Call(1, 1, one)), kMinDateTime);
}

std::intptr_t FakeService(int, std::uintptr_t, std::uintptr_t) { return 7; }

TEST(CalendarNotifyTest, KeepsTheServiceEntryOnCodeOne) {
  const auto entry = reinterpret_cast<std::uintptr_t>(&FakeService);
  EXPECT_EQ(CalendarNotify(2, entry, 0), -1);
  EXPECT_EQ(CalendarNotify(0, entry, 0), -1);
  EXPECT_NE(CalendarRuntimeService(), &FakeService);
  EXPECT_EQ(CalendarNotify(1, entry, 0), 0);
  EXPECT_EQ(CalendarRuntimeService(), &FakeService);
  EXPECT_EQ(CalendarNotify(-1, 0, 0), -1);
  EXPECT_EQ(CalendarRuntimeService(), &FakeService);  // other codes leave it
}

}  // namespace
}  // namespace veltrane::calendar
