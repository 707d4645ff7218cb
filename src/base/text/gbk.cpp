#include "base/text/gbk.h"

#include "base/text/codec.h"
#include "base/text/utf8.h"

namespace veltrane::runtime {
namespace {

constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

// Converts through the codec; at each sequence it cannot convert, replace(in, pos,
// out) appends a replacement and returns how many input bytes to drop.
template <typename Replace>
std::string Convert(codec::Direction direction, std::string_view in, Replace replace) {
  std::string out;
  out.reserve(in.size() + in.size() / 2);
  std::size_t pos = 0;
  while (pos < in.size()) {
    pos += codec::ConvertPrefix(direction, in.substr(pos), out);
    if (pos < in.size()) pos += replace(in, pos, out);
  }
  return out;
}

}  // namespace

std::string Utf8FromGbk(std::string_view gbk) {
  return Convert(codec::Direction::kGbkToUtf8, gbk,
                 [](std::string_view in, std::size_t pos, std::string& out) {
                   const auto byte = static_cast<unsigned char>(in[pos]);
                   if (byte < 0x80) {
                     out.push_back(static_cast<char>(byte));
                   } else {
                     out.append(kUtf8Replacement);
                   }
                   return std::size_t{1};
                 });
}

std::string GbkFromUtf8(std::string_view utf8) {
  return Convert(codec::Direction::kUtf8ToGbk, utf8,
                 [](std::string_view in, std::size_t pos, std::string& out) {
                   const auto byte = static_cast<unsigned char>(in[pos]);
                   if (byte < 0x80) {
                     out.push_back(static_cast<char>(byte));
                     return std::size_t{1};
                   }
                   out.push_back('?');
                   return Utf8CharLength(in, pos);
                 });
}

bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::size_t GbkCharLength(std::string_view s, std::size_t pos) {
  if (pos + 1 < s.size() && IsGbkLeadByte(static_cast<unsigned char>(s[pos]))) return 2;
  return 1;
}

std::string GbkFromCodePoint(char32_t code) {
  if (code >= 0xD800 && code <= 0xDFFF) return "?";  // half of a surrogate pair
  return GbkFromUtf8(Utf8FromCodePoint(code));
}

}  // namespace veltrane::runtime
