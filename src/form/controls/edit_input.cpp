#include "form/controls/edit_input.h"

#include "base/text/gbk.h"

namespace veltrane::runtime {
namespace {

bool IsDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }

}  // namespace

bool AcceptsTypedChar(InputMode mode, char32_t ch) {
  if (ch < 32) return true;
  switch (mode) {
    case InputMode::Integer:
    case InputMode::Byte:
    case InputMode::Short:
    case InputMode::Long:
      return ch == U'-' || IsDigit(ch);
    case InputMode::Decimal:
    case InputMode::Single:
    case InputMode::Double:
      return ch == U'-' || ch == U'.' || IsDigit(ch);
    case InputMode::Digits:
      return IsDigit(ch);
    default:
      return true;
  }
}

std::int64_t LeadingInteger(std::string_view text) {
  constexpr std::int64_t kLimit = 1'000'000'000'000;  // far beyond any 32-bit value
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < kLimit) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

std::int64_t SpinStep(std::int64_t current, int delta, std::int32_t min, std::int32_t max) {
  const std::int64_t next = current + (delta > 0 ? 1 : -1);
  if (next >= min && next <= max) return next;
  return delta > 0 ? min : max;
}

std::string GbkFromCharCode(char16_t code) { return GbkFromCodePoint(code); }

std::optional<char16_t> FirstCharCode(std::string_view gbk) {
  if (gbk.empty()) return std::nullopt;
  const std::string utf8 = Utf8FromGbk(gbk.substr(0, GbkCharLength(gbk, 0)));
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  if (utf8.size() == 1) return static_cast<char16_t>(b(0));
  if (utf8.size() == 2) return static_cast<char16_t>((b(0) & 0x1F) << 6 | (b(1) & 0x3F));
  if (utf8.size() == 3) {
    return static_cast<char16_t>((b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F));
  }
  return u'?';
}

}  // namespace veltrane::runtime
