// The number rules of the program's date arithmetic: truncation, the snapping
// floor, rounding halves away from zero, the remainder and the sine, and the
// 1e-7 tolerance of its comparisons. The four-pillar arithmetic calls them
// directly; the value operations are adapters over them, so both give the
// same bits.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace veltrane::calendar {

// Two numbers closer than this are equal in the date arithmetic and in the
// date boxes' bounds.
inline constexpr double kTolerance = 1e-7;

// True when x is less than v by more than kTolerance.
constexpr bool LessBeyondTolerance(double x, double v) { return x - v < -kTolerance; }
// True when x is greater than v by more than kTolerance.
constexpr bool GreaterBeyondTolerance(double x, double v) { return x - v > kTolerance; }

// x truncated toward zero and saturated to the int range; NaN gives 0.
inline std::int32_t SaturatedInt(double x);

// floor(x) after snapping a fraction within 1e-12 of the next integer away
// from zero to that integer; saturated to the int range, NaN gives 0.
inline std::int32_t IntegerPart(double x);

// x rounded to `places` decimals (negative: to tens, hundreds, ...), halves
// away from zero, with a 1e-12 nudge upward in magnitude.
inline double Nearest(double x, std::int32_t places = 0);

// a − b·trunc(a/b), exactly, with the sign of a; NaN when b is 0.
inline double Remainder(double a, double b);

// sin x, x in radians.
double Sine(double x);

// The rules run a few dozen times per chart, so the common cases are inline.
namespace detail {

inline constexpr double kSnap = 0.999999999999;
inline constexpr double kNudge = 1e-12;
// From here on every double is a whole number.
inline constexpr double kAllWhole = 4503599627370496.0;  // 2^52

// x truncated toward zero, as std::trunc but without a library call where the
// processor has no rounding instruction; only the sign of a zero can differ,
// and every caller here ends in an int or a non-negative value.
inline double WholePart(double x) {
  if (!(std::fabs(x) < kAllWhole)) return x;  // already whole, or not a number
  return static_cast<double>(static_cast<std::int64_t>(x));
}

// x rounded toward minus infinity, with WholePart.
inline double FloorOf(double x) {
  const double w = WholePart(x);
  return w > x ? w - 1 : w;
}

// |x| rounded to a whole number, halves up, after the nudge.
inline double RoundMagnitude(double magnitude) {
  if (!(magnitude < kAllWhole)) return magnitude;
  const double w = magnitude + kNudge;
  const double i = WholePart(w);
  return w - i >= 0.5 ? i + 1 : i;
}

// Nearest for places ≠ 0.
double NearestScaled(double x, std::int32_t places);

}  // namespace detail

std::int32_t SaturatedInt(double x) {
  if (std::isnan(x)) return 0;
  if (x <= std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  if (x >= std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(x);
}

std::int32_t IntegerPart(double x) {
  const double i = detail::WholePart(x);
  // The direction follows x, not i: i is 0 for both -0.9999999999999 and 0.9999999999999.
  if (std::fabs(x - i) > detail::kSnap) x = x >= 0 ? i + 1 : i - 1;
  return SaturatedInt(detail::FloorOf(x));
}

double Nearest(double x, std::int32_t places) {
  if (x == 0 || std::isnan(x) || std::isinf(x)) return x;
  if (places != 0) return detail::NearestScaled(x, places);
  // Rounding to a whole number needs no scale; times 1 and over 1 change no bit.
  const double result = detail::RoundMagnitude(std::fabs(x));
  return x < 0 ? -result : result;
}

double Remainder(double a, double b) {
  // Whole numbers of the int range, as the pillars' cycle numbers are, divide
  // exactly in integers; fmod gives the same, sign of a zero result included.
  if (a > 0 && b > 0 && a < 2147483648.0 && b < 2147483648.0) {
    const auto ia = static_cast<std::int32_t>(a);
    const auto ib = static_cast<std::int32_t>(b);
    if (ia == a && ib == b) return static_cast<double>(ia % ib);
  }
  // fmod is a − b·trunc(a/b) computed exactly, so the sign of a always holds.
  return std::fmod(a, b);
}

}  // namespace veltrane::calendar
