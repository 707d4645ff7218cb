// The window template: the program's serialized description of its windows and
// controls. A writer builds it from a declarative description; a reader checks
// every length, count and offset and hands back each window's UnitTable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace veltrane::runtime {

// UnitId of every window's own record (entry 0 of its UnitTable).
inline constexpr std::uint32_t kWindowUnitId = 0x06010000;

// Library 1 type numbers of the five control types.
enum class TypeCode : std::uint32_t {
  Window = 0x00010001,
  EditBox = 0x00010005,
  Label = 0x0001000A,
  Button = 0x0001000B,
  ComboBox = 0x0001000E,
};

// UnitFlags bits.
inline constexpr std::uint32_t kUnitVisible = 1u << 0;
inline constexpr std::uint32_t kUnitDisabled = 1u << 1;
inline constexpr std::uint32_t kUnitTabStop = 1u << 2;

// One event of a unit and the handler it runs. A handler of -1 means none;
// any other value indexes the program's table of handler routines.
struct EventEntry {
  std::int32_t event = 0;
  std::int32_t handler = -1;
  bool operator==(const EventEntry&) const = default;
};

// One unit (the window itself or a control) as the writer takes it and the
// table decodes it. Texts are GBK.
struct UnitDescription {
  std::uint32_t id = 0;
  std::uint32_t type_code = 0;
  std::uint32_t event_share = 0;  // 0 = none
  std::string name;
  std::string remark;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint32_t parent = 0;  // 0 = the window's client area
  std::vector<std::uint32_t> children;
  std::vector<std::uint8_t> cursor = {0, 0, 0, 0};  // default cursor
  std::string tag;
  std::uint32_t flags = 0;  // UnitFlags
  std::vector<EventEntry> events;
  std::vector<std::uint8_t> type_block;

  bool operator==(const UnitDescription&) const = default;
};

struct WindowDescription {
  std::uint32_t id = 0;                // WindowId
  std::uint32_t word0 = 0;             // carried through, not interpreted
  std::uint32_t word1 = 0;             // carried through, not interpreted
  std::string text0;                   // carried through, not interpreted
  std::string text1;                   // carried through, not interpreted
  std::vector<UnitDescription> units;  // units[0] is the window itself
};

enum class GeometryField { Left, Top, Width, Height };

struct WindowRecord;

// One window's UnitTable: ids, offsets and records, kept as the raw bytes and
// edited in place. Every accessor works on a table that Parse accepted.
class UnitTable {
 public:
  // Checks every offset, length and count; an error names the unit and byte offset.
  static Result<UnitTable> Parse(std::vector<std::uint8_t> bytes, std::uint32_t unit_count);

  int size() const;
  // Index of a unit by id (the window's entry is tested first), or -1.
  int Find(std::uint32_t unit_id) const;
  std::uint32_t IdAt(int index) const;
  // The record decoded into its fields.
  UnitDescription Unit(int index) const;
  std::uint32_t TypeCodeAt(int index) const;
  std::uint32_t EventShareAt(int index) const;
  std::int32_t Geometry(int index, GeometryField field) const;
  std::uint32_t Flags(int index) const;
  std::span<const std::uint8_t> TypeBlock(int index) const;
  std::vector<EventEntry> Events(int index) const;
  std::string_view Name(int index) const;
  std::string_view Tag(int index) const;
  std::span<const std::uint8_t> Cursor(int index) const;
  std::uint32_t Parent(int index) const;
  // The two run-time slots of a record: the created object and the loaded cursor.
  std::uint32_t ObjectSlot(int index) const;
  std::uint32_t CursorSlot(int index) const;

  void SetGeometry(int index, GeometryField field, std::int32_t value);
  void SetFlags(int index, std::uint32_t flags);
  void SetObjectSlot(int index, std::uint32_t object);
  void SetCursorSlot(int index, std::uint32_t cursor);
  // Replace the tag or the cursor data; every later record's offset is corrected.
  void ReplaceTag(int index, std::string_view tag);
  void ReplaceCursor(int index, std::span<const std::uint8_t> cursor);

  std::span<const std::uint8_t> bytes() const;

 private:
  // Where the variable-length parts of one record lie, as offsets into bytes_.
  struct Layout {
    std::size_t start = 0;   // first byte of the record data, after its length word
    std::size_t fixed = 0;   // A: the object slot, after the remark
    std::size_t cursor = 0;  // the cursor data's length word
    std::size_t tag = 0;
    std::size_t flags = 0;
    std::size_t events = 0;  // the event count
    std::size_t type_block = 0;
    std::size_t end = 0;  // one past the record's last byte
  };

  static Result<UnitTable> ParseAt(std::vector<std::uint8_t> bytes, std::uint32_t unit_count,
                                   std::size_t stream_offset);
  std::size_t OffsetsEnd() const { return 8 * static_cast<std::size_t>(count_); }
  std::uint32_t Word(std::size_t at) const;
  void SetWord(std::size_t at, std::uint32_t value);
  // Replaces bytes [from, to) of record index and corrects every later record.
  void Splice(int index, std::size_t from, std::size_t to, std::span<const std::uint8_t> with);

  std::vector<std::uint8_t> bytes_;
  std::uint32_t count_ = 0;
  std::vector<Layout> layout_;

  friend Result<std::vector<WindowRecord>> ReadWindowTemplate(std::span<const std::uint8_t> stream);
};

// One window of a read template.
struct WindowRecord {
  std::uint32_t id = 0;
  std::uint32_t word0 = 0;
  std::uint32_t word1 = 0;
  std::string text0;
  std::string text1;
  UnitTable units;
};

// Serializes one window's units into UnitTable bytes (ids, offsets, records).
std::vector<std::uint8_t> WriteUnitTable(std::span<const UnitDescription> units);

// Serializes windows into the template stream.
std::vector<std::uint8_t> WriteWindowTemplate(std::span<const WindowDescription> windows);

// Reads a template stream; any malformed length, count or offset is an error.
Result<std::vector<WindowRecord>> ReadWindowTemplate(std::span<const std::uint8_t> stream);

}  // namespace veltrane::runtime
