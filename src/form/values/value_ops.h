// Typed wrappers over the value library for the program's own code. Each one
// builds CommandArg records and goes through CallCommand. Texts are GBK; a
// null text argument is taken as "".
#pragma once

#include <cstdint>

#include "base/memory.h"

namespace veltrane::runtime {

using WindowId = std::uint32_t;
using ControlId = std::uint32_t;

namespace ops {

// a / b truncated toward zero; fatal when b is 0.
double IntegerDivide(double a, double b);
// a - b * trunc(a / b), with the sign of a; fatal when b is 0.
double Remainder(double a, double b);
// |x|.
double Absolute(double x);
// floor(x), a fraction within 1e-12 of the next integer away from zero counting as it.
std::int32_t IntegerPart(double x);
// x rounded to `places` decimals, halves away from zero.
double Nearest(double x, std::int32_t places = 0);
// sin x, x in radians.
double Sine(double x);

// The first min(n, length) bytes of s.
HeapText LeftText(const char* s, std::int32_t n);
// The last min(n, length) bytes of s.
HeapText RightText(const char* s, std::int32_t n);
// n bytes of s from 1-based byte position start.
HeapText MidText(const char* s, std::int32_t start, std::int32_t n);
// 1-based byte position of the first occurrence of sought at a character start, -1 when none.
std::int32_t FindText(const char* s, const char* sought);
// s with every occurrence of sought replaced (case-sensitive).
HeapText ReplaceText(const char* s, const char* sought, const char* replacement);

// The number at the start of text (full-width digits allowed), 0 when none.
double ToNumber(const char* text);
// "%d".
HeapText ToText(std::int32_t x);
// "%.13g".
HeapText ToText(double x);
// x in Chinese numeral characters, simple forms (零一二...).
HeapText ChineseNumeral(double x);

// The DateTime of a date-time text, MinDateTime when the text is not accepted.
double ToDateTime(const char* text);
// The local date and time, to the second.
double Now();
// Parts of a DateTime (clamped to MinDateTime..9999-12-31 first).
std::int32_t YearOf(double t);
std::int32_t MonthOf(double t);
std::int32_t DayOf(double t);
std::int32_t HourOf(double t);
std::int32_t MinuteOf(double t);

// Text of item `index` (0-based) of a combo box, empty when there is none.
HeapText ItemText(WindowId window, ControlId combo, std::int32_t index);

// Empties the clipboard.
void ClearClipboard();
// Places s on the clipboard as plain text; false when the clipboard is unavailable.
bool SetClipboardText(const char* s);
// Modal message box; returns OK 0, Cancel 1, Abort 2, Retry 3, Ignore 4, Yes 5, No 6.
std::int32_t ShowMessage(const char* content, std::int32_t style, const char* title);

}  // namespace ops
}  // namespace veltrane::runtime
