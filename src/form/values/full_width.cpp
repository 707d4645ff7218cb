#include "form/values/full_width.h"

#include "base/text/gbk.h"

namespace veltrane::runtime::values {
namespace {

// The ASCII stand-in of a two-byte character, or 0 when it has none.
char AsciiOf(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
  if (lead != 0xA1) return 0;
  switch (trail) {
    case 0xA1:
      return ' ';
    case 0xAB:
      return '~';
    case 0xEE:
    case 0xEF:
      return '*';
    default:
      return 0;
  }
}

}  // namespace

std::string MapFullWidthToAscii(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size());
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t n = GbkCharLength(gbk, pos);
    const char ascii = n == 2 ? AsciiOf(static_cast<unsigned char>(gbk[pos]),
                                        static_cast<unsigned char>(gbk[pos + 1]))
                              : 0;
    if (ascii != 0) {
      out += ascii;
    } else {
      out.append(gbk, pos, n);
    }
    pos += n;
  }
  return out;
}

}  // namespace veltrane::runtime::values
