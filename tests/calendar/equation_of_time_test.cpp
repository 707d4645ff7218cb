// The equation of time against ERFA's apparent Sun and sidereal time over the
// years the chart plots, where ERFA (liberfa-dev) is installed.
#include "calendar/equation_of_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#ifdef VELTRANE_HAVE_ERFA
#include "equation_of_time/erfa_apparent_sun.h"
#endif

namespace veltrane::calendar {
namespace {

#ifdef VELTRANE_HAVE_ERFA

// EoT = GAST − α + 12 h − UT1 with the IAU 2006/2000A reduction: the Sun's
// geocentric direction from eraEpv00, annual aberration, the true equator and
// equinox of date by eraPnm06a, sidereal time by eraGst06a.
double ErfaEquationOfTimeSeconds(double ut1_days, double delta_t_seconds) {
  const double tt_days = ut1_days + delta_t_seconds / ERFA_DAYSEC;
  double of_date[3];
  double npb[3][3];
  tools::ErfaApparentSunOfDate(tt_days, of_date, npb);
  double alpha = 0.0;
  double delta = 0.0;
  eraC2s(of_date, &alpha, &delta);
  const double gast = eraGst06(ERFA_DJ00, ut1_days, ERFA_DJ00, tt_days, npb);
  const double mean_solar = ERFA_D2PI * (ut1_days + 0.5 - std::floor(ut1_days + 0.5));
  return eraAnpm(gast - alpha + ERFA_DPI - mean_solar) / ERFA_D2PI * ERFA_DAYSEC;
}

// A representative ΔT (the long-term parabola of Morrison and Stephenson);
// the comparison holds for any ΔT, since both sides take the same.
double RepresentativeDeltaT(double ut1_days) {
  const double u = (2000.0 + ut1_days / 365.25 - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u;
}

TEST(EquationOfTimeTest, AgreesWithErfaWithinOneSecondFrom1800To2999) {
  const double first = -73048.5;  // 1800-01-01 0h UT1, days from J2000.0
  const double last = 365211.5;   // 2999-12-31 0h
  // An irrational step visits every season and time of day over the years.
  const double step = 87.7137 + 0.1 * std::numbers::sqrt2;
  double worst = 0.0;
  double worst_at = first;
  int samples = 0;
  for (double d = first; d <= last; d += step, ++samples) {
    const double dt = RepresentativeDeltaT(d);
    const double want = ErfaEquationOfTimeSeconds(d, dt);
    const double got = EquationOfTimeSeconds(d, dt);
    if (std::abs(got - want) > std::abs(worst)) {
      worst = got - want;
      worst_at = d;
    }
  }
  RecordProperty("worst_difference_seconds", std::to_string(worst));
  std::printf("equation of time: %d moments, worst difference %.3f s at JD %.1f\n", samples, worst,
              worst_at + ERFA_DJ00);
  EXPECT_LT(std::abs(worst), 1.0) << "worst at JD " << worst_at + ERFA_DJ00;
}

#else

TEST(EquationOfTimeTest, AgreesWithErfaWithinOneSecondFrom1800To2999) {
  GTEST_SKIP() << "ERFA (liberfa-dev) is not installed: the equation of time is not checked";
}

#endif

// Known figures: the equation of time passes −14 minutes in February and
// +16 minutes in early November, and its yearly extremes move slowly.
TEST(EquationOfTimeTest, HasItsSeasonalExtremes) {
  const double feb_11_2000 = 41.0 - 0.5;  // 2000-02-11 0h UT1
  const double nov_3_2000 = 307.0 - 0.5;  // 2000-11-03 0h UT1
  EXPECT_NEAR(EquationOfTimeSeconds(feb_11_2000, 64.0), -14.0 * 60 - 13, 15.0);
  EXPECT_NEAR(EquationOfTimeSeconds(nov_3_2000, 64.0), 16.0 * 60 + 25, 15.0);
}

}  // namespace
}  // namespace veltrane::calendar
