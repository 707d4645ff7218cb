// Full-width GBK forms read as their ASCII counterparts, for number and
// date-time texts.
#pragma once

#include <string>
#include <string_view>

namespace veltrane::runtime::values {

// gbk with A3 A1..A3 FE turned into 0x21..0x7E, A1 A1 into a blank, A1 AB into
// "~" and A1 EE / A1 EF into "*"; other characters are kept whole.
std::string MapFullWidthToAscii(std::string_view gbk);

}  // namespace veltrane::runtime::values
