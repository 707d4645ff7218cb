#include "form/controls/combo_box_block.h"

#include "form/controls/block_codec.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> ComboBoxBlock::Encode() const {
  BlockWriter w;
  w.U32(version);
  for (std::int32_t v :
       {style, max_length, selection_start, selection_length, sorted, extra_item_height}) {
    w.I32(v);
  }
  w.U32(text_colour);
  w.U32(background);
  w.I32(selection);
  w.CountedBytes(EncodeStoredFont(font));
  w.CountedBytes(EncodeItemData(item_data));
  w.CountedText(content);
  w.TextList(items);
  if (version > 1) {
    w.CountedText(data_source);
    w.CountedText(data_column);
  }
  if (version >= 3) w.I32(property24);
  return w.Take();
}

Result<ComboBoxBlock> ComboBoxBlock::Decode(std::span<const std::uint8_t> bytes) {
  BlockReader r(bytes, "combo box");
  ComboBoxBlock b;
  if (!r.Version(b.version, kVersion)) return r.Finish().error();
  for (std::int32_t* v : {&b.style, &b.max_length, &b.selection_start, &b.selection_length,
                          &b.sorted, &b.extra_item_height}) {
    r.I32(*v);
  }
  r.U32(b.text_colour);
  r.U32(b.background);
  r.I32(b.selection);
  r.StoredFont(b.font);
  std::vector<std::uint8_t> data;
  if (r.CountedBytes(data)) {
    if (Result<std::vector<std::uint32_t>> values = DecodeItemData(data)) {
      b.item_data = std::move(*values);
    } else {
      r.Reject(values.error().message);
    }
  }
  r.CountedText(b.content);
  r.TextList(b.items);
  if (b.version > 1) {
    r.CountedText(b.data_source);
    r.CountedText(b.data_column);
  }
  if (b.version == 3) r.I32(b.property24);
  if (Result<bool> done = r.Finish(); !done) return done.error();
  return b;
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

std::vector<std::uint8_t> EncodeItemData(std::span<const std::uint32_t> values) {
  BlockWriter w;
  for (std::uint32_t v : values) w.U32(v);
  return w.Take();
}

Result<std::vector<std::uint32_t>> DecodeItemData(std::span<const std::uint8_t> bytes) {
  if (bytes.size() % 4 != 0) {
    return Error{"item data of " + std::to_string(bytes.size()) + " bytes"};
  }
  BlockReader r(bytes, "item data");
  std::vector<std::uint32_t> values(bytes.size() / 4);
  for (std::uint32_t& v : values) r.U32(v);
  return values;
}

}  // namespace veltrane::runtime
