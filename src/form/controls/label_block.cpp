#include "form/controls/label_block.h"

#include "form/controls/block_codec.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> LabelBlock::Encode() const {
  BlockWriter w;
  w.U32(version);
  w.I32(text_effect);
  w.I32(gradient_width);
  w.I32(border_style);
  for (std::uint32_t c : gradient_border) w.U32(c);
  w.U32(text_colour);
  w.U32(background);
  w.I32(picture_layout);
  w.I32(gradient_background);
  for (std::uint32_t c : gradient_colours) w.U32(c);
  w.I32(h_align);
  w.I32(v_align);
  w.I32(word_wrap);
  w.CountedBytes(EncodeStoredFont(font));
  w.CountedBytes(picture);
  w.CountedText(caption);
  if (version >= 2) {
    w.CountedText(data_source);
    w.CountedText(data_column);
  }
  return w.Take();
}

Result<LabelBlock> LabelBlock::Decode(std::span<const std::uint8_t> bytes) {
  BlockReader r(bytes, "label");
  LabelBlock b;
  if (!r.Version(b.version, kVersion)) return r.Finish().error();
  r.I32(b.text_effect);
  r.I32(b.gradient_width);
  r.I32(b.border_style);
  for (std::uint32_t& c : b.gradient_border) r.U32(c);
  r.U32(b.text_colour);
  r.U32(b.background);
  r.I32(b.picture_layout);
  r.I32(b.gradient_background);
  for (std::uint32_t& c : b.gradient_colours) r.U32(c);
  r.I32(b.h_align);
  r.I32(b.v_align);
  r.I32(b.word_wrap);
  r.StoredFont(b.font);
  r.CountedBytes(b.picture);
  r.CountedText(b.caption);
  if (b.version == 2) {
    r.CountedText(b.data_source);
    r.CountedText(b.data_column);
  }
  if (Result<bool> done = r.Finish(); !done) return done.error();
  return b;
}

}  // namespace veltrane::runtime
