// Building one unit of a test window template.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "form/template/window_template.h"
#include "platform/platform.h"

namespace veltrane::testing_template {

// A unit with its type block, UnitFlags and rectangle; everything else as stored by default.
inline runtime::UnitDescription Unit(std::uint32_t id, runtime::TypeCode type,
                                     std::vector<std::uint8_t> block, std::uint32_t flags,
                                     platform::Rect r) {
  runtime::UnitDescription u;
  u.id = id;
  u.type_code = static_cast<std::uint32_t>(type);
  u.left = r.left;
  u.top = r.top;
  u.width = r.width;
  u.height = r.height;
  u.flags = flags;
  u.type_block = std::move(block);
  return u;
}

}  // namespace veltrane::testing_template
