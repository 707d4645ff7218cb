#include "form/controls/combo_box_block.h"

#include "form/controls/block_codec.h"
#include "form/controls/block_fields.h"
#include "form/controls/combo_box.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> ComboBoxBlock::Encode() const {
  return EncodeBlock(*this, ComboBox::kRows);
}

Result<ComboBoxBlock> ComboBoxBlock::Decode(std::span<const std::uint8_t> bytes) {
  return DecodeBlock<ComboBoxBlock>(bytes, "combo box", ComboBox::kRows);
}

std::vector<std::uint8_t> EncodeTextList(std::span<const std::string> items) {
  BlockWriter w;
  w.TextList(items);
  return w.Take();
}

Result<std::vector<std::string>> DecodeTextList(std::span<const std::uint8_t> bytes) {
  BlockReader r(bytes, "text list");
  std::vector<std::string> items;
  r.TextList(items);
  if (Result<bool> done = r.Finish(); !done) return done.error();
  return items;
}

}  // namespace veltrane::runtime
