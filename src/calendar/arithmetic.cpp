#include "calendar/arithmetic.h"

#include <cmath>

namespace veltrane::calendar {

double detail::NearestScaled(double x, std::int32_t places) {
  const double magnitude = std::fabs(x);
  const double scale = std::pow(10.0, std::abs(static_cast<double>(places)));
  double result;
  if (places >= 0) {
    // A scale beyond the double range leaves nothing to round.
    result = std::isinf(scale) ? magnitude : detail::RoundMagnitude(magnitude * scale) / scale;
    if (std::isinf(result) || std::isnan(result)) result = magnitude;
  } else {
    const double whole = std::isinf(scale) ? 0.0 : detail::RoundMagnitude(magnitude / scale);
    result = whole == 0 ? 0.0 : whole * scale;
  }
  return x < 0 ? -result : result;
}

double Sine(double x) { return std::sin(x); }

}  // namespace veltrane::calendar
