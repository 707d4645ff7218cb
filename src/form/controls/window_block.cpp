#include "form/controls/window_block.h"

#include "form/controls/block_fields.h"
#include "form/controls/window_control.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> WindowBlock::Encode() const {
  return EncodeBlock(*this, WindowControl::kRows);
}

Result<WindowBlock> WindowBlock::Decode(std::span<const std::uint8_t> bytes) {
  return DecodeBlock<WindowBlock>(bytes, "window", WindowControl::kRows);
}

}  // namespace veltrane::runtime
