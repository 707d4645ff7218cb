#include <algorithm>
#include <cassert>
#include <numeric>
#include <string>

#include "form/template/byte_stream.h"
#include "form/template/window_template.h"

namespace veltrane::runtime {
namespace {

// Head of a record: TypeCode, event-sharing id, 16 reserved bytes; the name follows.
constexpr std::size_t kHeadSize = 24;
// From A: object slot, left, top, width, height, cursor slot, parent; the child count follows.
constexpr std::size_t kFixedSize = 28;
constexpr std::size_t kTrailerSize = 20;  // reserved bytes after the event table

constexpr std::size_t kGeometryOffset[] = {4, 8, 12, 16};  // from A, by GeometryField
constexpr std::size_t kCursorSlotOffset = 20;
constexpr std::size_t kParentOffset = 24;
constexpr std::size_t kChildCountOffset = 28;

Error TableError(std::size_t at, int unit, std::string_view what) {
  std::string message;
  if (unit >= 0) message += "unit " + std::to_string(unit) + ", ";
  message += "byte " + std::to_string(at) + ": ";
  message += what;
  return Error{std::move(message)};
}

}  // namespace

Result<UnitTable> UnitTable::Parse(std::vector<std::uint8_t> bytes, std::uint32_t unit_count) {
  return ParseAt(std::move(bytes), unit_count, 0);
}

Result<UnitTable> UnitTable::ParseAt(std::vector<std::uint8_t> bytes, std::uint32_t unit_count,
                                     std::size_t stream_offset) {
  UnitTable table;
  table.bytes_ = std::move(bytes);
  table.count_ = unit_count;
  const std::vector<std::uint8_t>& b = table.bytes_;
  auto fail = [&](std::size_t at, int unit, std::string_view what) {
    return TableError(stream_offset + at, unit, what);
  };

  if (unit_count == 0) return fail(0, -1, "unit table has no units");
  if (unit_count > b.size() / 8) return fail(0, -1, "id and offset arrays run past the table");
  const std::size_t body = table.OffsetsEnd();
  const std::size_t body_size = b.size() - body;

  table.layout_.resize(unit_count);
  for (std::uint32_t k = 0; k < unit_count; ++k) {
    const int unit = static_cast<int>(k);
    const std::size_t offset_at = 4 * (static_cast<std::size_t>(unit_count) + k);
    const std::size_t offset = table.Word(offset_at);
    if (offset > body_size || body_size - offset < 4) {
      return fail(offset_at, unit, "record offset outside the table");
    }
    const std::size_t length = table.Word(body + offset);
    if (length > body_size - offset - 4) {
      return fail(body + offset, unit, "record length runs past the table");
    }
    table.layout_[k].start = body + offset + 4;
    table.layout_[k].end = body + offset + 4 + length;
  }

  // Records may not share bytes: an in-place edit of one must leave the others whole.
  std::vector<std::uint32_t> order(unit_count);
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
    return table.layout_[x].start < table.layout_[y].start;
  });
  for (std::size_t i = 1; i < order.size(); ++i) {
    const Layout& previous = table.layout_[order[i - 1]];
    const Layout& next = table.layout_[order[i]];
    if (next.start - 4 < previous.end) {
      return fail(next.start - 4, static_cast<int>(order[i]), "record overlaps another record");
    }
  }

  if (table.IdAt(0) != kWindowUnitId)
    return fail(0, 0, "first unit is not the window's own record");
  std::vector<std::uint32_t> ids(unit_count);
  for (std::uint32_t k = 0; k < unit_count; ++k) ids[k] = table.IdAt(static_cast<int>(k));
  std::sort(ids.begin(), ids.end());
  if (std::adjacent_find(ids.begin(), ids.end()) != ids.end()) {
    return fail(0, -1, "two units share one id");
  }

  for (std::uint32_t k = 0; k < unit_count; ++k) {
    const int unit = static_cast<int>(k);
    Layout& layout = table.layout_[k];
    const std::size_t start = layout.start;
    ByteReader reader(std::span<const std::uint8_t>(b).subspan(start, layout.end - start));
    auto here = [&] { return start + reader.position(); };

    if (!reader.Skip(kHeadSize)) return fail(here(), unit, "record shorter than its head");
    if (!reader.ZeroText()) return fail(here(), unit, "name has no terminator");
    if (!reader.ZeroText()) return fail(here(), unit, "remark has no terminator");
    layout.fixed = here();
    if (!reader.Skip(kFixedSize)) return fail(here(), unit, "fixed fields run past the record");
    const auto children = reader.U32();
    if (!children || *children > reader.remaining() / 4 ||
        !reader.Skip(std::size_t{4} * *children)) {
      return fail(here(), unit, "child list runs past the record");
    }
    layout.cursor = here();
    if (!reader.CountedBytes()) return fail(here(), unit, "cursor data runs past the record");
    layout.tag = here();
    if (!reader.ZeroText()) return fail(here(), unit, "tag has no terminator");
    if (!reader.Skip(4)) return fail(here(), unit, "flags run past the record");
    layout.flags = here();
    if (!reader.Skip(8)) return fail(here(), unit, "flags run past the record");
    layout.events = here();
    const auto events = reader.U32();
    if (!events || *events > reader.remaining() / 8) {
      return fail(layout.events, unit, "event table runs past the record");
    }
    for (std::uint32_t e = 0; e < *events; ++e) {
      reader.Skip(4);
      const std::size_t handler_at = here();
      if (*reader.I32() < -1) return fail(handler_at, unit, "handler reference below -1");
    }
    if (!reader.Skip(kTrailerSize))
      return fail(here(), unit, "record ends inside its reserved bytes");
    layout.type_block = here();
  }
  return table;
}

