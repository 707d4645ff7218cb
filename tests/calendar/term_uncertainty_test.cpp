// TermUncertaintySeconds: the measured figures per year and the years
// without one.
#include "calendar/term_uncertainty.h"

#include <gtest/gtest.h>

namespace veltrane::calendar {
namespace {

TEST(TermUncertaintyTest, GivesAFigureFor1800To2999Only) {
  EXPECT_EQ(TermUncertaintySeconds(1799), -1);
  EXPECT_EQ(TermUncertaintySeconds(3000), -1);
  EXPECT_GT(TermUncertaintySeconds(1800), 0);
  EXPECT_GT(TermUncertaintySeconds(2999), 0);
}

// The stored table (1880..2079) is good to seconds, with ΔT the larger part
// from 2000 on; the closed formula outside it is off by minutes, and far in
// the future ΔT itself is unknown by hours.
TEST(TermUncertaintyTest, StoredYearsAreTighterThanFormulaYears) {
  for (int year = 1880; year <= 2079; ++year) {
    EXPECT_LE(TermUncertaintySeconds(year), 40) << year;
    EXPECT_GT(TermUncertaintySeconds(year), 0) << year;
  }
  for (int year : {1800, 1879, 2080, 2200}) EXPECT_GT(TermUncertaintySeconds(year), 60) << year;
  EXPECT_GT(TermUncertaintySeconds(2999), 3600);
}

}  // namespace
}  // namespace veltrane::calendar
