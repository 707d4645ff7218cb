// The window's type block (version 6): its stored properties 8 to 31.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "base/result.h"

namespace veltrane::runtime {

struct WindowBlock {
  static constexpr std::uint32_t kVersion = 6;

  std::uint32_t version = kVersion;
  std::string caption;                               // 8
  std::int32_t border_style = 2;                     // 9
  std::uint32_t background = platform::kButtonFace;  // 10
  std::vector<std::uint8_t> picture;                 // 11
  std::int32_t picture_layout = 1;                   // 12
  std::vector<std::uint8_t> sound;                   // 13
  std::int32_t property14 = 0;                       // 14
  std::int32_t control_box = 1;                      // 15
  std::int32_t maximise_box = 0;                     // 16
  std::int32_t minimise_box = 1;                     // 17
  std::int32_t position = 1;                         // 18
  std::int32_t closable = 1;                         // 19
  std::vector<std::uint8_t> icon;                    // 20
  std::int32_t property21 = 0;                       // 21
  std::int32_t property22 = 1;                       // 22
  std::int32_t property23 = 0;                       // 23
  std::string file_name;                             // 24
  std::int32_t property25 = 0;                       // 25
  std::int32_t property26 = 1;                       // 26 (version 2 on)
  std::int32_t property27 = 0;                       // 27 (version 3 on)
  std::int32_t property28 = 0;                       // 28 (version 3 on)
  std::int32_t always_on_top = 0;                    // 29 (version 4 on)
  std::int32_t property30 = 0;                       // 30 (version 5 on)
  std::string class_name;                            // 31 (version 6)

  // Writes the fields that `version` has (a version above 6 writes version 6's).
  std::vector<std::uint8_t> Encode() const;
  // Fails on a version above 6, a short block or trailing bytes.
  static Result<WindowBlock> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const WindowBlock&) const = default;
};

}  // namespace veltrane::runtime