int UnitTable::size() const { return static_cast<int>(count_); }

std::uint32_t UnitTable::Word(std::size_t at) const {
  assert(at + 4 <= bytes_.size());
  return LoadU32(bytes_.data() + at);
}

void UnitTable::SetWord(std::size_t at, std::uint32_t value) {
  assert(at + 4 <= bytes_.size());
  StoreU32(bytes_.data() + at, value);
}

int UnitTable::Find(std::uint32_t unit_id) const {
  if (count_ > 0 && IdAt(0) == unit_id) return 0;
  for (int k = 0; k < size(); ++k) {
    if (IdAt(k) == unit_id) return k;
  }
  return -1;
}

std::uint32_t UnitTable::IdAt(int index) const {
  assert(index >= 0 && index < size());
  return Word(4 * static_cast<std::size_t>(index));
}

std::uint32_t UnitTable::TypeCodeAt(int index) const { return Word(layout_[index].start); }

std::uint32_t UnitTable::EventShareAt(int index) const { return Word(layout_[index].start + 4); }

std::int32_t UnitTable::Geometry(int index, GeometryField field) const {
  const std::size_t at = layout_[index].fixed + kGeometryOffset[static_cast<int>(field)];
  return static_cast<std::int32_t>(Word(at));
}

std::uint32_t UnitTable::Flags(int index) const { return Word(layout_[index].flags); }

std::span<const std::uint8_t> UnitTable::TypeBlock(int index) const {
  const Layout& layout = layout_[index];
  return std::span<const std::uint8_t>(bytes_).subspan(layout.type_block,
                                                       layout.end - layout.type_block);
}

std::vector<EventEntry> UnitTable::Events(int index) const {
  const std::size_t at = layout_[index].events;
  std::vector<EventEntry> events(Word(at));
  for (std::size_t e = 0; e < events.size(); ++e) {
    events[e].event = static_cast<std::int32_t>(Word(at + 4 + 8 * e));
    events[e].handler = static_cast<std::int32_t>(Word(at + 8 + 8 * e));
  }
  return events;
}

std::string_view UnitTable::Name(int index) const {
  const auto* p = reinterpret_cast<const char*>(bytes_.data() + layout_[index].start + kHeadSize);
  return std::string_view(p);  // the terminator was checked by Parse
}

std::string_view UnitTable::Tag(int index) const {
  return std::string_view(reinterpret_cast<const char*>(bytes_.data() + layout_[index].tag));
}

std::span<const std::uint8_t> UnitTable::Cursor(int index) const {
  const std::size_t at = layout_[index].cursor;
  return std::span<const std::uint8_t>(bytes_).subspan(at + 4, Word(at));
}

std::uint32_t UnitTable::Parent(int index) const {
  return Word(layout_[index].fixed + kParentOffset);
}

std::uint32_t UnitTable::ObjectSlot(int index) const { return Word(layout_[index].fixed); }

std::uint32_t UnitTable::CursorSlot(int index) const {
  return Word(layout_[index].fixed + kCursorSlotOffset);
}

