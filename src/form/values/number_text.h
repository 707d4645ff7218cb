// Numbers read from and written as decimal texts, independent of the C locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrane::runtime::values {

// The value of the longest leading decimal number of gbk (after full-width
// forms and leading white space); 0 when there is none.
double ReadLeadingNumber(std::string_view gbk);

// "%d", "%u" and decimal 64-bit texts.
std::string FormatInteger(std::int64_t value);
// "%.13g".
std::string FormatDouble(double value);
// "%.6g".
std::string FormatFloat(float value);

}  // namespace veltrane::runtime::values
