// A selection inside a text, brought within the text's bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

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

}  // namespace veltrane::runtime
