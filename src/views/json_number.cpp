#include "views/json_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace veltrane::views {
namespace {

// |value| as decimal digits, most significant first; returns their count.
int DigitsOf(std::uint64_t value, char (&digits)[24]) {
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return static_cast<int>(end - digits);
}

std::uint64_t Magnitude(std::int64_t value) {
  return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

char* Copy(char* out, const char* from, int n) {
  std::memcpy(out, from, static_cast<std::size_t>(n));
  return out + n;
}

// Writes digits[0..n) × 10^exponent (no trailing zero digit) in the shortest
// form, fixed or scientific, fixed on a tie.
char* WriteDecimal(char* out, const char* digits, int n, int exponent) {
  const int scientific_exponent = n - 1 + exponent;
  const int exponent_digits = std::abs(scientific_exponent) >= 100 ? 3 : 2;
  const int scientific_size = n + (n > 1 ? 1 : 0) + 2 + exponent_digits;
  int fixed_size = 0;
  if (exponent >= 0) {
    fixed_size = n + exponent;
  } else if (n > -exponent) {
    fixed_size = n + 1;
  } else {
    fixed_size = 2 - exponent;  // "0." and the leading zeros
  }
  if (scientific_size < fixed_size) {
    *out++ = digits[0];
    if (n > 1) {
      *out++ = '.';
      out = Copy(out, digits + 1, n - 1);
    }
    *out++ = 'e';
    *out++ = scientific_exponent < 0 ? '-' : '+';
    const int e = std::abs(scientific_exponent);
    if (exponent_digits == 3) *out++ = static_cast<char>('0' + e / 100);
    *out++ = static_cast<char>('0' + e / 10 % 10);
    *out++ = static_cast<char>('0' + e % 10);
    return out;
  }
  if (exponent >= 0) {
    out = Copy(out, digits, n);
    std::fill_n(out, exponent, '0');
    return out + exponent;
  }
  const int whole = n + exponent;  // digits before the point
  if (whole > 0) {
    out = Copy(out, digits, whole);
    *out++ = '.';
    return Copy(out, digits + whole, n - whole);
  }
  *out++ = '0';
  *out++ = '.';
  std::fill_n(out, -whole, '0');
  return Copy(out + -whole, digits, n);
}
}  // namespace

char* WriteHundredths(char* out, std::int64_t hundredths) {
  if (hundredths == 0) {
    *out = '0';
    return out + 1;
  }
  if (hundredths < 0) *out++ = '-';
  char digits[24] = {};
  int n = DigitsOf(Magnitude(hundredths), digits);
  // value = digits × 10^exponent, without trailing zeros.
  int exponent = -2;
  while (digits[n - 1] == '0') {
    --n;
    ++exponent;
  }
  return WriteDecimal(out, digits, n, exponent);
}

char* WriteShortestDouble(char* out, double value) {
  if (!std::isfinite(value)) return Copy(out, "null", 4);
  if (value == 0) return Copy(out, std::signbit(value) ? "-0" : "0", std::signbit(value) ? 2 : 1);
  // The fewest significant digits that read back as the value, correctly rounded.
  char scientific[40];
  for (int precision = 0; precision < 17; ++precision) {
    std::snprintf(scientific, sizeof scientific, "%.*e", precision, value);
    if (std::strtod(scientific, nullptr) == value) break;
  }
  if (value < 0) *out++ = '-';
  char digits[24] = {};
  int n = 0;
  const char* e = std::strchr(scientific, 'e');
  for (const char* c = scientific; c != e && *c != '\0'; ++c) {
    if (*c >= '0' && *c <= '9') digits[n++] = *c;
  }
  while (n > 1 && digits[n - 1] == '0') --n;
  const int exponent = (e != nullptr ? std::atoi(e + 1) : 0) - (n - 1);
  char* end = WriteDecimal(out, digits, n, exponent);
  if (exponent > 0 && std::find(out, end, 'e') == end) {
    // A whole number written plainly shows all its digits, as std::to_chars
    // does, not the shortest digits padded with zeros.
    char whole[kMaxNumberChars];
    const int size = std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
    if (size > 0 && static_cast<std::size_t>(size) < sizeof whole) end = Copy(out, whole, size);
  }
  return end;
}

char* WriteTenths(char* out, std::int64_t tenths) {
  if (tenths < 0) *out++ = '-';
  const std::uint64_t m = Magnitude(tenths);
  out = std::to_chars(out, out + kMaxNumberChars, m / 10).ptr;
  *out++ = '.';
  *out++ = static_cast<char>('0' + m % 10);
  return out;
}

}  // namespace veltrane::views
