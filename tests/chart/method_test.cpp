// The chart-setting methods together: names, refused inputs, and 拆补 giving
// exactly the plotting's term and yuan.
#include "chart/method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calendar/date_time.h"
#include "calendar/solar_term_moment.h"
#include "chart/method_terms.h"
#include "chart/pillars.h"
#include "chart/term_in_force.h"

namespace veltrane::chart {
namespace {

constexpr ChartMethod kAllMethods[] = {ChartMethod::kChaibu, ChartMethod::kZhirun,
                                       ChartMethod::kMaoshan};

TEST(MethodTest, NamesRoundTripAndUnknownNamesAreRefused) {
  for (const ChartMethod method : kAllMethods) {
    EXPECT_EQ(ChartMethodOfName(ChartMethodName(method)), method);
  }
  EXPECT_EQ(ChartMethodName(ChartMethod::kZhirun), "zhirun");
  EXPECT_FALSE(ChartMethodOfName("Chaibu"));
  EXPECT_FALSE(ChartMethodOfName(""));
}

TEST(MethodTest, InputsOutsideTheYearsOrWithoutADayPillarGetNoJu) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double first = calendar::DayNumberOfDate(1800, 1, 1);
  const double end = calendar::DayNumberOfDate(3000, 1, 1);
  for (const ChartMethod method : kAllMethods) {
    SCOPED_TRACE(std::string(ChartMethodName(method)));
    EXPECT_FALSE(ComputeMethodJu(method, {nan, 1}));
    EXPECT_FALSE(ComputeMethodJu(method, {first - 1e-6, 1}));
    EXPECT_FALSE(ComputeMethodJu(method, {end, 1}));
    EXPECT_FALSE(ComputeMethodJu(method, {1e300, 1}));
    EXPECT_FALSE(ComputeMethodJu(method, {first + 100, 0}));
    EXPECT_FALSE(ComputeMethodJu(method, {first + 100, 61}));
    EXPECT_TRUE(ComputeMethodJu(method, {first, GanZhiOfDayNumber(static_cast<int>(first))}));
    EXPECT_TRUE(ComputeMethodJu(method, {end - 1e-6, GanZhiOfDayNumber(static_cast<int>(end))}));
  }
  EXPECT_FALSE(ComputeMethodJu(static_cast<ChartMethod>(3), {first + 100, 1}));
  EXPECT_EQ(MethodJuOf(SolarTerm::kDongzhi, Yuan::None).ju, 0);
}

// The yuan of a day by the program's day lists, searched as text.
Yuan YuanByDayList(int day_ganzhi) {
  const std::string text = std::string(Text(static_cast<Stem>((day_ganzhi - 1) % 10 + 1))) +
                           std::string(Text(static_cast<Branch>((day_ganzhi - 1) % 12 + 1)));
  for (int y = 0; y < kYuanCount; ++y) {
    if (kYuanDayLists[y].find(text) != std::string_view::npos) return static_cast<Yuan>(y + 1);
  }
  return Yuan::None;
}

TEST(ChaibuTest, YuanOfEveryDayPillarIsItsDayList) {
  for (int gz = 1; gz <= kGanZhiCount; ++gz)
    EXPECT_EQ(YuanOfDayGanZhi(gz), YuanByDayList(gz)) << gz;
}

// 拆补 must keep the window's chart: the term of the plotting's search at
// every stored term moment and a second either side, and every 173 hours
// over the methods' years (formula years included).
TEST(ChaibuTest, TermIsThePlottingsTermInForce) {
  auto check = [](double date_time) {
    const double linear = NormalizeMoment(date_time);
    const int gz = GanZhiOfDayNumber(ChartDayOfMoment(linear));
    const auto ju = ComputeMethodJu(ChartMethod::kChaibu, {linear, gz});
    ASSERT_TRUE(ju) << date_time;
    ASSERT_EQ(ju->term, FindTermInForce(date_time).term) << date_time;
  };
  constexpr double kSecond = 1.0 / 86400;
  for (int year = 1880; year <= 2079; ++year) {
    for (int number = 1; number <= 24; ++number) {
      const double t = calendar::SolarTermMoment(year, number);
      for (const double shift : {-kSecond, 0.0, kSecond}) {
        check(t < 0 ? t - shift : t + shift);
      }
    }
  }
  const int first = calendar::DayNumberOfDate(1800, 1, 1);
  const int end = calendar::DayNumberOfDate(3000, 1, 1);
  for (double linear = first; linear < end; linear += 173.0 / 24) {
    check(linear < 0 ? 2 * std::floor(linear) - linear : linear);
  }
}

}  // namespace
}  // namespace veltrane::chart
