// Arithmetic value operations through the command boundary: snapping and
// rounding thresholds, the remainder's sign, zero divisors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "base/text/gbk.h"
#include "form/values/command.h"
#include "form/values/command_args.h"
#include "form/values/value_ops.h"
#include "support/child_process.h"

namespace veltrane::runtime {
namespace {

struct Case {
  double x;
  double want;
};

TEST(ValuesArithmetic, IntegerPartFloorsAfterSnappingTowardTheNextIntegerAwayFromZero) {
  const Case cases[] = {
      {2.9999999999995, 3},
      {-2.5, -3},
      {-2.0000000000001, -3},
      {-0.5, -1},
      {7.9999999999999, 8},
      {7.99999999999, 7},
      {0.0, 0},
      {-0.0, 0},
      {5.0, 5},
      {-0.9999999999999, -1},
      {0.9999999999999, 1},
      {-7.9999999999999, -8},
      {-7.0, -7},
      {1e10, 2147483647},
      {-1e10, -2147483648.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ops::IntegerPart(c.x), static_cast<std::int32_t>(c.want)) << "x = " << c.x;
  }
  EXPECT_EQ(ops::IntegerPart(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ValuesArithmetic, NearestRoundsHalvesAwayFromZeroWithTheNudge) {
  const Case whole[] = {
      {2.5, 3}, {-2.5, -3}, {2.4999999999995, 3}, {2.49999999999, 2}, {0.0, 0},
      {0.4, 0}, {-0.5, -1}, {1e300, 1e300},       {-3.5, -4},         {3.49, 3},
  };
  for (const Case& c : whole) EXPECT_EQ(ops::Nearest(c.x), c.want) << "x = " << c.x;

  struct Placed {
    double x;
    int places;
    double want;
  };
  const Placed placed[] = {
      {1.005, 2, 1.01}, {-1.005, 2, -1.01}, {3.14159, 3, 3.142}, {1234.5, -2, 1200},
      {1250, -2, 1300}, {-1250, -2, -1300}, {49, -2, 0},         {1.5, 400, 1.5},
      {123.0, -400, 0}, {0.125, 2, 0.13},
  };
  for (const Placed& c : placed) {
    EXPECT_DOUBLE_EQ(ops::Nearest(c.x, c.places), c.want) << c.x << " to " << c.places;
  }
  EXPECT_TRUE(std::isnan(ops::Nearest(std::numeric_limits<double>::quiet_NaN())));
}

TEST(ValuesArithmetic, RemainderKeepsTheDividendsSignAndIntegerDivideTruncates) {
  EXPECT_EQ(ops::Remainder(-7, 3), -1);
  EXPECT_EQ(ops::Remainder(7, -3), 1);
  EXPECT_EQ(ops::Remainder(7.5, 2), 1.5);
  EXPECT_EQ(ops::Remainder(-60, 60), 0);
  EXPECT_EQ(ops::IntegerDivide(7, 2), 3);
  EXPECT_EQ(ops::IntegerDivide(-7, 2), -3);
  EXPECT_EQ(ops::IntegerDivide(-7, -2), 3);
  EXPECT_EQ(ops::IntegerDivide(1.9, 1), 1);
  EXPECT_EQ(ops::Absolute(-2.25), 2.25);
  EXPECT_DOUBLE_EQ(ops::Sine(std::numbers::pi / 6), 0.5);
}

TEST(ValuesArithmetic, FurtherDivisorsApplyInTurn) {
  CommandArg args[] = {DoubleArg(100), DoubleArg(3), DoubleArg(4)};
  EXPECT_EQ(ArgDouble(CallCommand(ValueOp::IntegerDivide, 3, args)), 8);  // (100 / 3 -> 33) / 4
  EXPECT_EQ(ArgDouble(CallCommand(ValueOp::Remainder, 3, args)), 1);      // 100 % 3 = 1, 1 % 4
}

TEST(ValuesArithmetic, ArgumentsOfOtherTagsAreConvertedAndResultsTagged) {
  CommandArg ints[] = {IntArg(-9), IntArg(2)};
  const CommandArg quotient = CallCommand(ValueOp::IntegerDivide, 2, ints);
  EXPECT_EQ(quotient.tag, ValueTag::Double);
  EXPECT_EQ(ArgDouble(quotient), -4);

  CommandArg text[] = {TextArg("-2.5")};
  const CommandArg part = CallCommand(ValueOp::IntegerPart, 1, text);
  EXPECT_EQ(part.tag, ValueTag::Integer);
  EXPECT_EQ(ArgInt(part), -3);

  // Nearest with its places omitted rounds to a whole number.
  CommandArg omitted[] = {DoubleArg(2.5), OmittedArg()};
  EXPECT_EQ(ArgDouble(CallCommand(ValueOp::Nearest, 2, omitted)), 3);
  EXPECT_EQ(ArgDouble(CallCommand(ValueOp::Nearest, 1, omitted)), 3);
}

struct ZeroCase {
  const char* name;
  ValueOp op;
  const char* message_utf8;
};

class ValuesZeroDivisor : public ::testing::TestWithParam<ZeroCase> {};

TEST_P(ValuesZeroDivisor, IsAFatalReportWithTheOperationsMessage) {
  const ZeroCase& c = GetParam();
  const auto outcome = test_support::RunInChild([&] {
    CommandArg args[] = {DoubleArg(5), DoubleArg(2), DoubleArg(0)};
    CallCommand(c.op, 3, args);
  });
  ASSERT_TRUE(outcome.exited);
  EXPECT_EQ(outcome.exit_code, 255);
  const std::string want = GbkFromUtf8(std::string("错误信息：") + c.message_utf8);
  EXPECT_NE(outcome.output.find(want), std::string::npos) << Utf8FromGbk(outcome.output);
  EXPECT_EQ(outcome.output.find(GbkFromUtf8("错误代码")), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Ops, ValuesZeroDivisor,
    ::testing::Values(ZeroCase{"IntegerDivide", ValueOp::IntegerDivide, "不能整除于零"},
                      ZeroCase{"Remainder", ValueOp::Remainder, "不能求余数于零"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veltrane::runtime
