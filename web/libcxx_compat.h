// What Emscripten's libc++ lacks of the C++20 library this code uses:
// std::to_chars for double (shortest round trip, and fixed with a precision)
// and std::bit_cast. Elsewhere this header adds nothing.
#pragma once

#include <bit>
#include <charconv>
#include <type_traits>

#if defined(__EMSCRIPTEN__)

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace std {

#if !defined(__cpp_lib_bit_cast)
template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
         is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
#endif

// Fixed notation with `precision` digits after the point.
inline to_chars_result to_chars(char* first, char* last, double value, chars_format,
                                int precision) {
  char buffer[352];
  const int n = std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
  if (n < 0 || n > last - first) return {last, errc::value_too_large};
  std::memcpy(first, buffer, static_cast<size_t>(n));
  return {first + n, errc{}};
}

// The shortest text that reads back as `value`: the fewest significant digits
// that round-trip, written plainly or in scientific notation, whichever is
// shorter (plain on a tie), as the standard's shortest form is.
inline to_chars_result to_chars(char* first, char* last, double value) {
  char scientific[40];
  int digits = 1;
  for (; digits <= 17; ++digits) {
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
    if (std::strtod(scientific, nullptr) == value) break;
  }
  // The digits and the exponent of the scientific form, e.g. "-1.25e+02".
  const char* e = std::strchr(scientific, 'e');
  const int exponent = e ? std::atoi(e + 1) : 0;
  char mantissa[24];
  int m = 0;
  for (const char* c = scientific; c != e && *c; ++c) {
    if (*c >= '0' && *c <= '9') mantissa[m++] = *c;
  }
  while (m > 1 && mantissa[m - 1] == '0') --m;  // "1.50e+00" has digits "15"
  char plain[352];
  int p = 0;
  if (value < 0) plain[p++] = '-';
  if (exponent < 0) {
    plain[p++] = '0';
    plain[p++] = '.';
    for (int i = -1; i > exponent; --i) plain[p++] = '0';
    for (int i = 0; i < m; ++i) plain[p++] = mantissa[i];
  } else {
    for (int i = 0; i <= exponent || i < m; ++i) {
      if (i == exponent + 1) plain[p++] = '.';
      plain[p++] = i < m ? mantissa[i] : '0';
    }
  }
  char sci[40];
  int s = 0;
  if (value < 0) sci[s++] = '-';
  sci[s++] = mantissa[0];
  if (m > 1) {
    sci[s++] = '.';
    for (int i = 1; i < m; ++i) sci[s++] = mantissa[i];
  }
  s += std::snprintf(sci + s, sizeof sci - static_cast<size_t>(s), "e%c%02d",
                     exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
  const char* text = p <= s ? plain : sci;
  const int n = p <= s ? p : s;
  if (n > last - first) return {last, errc::value_too_large};
  std::memcpy(first, text, static_cast<size_t>(n));
  return {first + n, errc{}};
}

}  // namespace std

#endif
