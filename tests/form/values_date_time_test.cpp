// Date-time value operations: the accepted text, the day count on both sides
// of 1899-12-30, the clamp of the parts, the clock.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

#include "form/values/command.h"
#include "form/values/command_args.h"
#include "form/values/value_ops.h"
#include "values_test_platform.h"

namespace veltrane::runtime {
namespace {

using test_support::Gbk8;
using test_support::TakeText;
using test_support::Utf8;

constexpr double kMinDateTime = -657434.0;
constexpr double kMaxDateTime = 2958465.0;
constexpr double kOneSecond = 1.0 / 86400;

struct Parts {
  int year, month, day, hour, minute;
};

Parts PartsOf(double t) {
  return {ops::YearOf(t), ops::MonthOf(t), ops::DayOf(t), ops::HourOf(t), ops::MinuteOf(t)};
}

void ExpectParts(double t, Parts want) {
  const Parts got = PartsOf(t);
  EXPECT_EQ(got.year, want.year) << "t = " << t;
  EXPECT_EQ(got.month, want.month) << "t = " << t;
  EXPECT_EQ(got.day, want.day) << "t = " << t;
  EXPECT_EQ(got.hour, want.hour) << "t = " << t;
  EXPECT_EQ(got.minute, want.minute) << "t = " << t;
}

TEST(ValuesToDateTime, AcceptedTexts) {
  struct Case {
    const char* text_utf8;
    double want;
  };
  const double day = 42369.0;  // 2015-12-31
  const Case cases[] = {
      {"2015年12月31日23时5分", day + (23 * 60 + 5) / 1440.0},
      {"2015-12-31 23:05", day + (23 * 60 + 5) / 1440.0},
      {"2015/12/31", day},
      {"2015.12.31.23.05.09", day + (23 * 3600 + 5 * 60 + 9) / 86400.0},
      {"2015年12月31日", day},
      {"2015年12月31日23时5分9秒", day + (23 * 3600 + 5 * 60 + 9) / 86400.0},
      {"2015123123", day + 23 / 24.0},
      {"２０１５年１２月３１日", day},
      {"2015-12-31-", day},
      {"1899年12月30日", 0.0},
      {"1899年12月29日6时", -1.25},
      {"100年1月1日", kMinDateTime},
      {"9999年12月31日", kMaxDateTime},
      {"2016年2月29日", 42429.0},
      {"2000年2月29日", 36585.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ops::ToDateTime(Gbk8(c.text_utf8).c_str()), c.want, kOneSecond / 100)
        << c.text_utf8;
  }
}

TEST(ValuesToDateTime, RejectedTextsGiveMinDateTime) {
  const char* rejected[] = {
      "",
      "2015年2月29日1时0分",
      "2015年1月1日24时0分",
      "2015年13月1日",
      "2015年12月32日",
      "2015年4月31日",
      "1900年2月29日",
      "99年1月1日",
      "2015",
      "2015年12月",
      "2015年0月1日",
      "2015年1月0日",
      "2015年1月1日0时60分",
      "2015年1月1日0时0分60秒",
      "2015年1月1日x",
      " 2015年1月1日",
      "2015年1月1日0时0分0秒后",
      "2015年1月1日 ",
      "2015 1 1",
      "20151",
      "年月日",
      "\xB0",
  };
  for (const char* text : rejected) {
    EXPECT_EQ(ops::ToDateTime(Gbk8(text).c_str()), kMinDateTime) << text;
  }
}

TEST(ValuesToDateTime, OtherTags) {
  CommandArg date = DateTimeArg(1234.5);
  const CommandArg passed = CallCommand(ValueOp::ToDateTime, 1, &date);
  EXPECT_EQ(passed.tag, ValueTag::DateTime);
  EXPECT_EQ(ArgDouble(passed), 1234.5);
  CommandArg number = IntArg(5);
  EXPECT_EQ(ArgDouble(CallCommand(ValueOp::ToDateTime, 1, &number)), kMinDateTime);
  CommandArg real = DoubleArg(5);
  EXPECT_EQ(ArgDouble(CallCommand(ValueOp::ToDateTime, 1, &real)), kMinDateTime);
  // The parts take a plain double as a DateTime, and a text as ToDateTime reads it.
  EXPECT_EQ(ArgInt(CallCommand(ValueOp::DayOf, 1, &real)), 4);  // 1900-01-04
  const std::string date_text = Gbk8("2015年12月31日");
  CommandArg text = TextArg(date_text.c_str());
  EXPECT_EQ(ArgInt(CallCommand(ValueOp::MonthOf, 1, &text)), 12);
  EXPECT_EQ(ArgDouble(CallCommand(ValueOp::ToDateTime, 0, nullptr)), kMinDateTime);
}

TEST(ValuesDateTimeParts, NegativeDaysSubtractTheTimeOfDay) {
  ExpectParts(0.0, {1899, 12, 30, 0, 0});
  ExpectParts(-1.25, {1899, 12, 29, 6, 0});
  ExpectParts(-1.0, {1899, 12, 29, 0, 0});
  ExpectParts(-0.5, {1899, 12, 30, 12, 0});
  ExpectParts(1.75, {1899, 12, 31, 18, 0});
  ExpectParts(-2.999999999, {1899, 12, 29, 0, 0});  // 23:59:59.9999 rounds to the next midnight
  ExpectParts(42369.0 + 86399.6 / 86400, {2016, 1, 1, 0, 0});
  ExpectParts(42369.0 + 59.4 / 86400, {2015, 12, 31, 0, 0});
}

TEST(ValuesDateTimeParts, ClampToTheValidRange) {
  ExpectParts(kMinDateTime - 1000, {100, 1, 1, 0, 0});
  ExpectParts(kMaxDateTime + 0.75, {9999, 12, 31, 0, 0});
  ExpectParts(1e300, {9999, 12, 31, 0, 0});
  ExpectParts(std::numeric_limits<double>::quiet_NaN(), {100, 1, 1, 0, 0});
  // The clamp is numeric: a time of day on the first or the last day falls
  // outside it and reads as that day's midnight.
  ExpectParts(ops::ToDateTime(Gbk8("100年1月1日3时").c_str()), {100, 1, 1, 0, 0});
  ExpectParts(ops::ToDateTime(Gbk8("9999年12月31日23时59分").c_str()), {9999, 12, 31, 0, 0});
  ExpectParts(ops::ToDateTime(Gbk8("100年1月2日3时").c_str()), {100, 1, 2, 3, 0});
  EXPECT_EQ(Utf8(ops::ToText(1e300).view()), "1e+300");
  CommandArg far = DateTimeArg(-1e9);
  EXPECT_EQ(Utf8(TakeText(CallCommand(ValueOp::ToText, 1, &far))), "100年1月1日");
}

// Every valid 年月日时分 text built from random parts gives that moment, and
// ToText prints it back in the same shortened form.
TEST(ValuesDateTimeParts, RandomTextsRoundTrip) {
  std::mt19937 random(1899);
  for (int i = 0; i < 3000; ++i) {
    const int year = 100 + static_cast<int>(random() % 9900);
    const int month = 1 + static_cast<int>(random() % 12);
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int day = 1 + static_cast<int>(random() % static_cast<unsigned>(days[month - 1]));
    const int hour = static_cast<int>(random() % 24);
    const int minute = static_cast<int>(random() % 60);
    const std::string text = std::to_string(year) + "年" + std::to_string(month) + "月" +
                             std::to_string(day) + "日" + std::to_string(hour) + "时" +
                             std::to_string(minute) + "分";
    const double t = ops::ToDateTime(Gbk8(text).c_str());
    ASSERT_NE(t, kMinDateTime) << text;
    ExpectParts(t, {year, month, day, hour, minute});

    std::string shown =
        std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
    if (hour != 0 || minute != 0) shown += std::to_string(hour) + "时";
    if (minute != 0) shown += std::to_string(minute) + "分";
    CommandArg arg = DateTimeArg(t);
    ASSERT_EQ(Utf8(TakeText(CallCommand(ValueOp::ToText, 1, &arg))), shown);
  }
}

TEST(ValuesNow, ReadsThePlatformClockToTheSecond) {
  test_support::ValuesPlatformScope scope;
  scope.platform().SetClock({2015, 12, 31, 23, 5, 9, 999});
  const double now = ops::Now();
  EXPECT_NEAR(now, 42369.0 + (23 * 3600 + 5 * 60 + 9) / 86400.0, kOneSecond / 1000);
  ExpectParts(now, {2015, 12, 31, 23, 5});
  CommandArg none{};
  EXPECT_EQ(CallCommand(ValueOp::Now, 0, &none).tag, ValueTag::DateTime);

  scope.platform().SetClock({1800, 1, 1, 0, 0, 0, 0});
  ExpectParts(ops::Now(), {1800, 1, 1, 0, 0});
  // A leap second reads as the last second of its minute.
  scope.platform().SetClock({2016, 12, 31, 23, 59, 60, 0});
  EXPECT_NEAR(ops::Now(), 42735.0 + (86400 - 1) / 86400.0, kOneSecond / 1000);
}

}  // namespace
}  // namespace veltrane::runtime
