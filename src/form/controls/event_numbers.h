// Event numbers the control types raise.
#pragma once

#include <cstdint>

namespace veltrane::runtime {

using EventNumber = std::int32_t;

inline constexpr EventNumber kWindowCreated = 0;
inline constexpr EventNumber kWindowMoved = 3;
inline constexpr EventNumber kWindowResized = 4;
inline constexpr EventNumber kButtonClicked = 0;
inline constexpr EventNumber kEditContentChanged = 0;
inline constexpr EventNumber kEditSpin = 1;  // one argument: +1 up, -1 down
inline constexpr EventNumber kComboItemSelected = 0;

}  // namespace veltrane::runtime
