// The Button's type block (version 1): the stored properties, in the order
// and the versions that the type's property rows give.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "form/controls/log_font.h"

namespace veltrane::runtime {

struct ButtonBlock {
  static constexpr std::uint32_t kVersion = 1;

  std::uint32_t version = kVersion;
  std::vector<std::uint8_t> picture;
  std::int32_t type = 0;                     // 0 normal, 1 default button
  std::string caption = "\xB0\xB4\xC5\xA5";  // "按钮"
  std::int32_t h_align = 1;
  std::int32_t v_align = 1;
  std::optional<LogFont> font;

  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 1, a short block, a font of other than 0 or 60
  // bytes, or trailing bytes.
  static Result<ButtonBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const ButtonBlock&) const = default;
};

}  // namespace veltrane::runtime