UnitDescription UnitTable::Unit(int index) const {
  const Layout& layout = layout_[index];
  UnitDescription unit;
  unit.id = IdAt(index);
  unit.type_code = TypeCodeAt(index);
  unit.event_share = EventShareAt(index);
  unit.name = Name(index);
  unit.remark = reinterpret_cast<const char*>(bytes_.data() + layout.start + kHeadSize +
                                              unit.name.size() + 1);
  unit.left = Geometry(index, GeometryField::Left);
  unit.top = Geometry(index, GeometryField::Top);
  unit.width = Geometry(index, GeometryField::Width);
  unit.height = Geometry(index, GeometryField::Height);
  unit.parent = Parent(index);
  const std::size_t child_count = Word(layout.fixed + kChildCountOffset);
  for (std::size_t c = 0; c < child_count; ++c) {
    unit.children.push_back(Word(layout.fixed + kChildCountOffset + 4 + 4 * c));
  }
  const auto cursor = Cursor(index);
  unit.cursor.assign(cursor.begin(), cursor.end());
  unit.tag = Tag(index);
  unit.flags = Flags(index);
  unit.events = Events(index);
  const auto type_block = TypeBlock(index);
  unit.type_block.assign(type_block.begin(), type_block.end());
  return unit;
}

void UnitTable::SetGeometry(int index, GeometryField field, std::int32_t value) {
  SetWord(layout_[index].fixed + kGeometryOffset[static_cast<int>(field)],
          static_cast<std::uint32_t>(value));
}

void UnitTable::SetFlags(int index, std::uint32_t flags) { SetWord(layout_[index].flags, flags); }

void UnitTable::SetObjectSlot(int index, std::uint32_t object) {
  SetWord(layout_[index].fixed, object);
}

void UnitTable::SetCursorSlot(int index, std::uint32_t cursor) {
  SetWord(layout_[index].fixed + kCursorSlotOffset, cursor);
}

void UnitTable::ReplaceTag(int index, std::string_view tag) {
  ByteWriter field;
  field.ZeroText(tag);
  const std::size_t from = layout_[index].tag;
  Splice(index, from, from + Tag(index).size() + 1, field.bytes());
}

void UnitTable::ReplaceCursor(int index, std::span<const std::uint8_t> cursor) {
  ByteWriter field;
  field.CountedBytes(cursor);
  const std::size_t from = layout_[index].cursor;
  Splice(index, from, from + 4 + Word(from), field.bytes());
}

void UnitTable::Splice(int index, std::size_t from, std::size_t to,
                       std::span<const std::uint8_t> with) {
  const auto removed = static_cast<std::ptrdiff_t>(to - from);
  const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(with.size()) - removed;
  const auto at = bytes_.begin() + static_cast<std::ptrdiff_t>(from);
  const auto common = std::min(removed, static_cast<std::ptrdiff_t>(with.size()));
  std::copy_n(with.begin(), common, at);
  if (delta > 0) {
    bytes_.insert(at + common, with.begin() + common, with.end());
  } else if (delta < 0) {
    bytes_.erase(at + common, at + removed);
  }
  if (delta == 0) return;

  auto shift = [delta](std::size_t& position) {
    position = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(position) + delta);
  };
  Layout& edited = layout_[index];
  for (std::size_t* field : {&edited.cursor, &edited.tag, &edited.flags, &edited.events,
                             &edited.type_block, &edited.end}) {
    if (*field > from) shift(*field);
  }
  SetWord(edited.start - 4, static_cast<std::uint32_t>(edited.end - edited.start));
  // Every record stored after the edited one moves by delta, and so does its offset.
  const std::size_t edited_start = edited.start;
  for (int k = 0; k < size(); ++k) {
    Layout& layout = layout_[k];
    if (layout.start <= edited_start) continue;
    for (std::size_t* field : {&layout.start, &layout.fixed, &layout.cursor, &layout.tag,
                               &layout.flags, &layout.events, &layout.type_block, &layout.end}) {
      shift(*field);
    }
    const std::size_t offset_at = 4 * (static_cast<std::size_t>(count_) + k);
    SetWord(offset_at, static_cast<std::uint32_t>(layout.start - 4 - OffsetsEnd()));
  }
}

std::span<const std::uint8_t> UnitTable::bytes() const { return bytes_; }

}  // namespace veltrane::runtime
