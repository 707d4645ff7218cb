// ΔT against the observed values (USNO and IERS, rounded to 0.1 s) and its
// pieces joined without jumps.
#include "calendar/delta_t.h"

#include <gtest/gtest.h>

namespace veltrane::calendar {
namespace {

TEST(DeltaTTest, FollowsTheObservedValues) {
  struct Observed {
    double year;
    double seconds;
  };
  constexpr Observed kObserved[] = {{1820, 12.0}, {1870, 1.6},  {1880, -5.4}, {1900, -2.7},
                                    {1920, 21.2}, {1940, 24.3}, {1960, 33.2}, {1980, 50.5},
                                    {2000, 63.8}, {2010, 66.1}};
  for (const Observed& o : kObserved) {
    EXPECT_NEAR(DeltaTSeconds(o.year), o.seconds, 1.5) << "year " << o.year;
  }
}

TEST(DeltaTTest, JoinsItsPiecesWithinASecond) {
  for (double edge : {1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0}) {
    EXPECT_NEAR(DeltaTSeconds(edge - 1e-6), DeltaTSeconds(edge), 1.0) << "at " << edge;
  }
}

}  // namespace
}  // namespace veltrane::calendar
