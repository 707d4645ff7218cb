// Numbers written with Chinese numeral characters.
#pragma once

#include <string>

namespace veltrane::runtime::values {

// x in Chinese numerals (GBK): simple digits 零一二... or the financial forms
// 零壹贰... Above 9 with the units 十百千万亿 (a leading 一十 written 十 in
// the simple forms), "负" before a negative value, up to two decimals after
// "点"; "溢出" for a magnitude above 9999999999999 (and for NaN).
std::string ChineseNumeralText(double x, bool simple);

}  // namespace veltrane::runtime::values
