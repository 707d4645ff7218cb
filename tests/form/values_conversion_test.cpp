// Number and text conversions of the value operations, for every tag they know.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/memory.h"
#include "form/values/command.h"
#include "form/values/command_args.h"
#include "form/values/value_ops.h"
#include "values_test_platform.h"

namespace veltrane::runtime {
namespace {

using test_support::Gbk8;
using test_support::TakeText;
using test_support::Utf8;

std::string ToTextOf(CommandArg arg) { return TakeText(CallCommand(ValueOp::ToText, 1, &arg)); }

double ToNumberOf(CommandArg arg) {
  const CommandArg r = CallCommand(ValueOp::ToNumber, 1, &arg);
  EXPECT_EQ(r.tag, ValueTag::Double);
  return ArgDouble(r);
}

TEST(ValuesToNumber, ReadsTheLongestLeadingDecimalNumber) {
  struct Case {
    const char* text_utf8;
    double want;
  };
  const Case cases[] = {
      {"2015", 2015},
      {"12abc", 12},
      {"", 0},
      {"abc", 0},
      {"２０１５", 2015},
      {"  -3.5", -3.5},
      {"+7", 7},
      {"1e3", 1000},
      {"1e", 1},
      {"1e+", 1},
      {"2E-2x", 0.02},
      {".5", 0.5},
      {"5.", 5},
      {"-.", 0},
      {"-", 0},
      {"\t\n 42", 42},
      {"　１２", 12},
      {"１．５", 1.5},
      {"－３", -3},
      {"3 4", 3},
      {"1e999", INFINITY},
      {"-1e999", -INFINITY},
      {"1e-999", 0},
      {"0.000e999", 0},
      {"阳遁3局", 0},
      {"007", 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ops::ToNumber(Gbk8(c.text_utf8).c_str()), c.want) << c.text_utf8;
  }
}

TEST(ValuesToNumber, OtherTagsGiveTheirValue) {
  EXPECT_EQ(ToNumberOf(IntArg(-12)), -12);
  EXPECT_EQ(ToNumberOf(DoubleArg(2.75)), 2.75);
  EXPECT_EQ(ToNumberOf(CommandArg{0xFFFFFFFF, 0, ValueTag::Byte}), 255);
  EXPECT_EQ(ToNumberOf(CommandArg{0xFFFF, 0, ValueTag::Short}), -1);
  EXPECT_EQ(ToNumberOf(CommandArg{0, 1, ValueTag::Long}), 4294967296.0);
  EXPECT_EQ(ToNumberOf(CommandArg{std::bit_cast<std::uint32_t>(1.5f), 0, ValueTag::Single}), 1.5);
  EXPECT_EQ(ToNumberOf(BoolArg(true)), 1);
  EXPECT_EQ(ToNumberOf(CommandArg{7, 0, ValueTag::Logical}), 1);
  EXPECT_EQ(ToNumberOf(DateTimeArg(42000.5)), 0);
  EXPECT_EQ(ToNumberOf(OmittedArg()), 0);
  EXPECT_EQ(ToNumberOf(CommandArg{1, 0, static_cast<ValueTag>(0x80000301 | kArrayTagBit)}), 0);
}

TEST(ValuesToText, EveryTagHasItsFormat) {
  struct Case {
    const char* name;
    CommandArg arg;
    const char* want_utf8;
  };
  const Case cases[] = {
      {"int", IntArg(-2147483647 - 1), "-2147483648"},
      {"short", CommandArg{0x8000, 0, ValueTag::Short}, "-32768"},
      {"byte", CommandArg{0x1FF, 0, ValueTag::Byte}, "255"},
      {"long", CommandArg{0xFFFFFFFF, 0x7FFFFFFF, ValueTag::Long}, "9223372036854775807"},
      {"float", CommandArg{std::bit_cast<std::uint32_t>(0.1f), 0, ValueTag::Single}, "0.1"},
      {"float six digits",
       CommandArg{std::bit_cast<std::uint32_t>(1234567.0f), 0, ValueTag::Single}, "1.23457e+06"},
      {"double whole", DoubleArg(3.0), "3"},
      {"double sum", DoubleArg(0.1 + 0.2), "0.3"},
      {"double thirteen digits", DoubleArg(1.0 / 3), "0.3333333333333"},
      {"double large", DoubleArg(1e15), "1e+15"},
      {"double negative", DoubleArg(-2.5), "-2.5"},
      {"true", BoolArg(true), "真"},
      {"false", BoolArg(false), "假"},
      {"text", TextArg("abc"), "abc"},
      {"date only", DateTimeArg(42369.0), "2015年12月31日"},
      {"hour", DateTimeArg(42369.0 + 23.0 / 24), "2015年12月31日23时"},
      {"minute", DateTimeArg(42369.0 + (23 * 60 + 5) / 1440.0), "2015年12月31日23时5分"},
      {"minute at hour 0", DateTimeArg(42369.0 + 5 / 1440.0), "2015年12月31日0时5分"},
      {"second", DateTimeArg(42369.0 + 7 / 86400.0), "2015年12月31日0时0分7秒"},
      {"omitted", OmittedArg(), ""},
      {"routine address", CommandArg{1, 0, kRoutineAddress}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8(ToTextOf(c.arg)), c.want_utf8) << c.name;
}

TEST(ValuesToText, AByteBlockGivesItsBytesUpToTheFirstZero) {
  const std::uint8_t bytes[] = {'a', 'b', 0, 'c'};
  HeapBytes block = HeapBytes::Copy(bytes);
  CommandArg arg{0, 0, ValueTag::Bytes};
  SetArgPointer(arg, block.get());
  EXPECT_EQ(ToTextOf(arg), "ab");

  const std::uint8_t no_zero[] = {'x', 'y'};
  HeapBytes unterminated = HeapBytes::Copy(no_zero);
  SetArgPointer(arg, unterminated.get());
  EXPECT_EQ(ToTextOf(arg), "xy");
}

// Any int written as text and read back as a number is the same int.
TEST(ValuesToText, IntegersSurviveTextAndBack) {
  std::mt19937 random(936);
  std::vector<std::int32_t> values = {0, 1, -1, 2147483647, -2147483647 - 1};
  for (int i = 0; i < 2000; ++i) values.push_back(static_cast<std::int32_t>(random()));
  for (const std::int32_t v : values) {
    EXPECT_EQ(ops::ToNumber(ops::ToText(v).c_str()), v);
    EXPECT_EQ(ops::ToNumber(ops::ToText(static_cast<double>(v)).c_str()), v);
  }
}

TEST(ValuesChineseNumeral, SingleDigitsAndLargerNumbers) {
  struct Case {
    double x;
    const char* want_utf8;
  };
  const Case simple[] = {
      {0, "零"},
      {1, "一"},
      {5, "五"},
      {9, "九"},
      {10, "十"},
      {15, "十五"},
      {20, "二十"},
      {101, "一百零一"},
      {110, "一百一十"},
      {1001, "一千零一"},
      {10000, "一万"},
      {10005, "一万零五"},
      {100010, "十万零一十"},
      {12345678, "一千二百三十四万五千六百七十八"},
      {100000000, "一亿"},
      {100500000, "一亿零五十万"},
      {110000000, "一亿一千万"},
      {1000000000000, "一万亿"},
      {9999999999999, "九万九千九百九十九亿九千九百九十九万九千九百九十九"},
      {-3, "负三"},
      {3.14159, "三点一四"},
      {0.5, "零点五"},
      {-0.05, "负零点零五"},
      {2.999, "三"},
      {-0.001, "零"},
      {10000000000000, "溢出"},
      {-1e20, "溢出"},
      {NAN, "溢出"},
  };
  for (const Case& c : simple) EXPECT_EQ(Utf8(ops::ChineseNumeral(c.x).view()), c.want_utf8) << c.x;

  // The financial forms, when simple is false or omitted.
  CommandArg args[] = {DoubleArg(15), BoolArg(false)};
  EXPECT_EQ(Utf8(TakeText(CallCommand(ValueOp::ChineseNumeral, 2, args))), "壹拾伍");
  EXPECT_EQ(Utf8(TakeText(CallCommand(ValueOp::ChineseNumeral, 1, args))), "壹拾伍");
  args[0] = DoubleArg(7);
  EXPECT_EQ(Utf8(TakeText(CallCommand(ValueOp::ChineseNumeral, 2, args))), "柒");
}

}  // namespace
}  // namespace veltrane::runtime
