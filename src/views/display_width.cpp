#include "views/display_width.h"

#include <array>
#include <cstdint>

namespace veltrane::views {
namespace {

struct Range {
  char32_t first;
  char32_t last;
};

// East Asian Width W and F, as far as charts and their headers reach: Hangul
// Jamo, CJK radicals to Yi (punctuation, kana, ideographs), Hangul syllables,
// compatibility ideographs, vertical and small forms, full-width forms and the
// ideographs beyond the first plane.
constexpr std::array<Range, 9> kWide = {{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x20000, 0x3FFFD},
}};

// East Asian Width A that the views write: general punctuation, box drawing,
// block elements and geometric shapes (○).
constexpr std::array<Range, 2> kAmbiguous = {{{0x2010, 0x2027}, {0x2500, 0x25FF}}};

template <std::size_t N>
constexpr bool In(const std::array<Range, N>& ranges, char32_t c) {
  for (const Range& r : ranges) {
    if (c >= r.first && c <= r.last) return true;
  }
  return false;
}

// Decodes the sequence at text[i], setting `length` to its bytes; a byte that
// starts no valid sequence decodes as itself with length 1.
char32_t Decode(std::string_view text, std::size_t i, std::size_t& length) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[i + k]); };
  const std::uint8_t lead = byte(0);
  length = 1;
  std::size_t n = 0;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2, c = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3, c = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4, c = lead & 0x07u;
  } else {
    return lead;
  }
  if (i + n > text.size()) return lead;
  for (std::size_t k = 1; k < n; ++k) {
    if ((byte(k) & 0xC0u) != 0x80u) return lead;
    c = (c << 6) | (byte(k) & 0x3Fu);
  }
  length = n;
  return c;
}

}  // namespace

int DisplayWidth(std::string_view text, Ambiguous ambiguous) {
  int width = 0;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    const char32_t c = Decode(text, i, length);
    i += length;
    const bool wide = In(kWide, c) || (ambiguous == Ambiguous::kWide && In(kAmbiguous, c));
    width += wide ? 2 : 1;
  }
  return width;
}

}  // namespace veltrane::views
