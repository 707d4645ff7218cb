#include "app/cli_value.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace veltrane::app {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of a run of digits from `at`.
std::size_t DigitsFrom(std::string_view text, std::size_t at) {
  std::size_t n = 0;
  while (at + n < text.size() && IsDigit(text[at + n])) ++n;
  return n;
}

// "-" then digits then, when `fraction`, an optional "." with digits: the whole text.
bool HasNumberForm(std::string_view text, bool fraction) {
  std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
  const std::size_t whole = DigitsFrom(text, at);
  if (whole == 0) return false;
  at += whole;
  if (fraction && at < text.size() && text[at] == '.') {
    const std::size_t part = DigitsFrom(text, at + 1);
    if (part == 0) return false;
    at += 1 + part;
  }
  return at == text.size();
}

std::string RangeText(int min, int max) { return std::to_string(min) + ".." + std::to_string(max); }

std::string RangeText(double min, double max) {
  char text[64];
  std::snprintf(text, sizeof text, "%g..%g", min, max);
  return text;
}

Error Expected(std::string_view option, std::string_view what, std::string_view text) {
  return Error{std::string(option) + ": expected " + std::string(what) + ", got " +
               QuotedValue(text)};
}

// `text` has the number form already, so it is written as it stands.
template <typename T>
Error Outside(std::string_view option, std::string_view text, T min, T max) {
  return Error{std::string(option) + ": " + std::string(text) + " is outside " +
               RangeText(min, max)};
}

}  // namespace

std::string QuotedValue(std::string_view value) {
  std::string out = "'";
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\'' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte >= 0x7f) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  out += '\'';
  return out;
}

Result<int> ParseWholeNumber(std::string_view option, std::string_view text, int min, int max) {
  const std::string what = "a whole number " + RangeText(min, max);
  if (!HasNumberForm(text, false)) return Expected(option, what, text);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // Too many digits for the type is out of range too.
  if (error == std::errc::result_out_of_range || value < min || value > max) {
    return Outside(option, text, min, max);
  }
  if (error != std::errc{} || end != text.data() + text.size()) return Expected(option, what, text);
  return static_cast<int>(value);
}

Result<double> ParseDecimalNumber(std::string_view option, std::string_view text, double min,
                                  double max) {
  const std::string what = "a decimal number " + RangeText(min, max);
  if (!HasNumberForm(text, true)) return Expected(option, what, text);
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range || value < min || value > max) {
    return Outside(option, text, min, max);
  }
  if (error != std::errc{} || end != text.data() + text.size()) return Expected(option, what, text);
  return value;
}

}  // namespace veltrane::app
