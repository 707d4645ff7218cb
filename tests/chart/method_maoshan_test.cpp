// 茅山: the yuan counted in five-day steps from the term's moment.
#include "chart/method_maoshan.h"

#include <gtest/gtest.h>

#include "calendar/date_time.h"
#include "calendar/solar_term_moment.h"
#include "chart/method_terms.h"
#include "chart/term_in_force.h"

namespace veltrane::chart {
namespace {

MethodJu At(double linear) {
  return MaoshanJu({linear, GanZhiOfDayNumber(ChartDayOfMoment(linear))});
}

// 惊蛰 2024 at 10:22:33 on 5 March; 春分 at 11:06:21 on 20 March.
TEST(MaoshanTest, YuanStepsEveryFiveDaysFromTheTermsMoment) {
  const double jingzhe = NormalizeMoment(calendar::SolarTermMoment(2024, 3));
  const double chunfen = NormalizeMoment(calendar::SolarTermMoment(2024, 4));
  constexpr double kSecond = 1.0 / 86400;
  constexpr SolarTerm kJingzhe = SolarTerm::kJingzhe;
  constexpr SolarTerm kChunfen = SolarTerm::kChunfen;
  constexpr SolarTerm kYushui = SolarTerm::kYushui;
  EXPECT_EQ(At(jingzhe - kSecond), MethodJuOf(kYushui, Yuan::Lower));
  EXPECT_EQ(At(jingzhe), MethodJuOf(kJingzhe, Yuan::Upper));
  EXPECT_EQ(At(jingzhe + 5 - kSecond), MethodJuOf(kJingzhe, Yuan::Upper));
  EXPECT_EQ(At(jingzhe + 5), MethodJuOf(kJingzhe, Yuan::Middle));
  EXPECT_EQ(At(jingzhe + 10 - kSecond), MethodJuOf(kJingzhe, Yuan::Middle));
  EXPECT_EQ(At(jingzhe + 10), MethodJuOf(kJingzhe, Yuan::Lower));
  // 下元 lasts until the next term, past fifteen days when the term is longer.
  EXPECT_EQ(At(chunfen - kSecond), MethodJuOf(kJingzhe, Yuan::Lower));
  EXPECT_EQ(At(chunfen), MethodJuOf(kChunfen, Yuan::Upper));
  EXPECT_EQ(MethodJuOf(kJingzhe, Yuan::Middle).ju, 7);
}

TEST(MaoshanTest, DayPillarDoesNotMoveTheYuan) {
  const double moment = NormalizeMoment(calendar::SolarTermMoment(2024, 3)) + 1;
  for (int gz = 1; gz <= kGanZhiCount; ++gz) {
    EXPECT_EQ(MaoshanJu({moment, gz}).yuan, Yuan::Upper) << gz;
  }
}

}  // namespace
}  // namespace veltrane::chart
