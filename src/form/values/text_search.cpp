#include "form/values/text_search.h"

namespace veltrane::runtime::values {
namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares text (as long as sought) with sought. Without regard to case only
// single-byte letters are folded: a trail byte may look like a letter.
bool Matches(std::string_view text, std::string_view sought, bool ignore_case) {
  if (!ignore_case) return text == sought;
  for (std::size_t i = 0; i < sought.size();) {
    const std::size_t n = TextCharLength(sought, i);
    if (n == 2) {
      if (text.substr(i, 2) != sought.substr(i, 2)) return false;
    } else if (LowerAscii(text[i]) != LowerAscii(sought[i])) {
      return false;
    }
    i += n;
  }
  return true;
}

std::size_t StartIndex(std::int32_t start) {
  return start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
}

}  // namespace

std::size_t TextCharLength(std::string_view s, std::size_t pos) {
  return pos + 1 < s.size() && IsLeadByte(s[pos]) ? 2 : 1;
}

std::string_view LeftBytes(std::string_view s, std::int32_t n) {
  if (n <= 0) return {};
  return s.substr(0, static_cast<std::size_t>(n));
}

std::string_view RightBytes(std::string_view s, std::int32_t n) {
  if (n <= 0) return {};
  const auto count = static_cast<std::size_t>(n);
  return count >= s.size() ? s : s.substr(s.size() - count);
}

std::string_view MidBytes(std::string_view s, std::int32_t start, std::int32_t n) {
  if (start < 1 || n <= 0 || static_cast<std::size_t>(start) > s.size()) return {};
  return s.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n));
}

std::int32_t FindInText(std::string_view s, std::string_view sought, std::int32_t start,
                        bool ignore_case) {
  if (sought.empty()) return -1;
  for (std::size_t pos = StartIndex(start); pos < s.size();) {
    const std::size_t n = TextCharLength(s, pos);
    // A lead byte with nothing after it ends the text.
    if (n == 1 && IsLeadByte(s[pos])) break;
    if (s.size() - pos < sought.size()) break;
    if (Matches(s.substr(pos, sought.size()), sought, ignore_case)) {
      return static_cast<std::int32_t>(pos + 1);
    }
    pos += n;
  }
  return -1;
}

std::string ReplaceInText(std::string_view s, std::string_view sought, std::string_view replacement,
                          std::int32_t start, std::int32_t count, bool case_sensitive) {
  std::size_t pos = StartIndex(start);
  if (s.empty() || sought.empty() || count == 0 || pos >= s.size()) return std::string(s);

  std::string out(s.substr(0, pos));
  std::int32_t replaced = 0;
  while (pos < s.size() && s.size() - pos >= sought.size() && (count < 0 || replaced < count)) {
    const std::size_t n = TextCharLength(s, pos);
    // As in searching, a lead byte with nothing after it ends the text.
    if (n == 1 && IsLeadByte(s[pos])) break;
    if (Matches(s.substr(pos, sought.size()), sought, !case_sensitive)) {
      out += replacement;
      pos += sought.size();
      ++replaced;
    } else {
      out.append(s, pos, n);
      pos += n;
    }
  }
  out.append(s.substr(pos));
  return out;
}

}  // namespace veltrane::runtime::values
