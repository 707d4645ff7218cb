// Fits the amplitudes of the calendar's apparent Sun (calendar/apparent_sun.h)
// to ERFA's apparent longitude over 1800–2999 and prints the table rows with
// the fitted increments added (see tools/README.md).
//
//   veltrane_sun_fit
//
// Least squares on the longitude residual, sampled every 5.3 days: the
// polynomial c0 + c1·t + c2·t² and the sine and cosine of every argument.

#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>
#include <utility>
#include <vector>

#include "calendar/apparent_sun.h"
#include "equation_of_time/erfa_apparent_sun.h"

namespace {

using veltrane::calendar::kSunLongitudeCorrection;
using veltrane::calendar::kSunPerturbations;

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr std::size_t kTermCount = std::size(kSunPerturbations);
constexpr std::size_t kUnknowns = 3 + 2 * kTermCount;

// The Sun's apparent longitude of date by ERFA (IAU 2006/2000A), radians.
double ErfaLongitude(double tt_days) {
  double of_date[3];
  double npb[3][3];
  veltrane::tools::ErfaApparentSunOfDate(tt_days, of_date, npb);
  double dpsi = 0.0;
  double deps = 0.0;
  eraNut06a(ERFA_DJ00, tt_days, &dpsi, &deps);
  double to_ecliptic[3][3];
  eraIr(to_ecliptic);
  eraRx(eraObl06(ERFA_DJ00, tt_days) + deps, to_ecliptic);
  double ecliptic[3];
  eraRxp(to_ecliptic, of_date, ecliptic);
  double longitude = 0.0;
  double latitude = 0.0;
  eraC2s(ecliptic, &longitude, &latitude);
  return longitude;
}

std::vector<double> Basis(double t) {
  std::vector<double> x = {1.0, t, t * t};
  for (const auto& term : kSunPerturbations) {
    const double a = std::fmod(term.phase + term.rate * t, 360.0) * kDegree;
    x.push_back(std::sin(a));
    x.push_back(std::cos(a));
  }
  return x;
}

// Solves n·s = b by Gauss–Jordan elimination with partial pivoting.
std::vector<double> Solve(std::vector<double> n, std::vector<double> b) {
  const std::size_t k = b.size();
  for (std::size_t i = 0; i < k; ++i) {
    std::size_t pivot = i;
    for (std::size_t r = i + 1; r < k; ++r) {
      if (std::abs(n[r * k + i]) > std::abs(n[pivot * k + i])) pivot = r;
    }
    for (std::size_t j = 0; j < k; ++j) std::swap(n[i * k + j], n[pivot * k + j]);
    std::swap(b[i], b[pivot]);
    for (std::size_t r = 0; r < k; ++r) {
      if (r == i) continue;
      const double f = n[r * k + i] / n[i * k + i];
      for (std::size_t j = 0; j < k; ++j) n[r * k + j] -= f * n[i * k + j];
      b[r] -= f * b[i];
    }
  }
  for (std::size_t i = 0; i < k; ++i) b[i] /= n[i * k + i];
  return b;
}

}  // namespace

int main() {
  constexpr double kFirst = -73048.0;  // 1800-01-01, days from J2000.0 (TT)
  constexpr double kLast = 365211.0;   // 2999-12-31
  std::vector<double> normal(kUnknowns * kUnknowns);
  std::vector<double> rhs(kUnknowns);
  double before = 0.0;
  for (double d = kFirst; d <= kLast; d += 5.3) {
    const double t = d / 36525.0;
    const double ours = veltrane::calendar::ApparentSunOfDate(t).longitude;
    const double residual = std::remainder(ErfaLongitude(d) - ours, 2.0 * std::numbers::pi);
    before = std::max(before, std::abs(residual));
    const std::vector<double> x = Basis(t);
    for (std::size_t i = 0; i < kUnknowns; ++i) {
      rhs[i] += x[i] * residual / kDegree;
      for (std::size_t j = 0; j < kUnknowns; ++j) normal[i * kUnknowns + j] += x[i] * x[j];
    }
  }
  const std::vector<double> s = Solve(normal, rhs);
  std::printf("largest residual now: %.1f arcsec\n", before / kDegree * 3600.0);
  std::printf("kSunLongitudeCorrection = {%.7f, %.7f, %.7f}\n", kSunLongitudeCorrection[0] + s[0],
              kSunLongitudeCorrection[1] + s[1], kSunLongitudeCorrection[2] + s[2]);
  for (std::size_t i = 0; i < kTermCount; ++i) {
    const auto& term = kSunPerturbations[i];
    std::printf("{%.6f, %.7f, %.6f, %.6f},\n", term.phase, term.rate, term.sine + s[3 + 2 * i],
                term.cosine + s[4 + 2 * i]);
  }
  return 0;
}
