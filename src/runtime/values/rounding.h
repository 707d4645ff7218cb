// The rounding rules of the value operations.
#pragma once

#include <cstdint>

namespace veltrane::runtime::values {

// x truncated toward zero and saturated to the int range; NaN gives 0.
std::int32_t SaturatedInt(double x);

// floor(x) after snapping a fraction within 1e-12 of the next integer away
// from zero to that integer; saturated to the int range, NaN gives 0.
std::int32_t IntegerPartOf(double x);

// x rounded to `places` decimals (negative: to tens, hundreds, ...), halves
// away from zero, with a 1e-12 nudge upward in magnitude.
double NearestOf(double x, std::int32_t places);

}  // namespace veltrane::runtime::values
