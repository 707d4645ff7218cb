// The ComboBox's type block (version 3): the stored properties, in the order
// and the versions that the type's property rows give.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "form/controls/block_codec.h"
#include "form/controls/log_font.h"

namespace veltrane::runtime {

struct ComboBoxBlock {
  static constexpr std::uint32_t kVersion = 3;

  std::uint32_t version = kVersion;
  std::int32_t style = 1;  // 0 simple, 1 drop-down, 2 drop-down list
  std::string content;
  std::int32_t max_length = 0;
  std::int32_t selection_start = 0;
  std::int32_t selection_length = 0;
  std::int32_t sorted = 0;
  std::int32_t extra_item_height = 1;
  std::uint32_t text_colour = 0;
  std::uint32_t background = 0xFFFFFF;
  std::optional<LogFont> font;
  std::int32_t selection = -1;
  std::vector<std::string> items;
  std::vector<std::uint32_t> item_data;  // empty, or one value per item
  std::string data_source;
  std::string data_column;
  std::int32_t property24 = 0;

  // Writes the fields that `version` has (a version above 3 writes version 3's).
  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 3, a short block, a font of other than 0 or 60
  // bytes, item data not a whole number of 32-bit values, or trailing bytes.
  static Result<ComboBoxBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const ComboBoxBlock&) const = default;
};

// The items as a text list (16-bit count, or 0xFFFF and a 32-bit count, then
// counted texts): the byte block of property 20.
std::vector<std::uint8_t> EncodeTextList(std::span<const std::string> items);
Result<std::vector<std::string>> DecodeTextList(std::span<const std::uint8_t> bytes);

}  // namespace veltrane::runtime
