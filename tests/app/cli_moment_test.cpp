#include "app/cli_moment.h"

#include <gtest/gtest.h>

namespace veltrane::app {
namespace {

struct GoodMoment {
  const char* text;
  ChartMoment want;
};

class ParsesMoment : public testing::TestWithParam<GoodMoment> {};

TEST_P(ParsesMoment, ReadsEveryField) {
  auto got = ParseChartMoment(GetParam().text);
  ASSERT_TRUE(got.ok()) << got.error().message;
  EXPECT_EQ(*got, GetParam().want) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Accepted, ParsesMoment,
                         testing::Values(GoodMoment{"2001-12-27 04:00", {2001, 12, 27, 4, 0}},
                                         GoodMoment{"2001-12-27T04:00", {2001, 12, 27, 4, 0}},
                                         GoodMoment{"2001-1-7 4:05", {2001, 1, 7, 4, 5}},
                                         GoodMoment{"1800-01-01 00:00", {1800, 1, 1, 0, 0}},
                                         GoodMoment{"2999-12-31 23:59", {2999, 12, 31, 23, 59}},
                                         GoodMoment{"2000-02-29 12:30", {2000, 2, 29, 12, 30}},
                                         GoodMoment{"2016-02-29 12:30", {2016, 2, 29, 12, 30}}));

struct BadMoment {
  const char* text;
  const char* named;  // what the message must mention
};

class RejectsMoment : public testing::TestWithParam<BadMoment> {};

TEST_P(RejectsMoment, NamesWhatIsWrongOnOneLine) {
  auto got = ParseChartMoment(GetParam().text);
  ASSERT_FALSE(got.ok()) << GetParam().text;
  const std::string& message = got.error().message;
  EXPECT_NE(message.find(GetParam().named), std::string::npos) << message;
  EXPECT_EQ(message.find('\n'), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Rejected, RejectsMoment,
    testing::Values(
        BadMoment{"2015-02-30 10:00", "impossible date"},
        BadMoment{"1900-02-29 10:00", "has 28 days"}, BadMoment{"2015-04-31 10:00", "has 30 days"},
        BadMoment{"2015-13-01 10:00", "month 13"}, BadMoment{"2015-00-10 10:00", "month 0"},
        BadMoment{"2015-01-00 10:00", "impossible date"},
        BadMoment{"1799-12-31 23:00", "year 1799"}, BadMoment{"3000-01-01 00:00", "year 3000"},
        BadMoment{"2015-01-01 24:00", "hour 24"}, BadMoment{"2015-01-01 10:60", "minute 60"},
        BadMoment{"2015-01-01 10:5", "malformed time"},
        BadMoment{"2015-01-01 10-05", "malformed time"},
        BadMoment{"2015-01-01 10:05x", "malformed time"}, BadMoment{"2015-01-01", "missing time"},
        BadMoment{"15-01-01 10:00", "malformed date"}, BadMoment{"", "malformed date"},
        BadMoment{"tomorrow", "malformed date"}, BadMoment{"20150-01-01 10:00", "malformed date"}));

TEST(ChartMomentArithmetic, StepsAcrossDaysMonthsYearsAndLeapDays) {
  EXPECT_EQ(AddMinutes({2001, 12, 31, 23, 0}, 120), (ChartMoment{2002, 1, 1, 1, 0}));
  EXPECT_EQ(AddMinutes({2000, 2, 28, 23, 59}, 1), (ChartMoment{2000, 2, 29, 0, 0}));
  EXPECT_EQ(AddMinutes({1900, 2, 28, 23, 59}, 1), (ChartMoment{1900, 3, 1, 0, 0}));
  EXPECT_EQ(AddMinutes({1800, 1, 1, 0, 0}, -1), (ChartMoment{1799, 12, 31, 23, 59}));
  EXPECT_EQ(MinutesBetween({2001, 12, 27, 0, 0}, {2001, 12, 28, 0, 0}), 1440);
  EXPECT_EQ(MinutesBetween({2001, 12, 28, 0, 0}, {2001, 12, 27, 0, 0}), -1440);
}

TEST(ChartMomentFormat, WritesIsoMinutes) {
  EXPECT_EQ(FormatChartMoment({2001, 12, 27, 4, 0}), "2001-12-27T04:00");
  EXPECT_EQ(FormatChartMoment({1800, 1, 1, 23, 59}), "1800-01-01T23:59");
}

}  // namespace
}  // namespace veltrane::app
