#include "form/controls/button_block.h"

#include "form/controls/block_codec.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> ButtonBlock::Encode() const {
  BlockWriter w;
  w.U32(version);
  w.I32(type);
  w.I32(h_align);
  w.I32(v_align);
  w.CountedBytes(picture);
  w.CountedBytes(EncodeStoredFont(font));
  w.CountedText(caption);
  return w.Take();
}

Result<ButtonBlock> ButtonBlock::Decode(std::span<const std::uint8_t> bytes) {
  BlockReader r(bytes, "button");
  ButtonBlock b;
  if (!r.Version(b.version, kVersion)) return r.Finish().error();
  r.I32(b.type);
  r.I32(b.h_align);
  r.I32(b.v_align);
  r.CountedBytes(b.picture);
  r.StoredFont(b.font);
  r.CountedText(b.caption);
  if (Result<bool> done = r.Finish(); !done) return done.error();
  return b;
}

}  // namespace veltrane::runtime
