// The number rules of the program's date arithmetic: truncation, the snapping
// floor, rounding halves away from zero, the remainder and the sine, and the
// 1e-7 tolerance of its comparisons. The four-pillar arithmetic calls them
// directly; the value operations are adapters over them, so both give the
// same bits.
#pragma once

#include <cstdint>

namespace veltrane::calendar {

// Two numbers closer than this are equal in the date arithmetic and in the
// date boxes' bounds.
inline constexpr double kTolerance = 1e-7;

// True when x is less than v by more than kTolerance.
constexpr bool LessBeyondTolerance(double x, double v) { return x - v < -kTolerance; }
// True when x is greater than v by more than kTolerance.
constexpr bool GreaterBeyondTolerance(double x, double v) { return x - v > kTolerance; }

// x truncated toward zero and saturated to the int range; NaN gives 0.
std::int32_t SaturatedInt(double x);

// floor(x) after snapping a fraction within 1e-12 of the next integer away
// from zero to that integer; saturated to the int range, NaN gives 0.
std::int32_t IntegerPart(double x);

// x rounded to `places` decimals (negative: to tens, hundreds, ...), halves
// away from zero, with a 1e-12 nudge upward in magnitude.
double Nearest(double x, std::int32_t places = 0);

// a − b·trunc(a/b), exactly, with the sign of a; NaN when b is 0.
double Remainder(double a, double b);

// sin x, x in radians.
double Sine(double x);

}  // namespace veltrane::calendar
