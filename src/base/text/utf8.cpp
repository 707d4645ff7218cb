#include "base/text/utf8.h"

namespace veltrane::runtime {
namespace {

std::size_t AnnouncedLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

}  // namespace

std::size_t Utf8CharLength(std::string_view s, std::size_t pos) {
  if (pos >= s.size()) return 1;
  const std::size_t announced = AnnouncedLength(static_cast<unsigned char>(s[pos]));
  std::size_t length = 1;
  while (length < announced && pos + length < s.size() &&
         (static_cast<unsigned char>(s[pos + length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

std::string Utf8FromCodePoint(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | code >> 6));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | code >> 12));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | code >> 18));
    out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
  return out;
}

}  // namespace veltrane::runtime
