// The Button's type block (version 1): its stored properties 8 to 13.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "form/controls/log_font.h"
#include "base/result.h"

namespace veltrane::runtime {

struct ButtonBlock {
  static constexpr std::uint32_t kVersion = 1;

  std::uint32_t version = kVersion;
  std::vector<std::uint8_t> picture;         // 8
  std::int32_t type = 0;                     // 9: 0 normal, 1 default button
  std::string caption = "\xB0\xB4\xC5\xA5";  // 10, "按钮"
  std::int32_t h_align = 1;                  // 11
  std::int32_t v_align = 1;                  // 12
  std::optional<LogFont> font;               // 13

  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 1, a short block, a font of other than 0 or 60
  // bytes, or trailing bytes.
  static Result<ButtonBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const ButtonBlock&) const = default;
};

}  // namespace veltrane::runtime
