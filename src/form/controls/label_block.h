// The Label's type block (version 2): its stored properties 8 to 28.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "form/controls/log_font.h"
#include "platform/platform.h"
#include "base/result.h"

namespace veltrane::runtime {

struct LabelBlock {
  static constexpr std::uint32_t kVersion = 2;

  std::uint32_t version = kVersion;
  std::string caption = "\xB1\xEA\xC7\xA9";                                        // 8, "标签"
  std::int32_t text_effect = 0;                                                    // 9
  std::int32_t border_style = 0;                                                   // 10
  std::int32_t gradient_width = 8;                                                 // 11
  std::array<std::uint32_t, 3> gradient_border = {0x808080, 0xFFFFFF, 0x808080};   // 12-14
  std::optional<LogFont> font;                                                     // 15
  std::uint32_t text_colour = 0;                                                   // 16
  std::uint32_t background = platform::kButtonFace;                                // 17
  std::vector<std::uint8_t> picture;                                               // 18
  std::int32_t picture_layout = 1;                                                 // 19
  std::int32_t gradient_background = 0;                                            // 20
  std::array<std::uint32_t, 3> gradient_colours = {0x808080, 0xFFFFFF, 0x808080};  // 21-23
  std::int32_t h_align = 0;                                                        // 24
  std::int32_t word_wrap = 0;                                                      // 25
  std::int32_t v_align = 1;                                                        // 26
  std::string data_source;                                                         // 27 (version 2)
  std::string data_column;                                                         // 28 (version 2)

  // Writes the fields that `version` has (a version above 2 writes version 2's).
  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 2, a short block, a font of other than 0 or 60
  // bytes, or trailing bytes.
  static Result<LabelBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const LabelBlock&) const = default;
};

}  // namespace veltrane::runtime
