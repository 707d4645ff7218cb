// The EditBox's type block (version 2): the stored properties, in the order
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

struct EditBoxBlock {
  static constexpr std::uint32_t kVersion = 2;

  std::uint32_t version = kVersion;
  std::string content;
  std::int32_t border_style = 1;
  std::uint32_t text_colour = 0;
  std::uint32_t background = 0xFFFFFF;
  std::optional<LogFont> font;
  std::int32_t hide_selection = 1;
  std::int32_t max_length = 0;
  std::int32_t multi_line = 0;
  std::int32_t scroll_bars = 0;
  std::int32_t alignment = 0;
  std::int32_t input_mode = 0;       // InputMode
  std::uint16_t password_mask = 42;  // a UTF-16 character code
  std::int32_t case_conversion = 0;
  std::int32_t spin_mode = 0;  // SpinMode
  std::int32_t spin_min = 0;
  std::int32_t spin_max = 100;
  std::int32_t selection_start = 0;
  std::int32_t selection_length = 0;
  std::string data_source;
  std::string data_column;

  // Writes the fields that `version` has (a version above 2 writes version 2's).
  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 2, a short block, a font of other than 0 or 60
  // bytes, or trailing bytes.
  static Result<EditBoxBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const EditBoxBlock&) const = default;
};

}  // namespace veltrane::runtime
