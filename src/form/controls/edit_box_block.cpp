#include "form/controls/edit_box_block.h"

#include "form/controls/block_fields.h"
#include "form/controls/edit_box.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> EditBoxBlock::Encode() const {
  return EncodeBlock(*this, EditBox::kRows);
}

Result<EditBoxBlock> EditBoxBlock::Decode(std::span<const std::uint8_t> bytes) {
  return DecodeBlock<EditBoxBlock>(bytes, "edit box", EditBox::kRows);
}

}  // namespace veltrane::runtime
