#include <array>

#include "form/template/byte_stream.h"
#include "form/template/window_template.h"

namespace veltrane::runtime {
namespace {

constexpr std::array<std::uint8_t, 20> kZeros{};

std::vector<std::uint8_t> WriteUnitRecord(const UnitDescription& unit) {
  ByteWriter out;
  out.U32(unit.type_code);
  out.U32(unit.event_share);
  out.Bytes(std::span(kZeros).first(16));
  out.ZeroText(unit.name);
  out.ZeroText(unit.remark);
  out.U32(0);  // object slot, filled by the loader
  out.I32(unit.left);
  out.I32(unit.top);
  out.I32(unit.width);
  out.I32(unit.height);
  out.U32(0);  // cursor slot, filled by the loader
  out.U32(unit.parent);
  out.U32(static_cast<std::uint32_t>(unit.children.size()));
  for (std::uint32_t child : unit.children) out.U32(child);
  out.CountedBytes(unit.cursor);
  out.ZeroText(unit.tag);
  out.U32(0);
  out.U32(unit.flags);
  out.U32(0);
  out.U32(static_cast<std::uint32_t>(unit.events.size()));
  for (const EventEntry& entry : unit.events) {
    out.I32(entry.event);
    out.I32(entry.handler);
  }
  out.Bytes(kZeros);
  out.Bytes(unit.type_block);
  return out.Take();
}

}  // namespace

std::vector<std::uint8_t> WriteUnitTable(std::span<const UnitDescription> units) {
  ByteWriter records;
  std::vector<std::uint32_t> offsets;
  for (const UnitDescription& unit : units) {
    offsets.push_back(static_cast<std::uint32_t>(records.size()));
    records.CountedBytes(WriteUnitRecord(unit));
  }
  ByteWriter out;
  for (const UnitDescription& unit : units) out.U32(unit.id);
  for (std::uint32_t offset : offsets) out.U32(offset);
  out.Bytes(records.bytes());
  return out.Take();
}

std::vector<std::uint8_t> WriteWindowTemplate(std::span<const WindowDescription> windows) {
  ByteWriter ids;
  for (const WindowDescription& window : windows) ids.U32(window.id);
  for (std::size_t i = 0; i < windows.size(); ++i) ids.U32(0);  // window object slots

  ByteWriter out;
  out.CountedBytes(ids.bytes());
  for (const WindowDescription& window : windows) {
    out.U32(window.word0);
    out.U32(window.word1);
    out.CountedText(window.text0);
    out.CountedText(window.text1);
    out.U32(static_cast<std::uint32_t>(window.units.size()));
    out.CountedBytes(WriteUnitTable(window.units));
  }
  return out.Take();
}

}  // namespace veltrane::runtime
