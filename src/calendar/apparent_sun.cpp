#include "calendar/apparent_sun.h"

#include <cmath>
#include <numbers>

namespace veltrane::calendar {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;
constexpr double kArcsecond = kDegree / 3600.0;

double Degrees(double d) { return std::fmod(d, 360.0) * kDegree; }

}  // namespace

ApparentSun ApparentSunOfDate(double t) {
  // The Sun's geometric longitude and distance, mean equinox of date.
  const double mean_longitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
  const double m = Degrees(357.52911 + 35999.05029 * t - 0.0001537 * t * t);
  const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
  const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                        (0.019993 - 0.000101 * t) * std::sin(2.0 * m) +
                        0.000289 * std::sin(3.0 * m);
  double perturbation = kSunLongitudeCorrection[0] +
                        (kSunLongitudeCorrection[1] + kSunLongitudeCorrection[2] * t) * t;
  for (const SunPerturbation& term : kSunPerturbations) {
    const double x = Degrees(term.phase + term.rate * t);
    perturbation += term.sine * std::sin(x) + term.cosine * std::cos(x);
  }
  const double true_anomaly = m + centre * kDegree;
  const double distance = 1.000001018 * (1.0 - e * e) / (1.0 + e * std::cos(true_anomaly));
  const double geometric = (mean_longitude + centre + perturbation) * kDegree;

  // Nutation and the true obliquity.
  const double omega = Degrees(125.04452 - 1934.136261 * t + 0.0020708 * t * t);
  const double sun = Degrees(280.4665 + 36000.7698 * t);
  const double moon = Degrees(218.3165 + 481267.8813 * t);
  const double dpsi = (-17.20 * std::sin(omega) - 1.32 * std::sin(2.0 * sun) -
                       0.23 * std::sin(2.0 * moon) + 0.21 * std::sin(2.0 * omega)) *
                      kArcsecond;
  const double deps = (9.20 * std::cos(omega) + 0.57 * std::cos(2.0 * sun) +
                       0.10 * std::cos(2.0 * moon) - 0.09 * std::cos(2.0 * omega)) *
                      kArcsecond;
  const double mean_obliquity =
      (84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) * kArcsecond;
  const double obliquity = mean_obliquity + deps;

  const double lambda = geometric + dpsi - 20.4898 * kArcsecond / distance;

  return {lambda, obliquity, dpsi};
}

}  // namespace veltrane::calendar
