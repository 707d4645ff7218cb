// A selection inside a text, brought within the text's bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veltrane::runtime {

struct TextSpan {
  std::int32_t start = 0;
  std::int32_t length = 0;
};

// Start and length limited to a text of `size` bytes; never reads outside it.
inline TextSpan ClampSpan(std::size_t size, std::int32_t start, std::int32_t length) {
  const auto n = static_cast<std::int64_t>(std::min<std::size_t>(size, INT32_MAX));
  const std::int64_t s = std::clamp<std::int64_t>(start, 0, n);
  const std::int64_t l = std::clamp<std::int64_t>(length, 0, n - s);
  return {static_cast<std::int32_t>(s), static_cast<std::int32_t>(l)};
}

// The bytes of `text` that a selection covers once clamped to the text.
inline std::string_view SelectedPart(std::string_view text, std::int32_t start,
                                     std::int32_t length) {
  const TextSpan sel = ClampSpan(text.size(), start, length);
  return text.substr(static_cast<std::size_t>(sel.start), static_cast<std::size_t>(sel.length));
}

// Replaces the bytes of `text` that a selection covers, once clamped, by
// `with` (which must not view `text`); returns the clamped selection.
inline TextSpan ReplaceSelectedPart(std::string& text, std::int32_t start, std::int32_t length,
                                    std::string_view with) {
  const TextSpan sel = ClampSpan(text.size(), start, length);
  text.replace(static_cast<std::size_t>(sel.start), static_cast<std::size_t>(sel.length), with);
  return sel;
}

}  // namespace veltrane::runtime
