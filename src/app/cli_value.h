// Option values as written: plain decimal numbers of one documented form, and
// any value quoted back safely in a message.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"

namespace veltrane::app {

// The value between single quotes, each quote, backslash, control or
// non-ASCII byte written as an escape ("'12\x01'"), so a message stays one
// printable line whatever was typed.
std::string QuotedValue(std::string_view value);

// Reads `text` as a whole number of the form [-]digits in min..max; the error
// names `option`, what it expected and the value as given.
Result<int> ParseWholeNumber(std::string_view option, std::string_view text, int min, int max);

// Reads `text` as a decimal number of the form [-]digits[.digits] in
// min..max (no exponent, sign +, spaces, hex, inf or nan); errors as above.
Result<double> ParseDecimalNumber(std::string_view option, std::string_view text, double min,
                                  double max);

}  // namespace veltrane::app
