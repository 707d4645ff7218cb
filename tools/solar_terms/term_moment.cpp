#include "term_moment.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <stdexcept>

#include "apparent_sun.h"

namespace veltrane::tools {
namespace {

constexpr double kTwoPi = 2.0 * 3.14159265358979323846;
constexpr double kTropicalYearDays = 365.2422;

// Longitude difference folded into (−π, π].
double FoldAngle(double a) {
  a = std::fmod(a, kTwoPi);
  if (a > kTwoPi / 2) a -= kTwoPi;
  if (a <= -kTwoPi / 2) a += kTwoPi;
  return a;
}

double MjdOfDate(int year, int month, int day) {
  double djm0 = 0.0;
  double djm = 0.0;
  eraCal2jd(year, month, day, &djm0, &djm);
  return djm;
}

}  // namespace

double SlotLongitudeDegrees(int slot) { return std::fmod(270.0 + 15.0 * slot, 360.0); }

double TermMomentTt(int year, int slot) { return TermMomentTt(year, slot, ApparentSolarLongitude); }

double TermMomentTt(int year, int slot, double (*longitude)(double tt_mjd)) {
  const double target = SlotLongitudeDegrees(slot) * kTwoPi / 360.0;
  // 小寒 falls near 6 January and 冬至 near 22 December.
  double t0 = MjdOfDate(year, 1, 1) + 5.0 + (slot - 1) * (350.0 / 23.0);
  double f0 = FoldAngle(longitude(t0) - target);
  double t1 = t0 - f0 * kTropicalYearDays / kTwoPi;
  for (int i = 0; i < 30; ++i) {
    const double f1 = FoldAngle(longitude(t1) - target);
    if (f1 == f0) return t1;
    const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
    t0 = t1;
    f0 = f1;
    t1 = t2;
    if (std::fabs(t1 - t0) < 1e-10) return t1;
  }
  throw std::runtime_error("solar term search did not converge");
}

TermEntry ChinaStandardTimeEntry(double tt_mjd, const DeltaT& delta_t, int* year) {
  const double local = tt_mjd - delta_t.At(tt_mjd) / ERFA_DAYSEC + 8.0 / 24.0;
  double day = std::floor(local);
  long seconds = std::lround((local - day) * ERFA_DAYSEC);
  if (seconds == 86400) {
    day += 1.0;
    seconds = 0;
  }
  int y = 0;
  int month = 0;
  int d = 0;
  double fraction = 0.0;
  eraJd2cal(ERFA_DJM0, day, &y, &month, &d, &fraction);
  *year = y;
  return {static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(d),
          static_cast<std::uint8_t>(seconds / 3600), static_cast<std::uint8_t>(seconds / 60 % 60),
          static_cast<std::uint8_t>(seconds % 60)};
}

}  // namespace veltrane::tools
