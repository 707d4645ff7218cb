#include "form/controls/button_block.h"

#include "form/controls/block_fields.h"
#include "form/controls/button.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> ButtonBlock::Encode() const { return EncodeBlock(*this, Button::kRows); }

Result<ButtonBlock> ButtonBlock::Decode(std::span<const std::uint8_t> bytes) {
  return DecodeBlock<ButtonBlock>(bytes, "button", Button::kRows);
}

}  // namespace veltrane::runtime
