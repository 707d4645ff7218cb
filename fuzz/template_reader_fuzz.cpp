// Feeds arbitrary bytes to the window template reader. Rejected streams are
// expected; every accepted one must be walkable unit by unit, and its tables
// must survive the in-place edits the form runtime makes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "form/template/window_template.h"

using namespace veltrane::runtime;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto read = ReadWindowTemplate(std::span<const std::uint8_t>(data, size));
  if (!read.ok()) return 0;
  for (WindowRecord& window : *read) {
    UnitTable& table = window.units;
    for (int k = 0; k < table.size(); ++k) {
      const UnitDescription unit = table.Unit(k);
      if (table.Find(unit.id) != k) __builtin_trap();
      (void)table.TypeBlock(k);
      (void)table.Events(k);
    }
    // The edits of the common properties: a longer tag, then an empty cursor.
    for (int k = 0; k < table.size(); ++k) {
      table.ReplaceTag(k, "edited tag");
      table.ReplaceCursor(k, {});
      table.SetGeometry(k, GeometryField::Left, -32627);
    }
    for (int k = 0; k < table.size(); ++k) {
      if (table.Tag(k) != "edited tag" || !table.Cursor(k).empty()) __builtin_trap();
      (void)table.Unit(k);
    }
  }
  return 0;
}
