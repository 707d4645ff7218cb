// Texts as JSON strings: the one escaper of the views' JSON writers.
#pragma once

#include <string>
#include <string_view>

namespace veltrane::views {

// Whether `text` goes into a JSON string as it stands (no quote, backslash or control byte).
constexpr bool NeedsNoJsonEscape(std::string_view text) {
  for (const char c : text) {
    if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

// Appends `text` as a JSON string, quotes included; control bytes become \u00XX.
inline void AppendJsonString(std::string& out, std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace veltrane::views
