#include "form/controls/label_block.h"

#include "form/controls/block_fields.h"
#include "form/controls/label.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> LabelBlock::Encode() const { return EncodeBlock(*this, Label::kRows); }

Result<LabelBlock> LabelBlock::Decode(std::span<const std::uint8_t> bytes) {
  return DecodeBlock<LabelBlock>(bytes, "label", Label::kRows);
}

}  // namespace veltrane::runtime
