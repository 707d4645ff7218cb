// What the user may type into an edit box, and the automatic stepping of its
// spin arrows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "form/controls/property_index.h"

namespace veltrane::runtime {

// The typed-character filter: integer modes take "-" and digits, decimal modes
// also ".", digit mode only digits; control characters (below 32) always pass.
bool AcceptsTypedChar(InputMode mode, char32_t ch);

// The text as a decimal integer: optional spaces, an optional sign, then
// digits up to the first other character; no digits at all counts as 0.
// Saturates far outside the 32-bit range instead of overflowing.
std::int64_t LeadingInteger(std::string_view text);

// One spin step from `current` (delta +1 up, -1 down), wrapping around: a
// result outside [min, max] becomes min going up and max going down.
std::int64_t SpinStep(std::int64_t current, int delta, std::int32_t min, std::int32_t max);

// The password mask is stored as a UTF-16 character code; handlers see it as
// GBK text. A code GBK lacks becomes "?"; an empty text gives nullopt.
std::string GbkFromCharCode(char16_t code);
std::optional<char16_t> FirstCharCode(std::string_view gbk);

}  // namespace veltrane::runtime
