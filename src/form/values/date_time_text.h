// Date-time texts: the accepted input grammar and the printed form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrane::runtime::values {

// The DateTime of a text such as 2015年12月31日23时5分 or 2015-12-31 23:05
// (full-width forms allowed); nullopt when the text is not accepted.
std::optional<double> ParseDateTimeText(std::string_view gbk);

// "%d年%d月%d日" with "%d时%d分%d秒", "%d时%d分" or "%d时" after it as far as
// the time of day is not zero; t is clamped first.
std::string FormatDateTimeText(double t);

}  // namespace veltrane::runtime::values
