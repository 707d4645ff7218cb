#include "views/json_number.h"

#include <algorithm>
#include <charconv>
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

char* WriteTenths(char* out, std::int64_t tenths) {
  if (tenths < 0) *out++ = '-';
  const std::uint64_t m = Magnitude(tenths);
  out = std::to_chars(out, out + kMaxNumberChars, m / 10).ptr;
  *out++ = '.';
  *out++ = static_cast<char>('0' + m % 10);
  return out;
}

}  // namespace veltrane::views
