#include "form/controls/window_block.h"

#include "form/controls/block_codec.h"

namespace veltrane::runtime {

std::vector<std::uint8_t> WindowBlock::Encode() const {
  BlockWriter w;
  w.U32(version);
  for (std::int32_t v : {border_style, picture_layout}) w.I32(v);
  w.U32(background);
  for (std::int32_t v : {maximise_box, minimise_box, control_box, position, closable, property14,
                         property21, property22, property23, property25}) {
    w.I32(v);
  }
  if (version > 1) w.I32(property26);
  if (version > 2) {
    w.I32(property27);
    w.I32(property28);
  }
  if (version > 3) w.I32(always_on_top);
  if (version > 4) w.I32(property30);
  if (version >= 6) w.CountedText(class_name);
  w.CountedBytes(picture);
  w.CountedBytes(icon);
  w.CountedBytes(sound);
  w.CountedText(caption);
  w.CountedText(file_name);
  return w.Take();
}

Result<WindowBlock> WindowBlock::Decode(std::span<const std::uint8_t> bytes) {
  BlockReader r(bytes, "window");
  WindowBlock b;
  if (!r.Version(b.version, kVersion)) return r.Finish().error();
  r.I32(b.border_style);
  r.I32(b.picture_layout);
  r.U32(b.background);
  for (std::int32_t* v :
       {&b.maximise_box, &b.minimise_box, &b.control_box, &b.position, &b.closable, &b.property14,
        &b.property21, &b.property22, &b.property23, &b.property25}) {
    r.I32(*v);
  }
  if (b.version > 1) r.I32(b.property26);
  if (b.version > 2) {
    r.I32(b.property27);
    r.I32(b.property28);
  }
  if (b.version > 3) r.I32(b.always_on_top);
  if (b.version > 4) r.I32(b.property30);
  if (b.version == 6) r.CountedText(b.class_name);
  r.CountedBytes(b.picture);
  r.CountedBytes(b.icon);
  r.CountedBytes(b.sound);
  r.CountedText(b.caption);
  r.CountedText(b.file_name);
  if (Result<bool> done = r.Finish(); !done) return done.error();
  return b;
}

}  // namespace veltrane::runtime
