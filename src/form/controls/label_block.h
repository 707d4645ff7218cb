// The Label's type block (version 2): the stored properties, in the order
// and the versions that the type's property rows give.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "form/controls/log_font.h"
#include "platform/platform.h"

namespace veltrane::runtime {

struct LabelBlock {
  static constexpr std::uint32_t kVersion = 2;

  std::uint32_t version = kVersion;
  std::string caption = "\xB1\xEA\xC7\xA9";  // "标签"
  std::int32_t text_effect = 0;
  std::int32_t border_style = 0;
  std::int32_t gradient_width = 8;
  std::uint32_t gradient_border1 = 0x808080;
  std::uint32_t gradient_border2 = 0xFFFFFF;
  std::uint32_t gradient_border3 = 0x808080;
  std::optional<LogFont> font;
  std::uint32_t text_colour = 0;
  std::uint32_t background = platform::kButtonFace;
  std::vector<std::uint8_t> picture;
  std::int32_t picture_layout = 1;
  std::int32_t gradient_background = 0;
  std::uint32_t gradient_colour1 = 0x808080;
  std::uint32_t gradient_colour2 = 0xFFFFFF;
  std::uint32_t gradient_colour3 = 0x808080;
  std::int32_t h_align = 0;
  std::int32_t word_wrap = 0;
  std::int32_t v_align = 1;
  std::string data_source;
  std::string data_column;

  // Writes the fields that `version` has (a version above 2 writes version 2's).
  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 2, a short block, a font of other than 0 or 60
  // bytes, or trailing bytes.
  static Result<LabelBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const LabelBlock&) const = default;
};

}  // namespace veltrane::runtime
