#include "form/values/number_text.h"

#include <charconv>
#include <limits>

#include "form/values/full_width.h"

namespace veltrane::runtime::values {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Decimal exponent of the number's leading digit, roughly; only its sign
// matters, to tell overflow from underflow.
long LeadingExponent(std::string_view mantissa, long exponent) {
  std::size_t pos = 0;
  long int_digits = 0;
  while (pos < mantissa.size() && mantissa[pos] == '0') ++pos;
  while (pos < mantissa.size() && IsDigit(mantissa[pos])) ++pos, ++int_digits;
  if (int_digits > 0) return exponent + int_digits;
  if (pos < mantissa.size() && mantissa[pos] == '.') ++pos;
  long zeros = 0;
  while (pos < mantissa.size() && mantissa[pos] == '0') ++pos, ++zeros;
  return exponent - zeros;
}

}  // namespace

double ReadLeadingNumber(std::string_view gbk) {
  const std::string text = MapFullWidthToAscii(gbk);
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

  const std::size_t start = pos;
  std::size_t digits = 0;
  while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
  }
  if (digits == 0) return 0.0;
  const std::size_t mantissa_end = pos;

  // An exponent counts only with at least one digit.
  long exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t p = pos + 1;
    bool exponent_negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) exponent_negative = text[p++] == '-';
    if (p < text.size() && IsDigit(text[p])) {
      while (p < text.size() && IsDigit(text[p])) {
        if (exponent < 100000) exponent = exponent * 10 + (text[p] - '0');
        ++p;
      }
      if (exponent_negative) exponent = -exponent;
      pos = p;
    }
  }

  double value = 0.0;
  const char* first = text.data() + start;
  const char* last = text.data() + pos;
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    const std::string_view mantissa(first, mantissa_end - start);
    value = LeadingExponent(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc() || end != last) {
    value = 0.0;  // not reached: the scan above accepts only what from_chars reads
  }
  return negative ? -value : value;
}

std::string FormatInteger(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatDouble(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
  return std::string(buffer, result.ptr);
}

std::string FormatFloat(float value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::string(buffer, result.ptr);
}

}  // namespace veltrane::runtime::values
