// SolarTermMoment: term numbers to table slots, the DateTime of each moment
// (with the negative-day encoding before 1899-12-30) and MinDateTime outside.
#include "calendar/solar_term_moment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calendar/date_time.h"

namespace veltrane::calendar {
namespace {

TEST(SolarTermSlotOfNumberTest, MapsNumbersToSlots) {
  for (int number = 1; number <= 22; ++number) EXPECT_EQ(SolarTermSlotOfNumber(number), number + 2);
  EXPECT_EQ(SolarTermSlotOfNumber(23), 1);  // 小寒 of January
  EXPECT_EQ(SolarTermSlotOfNumber(24), 2);  // 大寒 of January
  EXPECT_EQ(SolarTermSlotOfNumber(0), 0);
  EXPECT_EQ(SolarTermSlotOfNumber(25), 25);
  EXPECT_EQ(SolarTermSlotOfNumber(-3), -3);
}

struct MomentCase {
  int year;
  int number;
  double want;  // also checked to 1e-9 day (well under a millisecond)
};

class SolarTermMomentTest : public ::testing::TestWithParam<MomentCase> {};

TEST_P(SolarTermMomentTest, GivesTheStoredMoment) {
  const MomentCase& c = GetParam();
  EXPECT_NEAR(SolarTermMoment(c.year, c.number), c.want, 1e-9)
      << "SolarTermMoment(" << c.year << ", " << c.number << ")";
}

constexpr double Encoded(int day_number, int hour, int minute, int second) {
  const double t = (3600.0 * hour + 60.0 * minute + second) / 86400.0;
  return day_number >= 0 ? day_number + t : day_number - t;
}

INSTANTIATE_TEST_SUITE_P(
    Moments, SolarTermMomentTest,
    ::testing::Values(MomentCase{2015, 1, Encoded(42039, 11, 58, 20)},  // 42039.49884…
                      MomentCase{2015, 23,
                                 Encoded(42010, 0, 20, 25)},  // 42010.01417…, before number 1
                      MomentCase{2015, 24, Encoded(42024, 17, 43, 7)},   // 2015-01-20 17:43:07
                      MomentCase{2015, 22, Encoded(42360, 12, 47, 48)},  // 42360.53319…
                      MomentCase{2000, 4, Encoded(36605, 15, 35, 15)},   // 春分 2000-03-20
                      MomentCase{1880, 23, Encoded(-7298, 5, 41, 45)},   // −7298.23732…
                      MomentCase{1880, 1, Encoded(-7269, 17, 30, 39)},   // −7269.72961…
                      MomentCase{1899, 22, Encoded(-8, 8, 56, 19)},      // −8.37244…
                      MomentCase{1900, 23, Encoded(7, 2, 4, 5)},         // 7.08616…
                      MomentCase{2079, 22, Encoded(65736, 1, 43, 12)},   // last entry
                      MomentCase{1879, 1, kMinDateTime}, MomentCase{2080, 1, kMinDateTime},
                      MomentCase{2000, 0, kMinDateTime}, MomentCase{2000, 25, kMinDateTime},
                      MomentCase{2000, -1, kMinDateTime},
                      MomentCase{-2147483647 - 1, 1, kMinDateTime}),
    [](const auto& info) {
      auto part = [](int v) {
        return v < 0 ? "m" + std::to_string(-static_cast<long long>(v)) : std::to_string(v);
      };
      return "year" + part(info.param.year) + "_number" + part(info.param.number);
    });

// Walking numbers 23, 24, 1..22 of consecutive years visits every moment in
// time order, once the negative encoding is undone: the walk the chart does.
TEST(SolarTermMomentTest, ConsecutiveYearsFormOneRisingSequence) {
  auto seconds_of = [](double t) {
    const double day = std::trunc(t);
    return day * 86400.0 + std::fabs(t - day) * 86400.0;
  };
  double previous = -1e300;
  for (int year = 1880; year <= 2079; ++year) {
    for (int step = 0; step < 24; ++step) {
      const int number = step < 2 ? 23 + step : step - 1;
      const double t = seconds_of(SolarTermMoment(year, number));
      ASSERT_GT(t, previous) << year << " number " << number;
      previous = t;
    }
  }
}

}  // namespace
}  // namespace veltrane::calendar
