#include "calendar/equation_of_time.h"

#include <cmath>
#include <numbers>

#include "calendar/apparent_sun.h"

namespace veltrane::calendar {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kArcsecond = kPi / 180.0 / 3600.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kDaysPerCentury = 36525.0;

// Folds an angle into −π ≤ a < π.
double Folded(double a) {
  a = std::fmod(a + kPi, 2.0 * kPi);
  return (a < 0.0 ? a + 2.0 * kPi : a) - kPi;
}

}  // namespace

double EquationOfTimeSeconds(double ut1_days, double delta_t_seconds) {
  const double tt_days = ut1_days + delta_t_seconds / kSecondsPerDay;
  const double t = tt_days / kDaysPerCentury;  // TT Julian centuries from J2000.0
  const ApparentSun sun = ApparentSunOfDate(t);
  const double alpha =
      std::atan2(std::cos(sun.obliquity) * std::sin(sun.longitude), std::cos(sun.longitude));

  // Greenwich apparent sidereal time: Earth rotation angle, the rest of GMST
  // and the equation of the equinoxes.
  const double era =
      2.0 * kPi *
      std::fmod(0.7790572732640 + 0.00273781191135448 * ut1_days + std::fmod(ut1_days, 1.0), 1.0);
  const double gmst =
      era +
      (0.014506 +
       (4612.156534 + (1.3915817 + (-0.00000044 + (-0.000029956 - 0.0000000368 * t) * t) * t) * t) *
           t) *
          kArcsecond;
  const double gast = gmst + sun.nutation * std::cos(sun.obliquity);

  // Mean solar time at Greenwich is UT1 itself, counted from midnight.
  const double mean_solar = 2.0 * kPi * (ut1_days + 0.5 - std::floor(ut1_days + 0.5));
  const double eot = Folded(gast - alpha + kPi - mean_solar);
  return eot / (2.0 * kPi) * kSecondsPerDay;
}

}  // namespace veltrane::calendar
