// The window's type block (version 6): the stored properties, in the order
// and the versions that the type's property rows give.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "platform/platform.h"

namespace veltrane::runtime {

struct WindowBlock {
  static constexpr std::uint32_t kVersion = 6;

  std::uint32_t version = kVersion;
  std::string caption;
  std::int32_t border_style = 2;
  std::uint32_t background = platform::kButtonFace;
  std::vector<std::uint8_t> picture;
  std::int32_t picture_layout = 1;
  std::vector<std::uint8_t> sound;
  std::int32_t property14 = 0;
  std::int32_t control_box = 1;
  std::int32_t maximise_box = 0;
  std::int32_t minimise_box = 1;
  std::int32_t position = 1;
  std::int32_t closable = 1;
  std::vector<std::uint8_t> icon;
  std::int32_t property21 = 0;
  std::int32_t property22 = 1;
  std::int32_t property23 = 0;
  std::string file_name;
  std::int32_t property25 = 0;
  std::int32_t property26 = 1;
  std::int32_t property27 = 0;
  std::int32_t property28 = 0;
  std::int32_t always_on_top = 0;
  std::int32_t property30 = 0;
  std::string class_name;

  // Writes the fields that `version` has (a version above 6 writes version 6's).
  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 6, a short block or trailing bytes.
  static Result<WindowBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const WindowBlock&) const = default;
};

}  // namespace veltrane::runtime
