// A font property read or written whole or by part (the SubIndex of the
// property services). Internal to the form runtime.
#pragma once

#include <cstdint>
#include <optional>

#include "form/controls/log_font.h"

namespace veltrane::runtime::form {

// Part `sub_index` (0 angle, 1 bold, 2 italic, 3 strike-out, 4 underline,
// 5 point size, 6 face name as a new heap text) or, for -1, a new heap block
// holding a FontRecord; 0 for any other sub_index.
std::uint64_t ReadFontPart(const std::optional<LogFont>& font, std::int32_t sub_index);

// The font after writing part `sub_index` (or, for -1, a whole FontRecord the
// words point to; null keeps the default font); any other sub_index changes nothing.
std::optional<LogFont> WriteFontPart(const std::optional<LogFont>& font, std::int32_t sub_index,
                                     std::uint32_t lo, std::uint32_t hi);

}  // namespace veltrane::runtime::form
