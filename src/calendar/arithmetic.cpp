#include "calendar/arithmetic.h"

#include <cmath>
#include <limits>

namespace veltrane::calendar {
namespace {

constexpr double kSnap = 0.999999999999;
constexpr double kNudge = 1e-12;
// From here on every double is a whole number.
constexpr double kAllWhole = 4503599627370496.0;  // 2^52

// x truncated toward zero, as std::trunc but without a library call where the
// processor has no rounding instruction; only the sign of a zero can differ,
// and every caller here ends in an int or a non-negative value.
double WholePart(double x) {
  if (!(std::fabs(x) < kAllWhole)) return x;  // already whole, or not a number
  return static_cast<double>(static_cast<std::int64_t>(x));
}

// x rounded toward minus infinity, with WholePart.
double FloorOf(double x) {
  const double w = WholePart(x);
  return w > x ? w - 1 : w;
}

// |x| rounded to a whole number, halves up, after the nudge.
double RoundMagnitude(double magnitude) {
  if (!(magnitude < kAllWhole)) return magnitude;
  const double w = magnitude + kNudge;
  const double i = WholePart(w);
  return w - i >= 0.5 ? i + 1 : i;
}

}  // namespace

std::int32_t SaturatedInt(double x) {
  if (std::isnan(x)) return 0;
  if (x <= std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  if (x >= std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(x);
}

std::int32_t IntegerPart(double x) {
  const double i = WholePart(x);
  // The direction follows x, not i: i is 0 for both -0.9999999999999 and 0.9999999999999.
  if (std::fabs(x - i) > kSnap) x = x >= 0 ? i + 1 : i - 1;
  return SaturatedInt(FloorOf(x));
}

double Nearest(double x, std::int32_t places) {
  if (x == 0 || std::isnan(x) || std::isinf(x)) return x;
  const double magnitude = std::fabs(x);
  // Rounding to a whole number needs no scale; times 1 and over 1 change no bit.
  if (places == 0) {
    const double result = RoundMagnitude(magnitude);
    return x < 0 ? -result : result;
  }
  const double scale = std::pow(10.0, std::abs(static_cast<double>(places)));
  double result;
  if (places >= 0) {
    // A scale beyond the double range leaves nothing to round.
    result = std::isinf(scale) ? magnitude : RoundMagnitude(magnitude * scale) / scale;
    if (std::isinf(result) || std::isnan(result)) result = magnitude;
  } else {
    const double whole = std::isinf(scale) ? 0.0 : RoundMagnitude(magnitude / scale);
    result = whole == 0 ? 0.0 : whole * scale;
  }
  return x < 0 ? -result : result;
}

// fmod is a − b·trunc(a/b) computed exactly, so the sign of a always holds.
double Remainder(double a, double b) { return std::fmod(a, b); }

double Sine(double x) { return std::sin(x); }

}  // namespace veltrane::calendar
