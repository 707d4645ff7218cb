#include "form/controls/edit_box_block.h"

#include "form/controls/block_codec.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> EditBoxBlock::Encode() const {
  BlockWriter w;
  w.U32(version);
  w.I32(border_style);
  w.U32(text_colour);
  w.U32(background);
  for (std::int32_t v :
       {hide_selection, max_length, multi_line, scroll_bars, alignment, input_mode}) {
    w.I32(v);
  }
  w.U16(password_mask);
  for (std::int32_t v :
       {case_conversion, spin_mode, spin_min, spin_max, selection_start, selection_length}) {
    w.I32(v);
  }
  w.CountedBytes(EncodeStoredFont(font));
  w.CountedText(content);
  if (version >= 2) {
    w.CountedText(data_source);
    w.CountedText(data_column);
  }
  return w.Take();
}

Result<EditBoxBlock> EditBoxBlock::Decode(std::span<const std::uint8_t> bytes) {
  BlockReader r(bytes, "edit box");
  EditBoxBlock b;
  if (!r.Version(b.version, kVersion)) return r.Finish().error();
  r.I32(b.border_style);
  r.U32(b.text_colour);
  r.U32(b.background);
  for (std::int32_t* v : {&b.hide_selection, &b.max_length, &b.multi_line, &b.scroll_bars,
                          &b.alignment, &b.input_mode}) {
    r.I32(*v);
  }
  r.U16(b.password_mask);
  for (std::int32_t* v : {&b.case_conversion, &b.spin_mode, &b.spin_min, &b.spin_max,
                          &b.selection_start, &b.selection_length}) {
    r.I32(*v);
  }
  r.StoredFont(b.font);
  r.CountedText(b.content);
  if (b.version == 2) {
    r.CountedText(b.data_source);
    r.CountedText(b.data_column);
  }
  if (Result<bool> done = r.Finish(); !done) return done.error();
  return b;
}

}  // namespace veltrane::runtime
