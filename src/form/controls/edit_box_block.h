// The EditBox's type block (version 2): its stored properties 8 to 28.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "form/controls/log_font.h"
#include "base/result.h"

namespace veltrane::runtime {

struct EditBoxBlock {
  static constexpr std::uint32_t kVersion = 2;

  std::uint32_t version = kVersion;
  std::string content;                  // 8
  std::int32_t border_style = 1;        // 9
  std::uint32_t text_colour = 0;        // 10
  std::uint32_t background = 0xFFFFFF;  // 11
  std::optional<LogFont> font;          // 12
  std::int32_t hide_selection = 1;      // 13
  std::int32_t max_length = 0;          // 14
  std::int32_t multi_line = 0;          // 15
  std::int32_t scroll_bars = 0;         // 16
  std::int32_t alignment = 0;           // 17
  std::int32_t input_mode = 0;          // 18, InputMode
  std::uint16_t password_mask = 42;     // 19, a UTF-16 character code
  std::int32_t case_conversion = 0;     // 20
  std::int32_t spin_mode = 0;           // 21, SpinMode
  std::int32_t spin_min = 0;            // 22
  std::int32_t spin_max = 100;          // 23
  std::int32_t selection_start = 0;     // 24
  std::int32_t selection_length = 0;    // 25
  std::string data_source;              // 27 (version 2)
  std::string data_column;              // 28 (version 2)

  // Writes the fields that `version` has (a version above 2 writes version 2's).
  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 2, a short block, a font of other than 0 or 60
  // bytes, or trailing bytes.
  static Result<EditBoxBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const EditBoxBlock&) const = default;
};

}  // namespace veltrane::runtime
