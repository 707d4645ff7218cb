#include <algorithm>
#include <cstdio>
#include <string>

#include "form/template/byte_stream.h"
#include "form/template/window_template.h"

namespace veltrane::runtime {
namespace {

std::string WindowName(std::uint32_t id) {
  char name[32];
  std::snprintf(name, sizeof name, "window 0x%08X", static_cast<unsigned>(id));
  return name;
}

Error StreamError(std::string_view window, std::size_t at, std::string_view what) {
  std::string message;
  if (!window.empty()) message += std::string(window) + ", ";
  message += "byte " + std::to_string(at) + ": ";
  message += what;
  return Error{std::move(message)};
}

}  // namespace

Result<std::vector<WindowRecord>> ReadWindowTemplate(std::span<const std::uint8_t> stream) {
  ByteReader reader(stream);
  const auto id_block = reader.CountedBytes();
  if (!id_block) return StreamError({}, 0, "window id block runs past the stream");
  if (id_block->size() % 8 != 0)
    return StreamError({}, 0, "window id block is not 8 bytes a window");
  const std::size_t window_count = id_block->size() / 8;

  std::vector<std::uint32_t> ids(window_count);
  for (std::size_t w = 0; w < window_count; ++w) ids[w] = LoadU32(id_block->data() + 4 * w);
  std::vector<std::uint32_t> sorted = ids;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
    return StreamError({}, 4, "two windows share one id");
  }

  std::vector<WindowRecord> windows;
  windows.reserve(window_count);
  for (std::uint32_t id : ids) {
    const std::string name = WindowName(id);
    auto fail = [&](std::string_view what) { return StreamError(name, reader.position(), what); };
    WindowRecord window;
    window.id = id;
    const auto word0 = reader.U32();
    const auto word1 = reader.U32();
    if (!word0 || !word1) return fail("window record runs past the stream");
    window.word0 = *word0;
    window.word1 = *word1;
    auto text0 = reader.CountedText();
    if (!text0) return fail("first text runs past the stream");
    auto text1 = reader.CountedText();
    if (!text1) return fail("second text runs past the stream");
    window.text0 = std::move(*text0);
    window.text1 = std::move(*text1);
    const auto unit_count = reader.U32();
    if (!unit_count) return fail("unit count runs past the stream");
    const std::size_t table_at = reader.position() + 4;
    const auto table_bytes = reader.CountedBytes();
    if (!table_bytes) return fail("unit table runs past the stream");
    auto table = UnitTable::ParseAt(
        std::vector<std::uint8_t>(table_bytes->begin(), table_bytes->end()), *unit_count, table_at);
    if (!table) return Error{name + ", " + table.error().message};
    window.units = std::move(*table);
    windows.push_back(std::move(window));
  }
  if (!reader.at_end()) return StreamError({}, reader.position(), "bytes after the last window");
  return windows;
}

}  // namespace veltrane::runtime
