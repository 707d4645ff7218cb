#include "form/font_property.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "base/memory.h"
#include "form/form_runtime.h"

namespace veltrane::runtime::form {
namespace {

constexpr int kDpi = 96;

// The default GUI font as a record: 9 points, normal weight, default face.
LogFont DefaultFont() {
  LogFont f;
  f.height = -12;
  return f;
}

std::int32_t PointSize(const LogFont& f) {
  const std::int64_t pixels = f.height < 0 ? -static_cast<std::int64_t>(f.height) : f.height;
  return static_cast<std::int32_t>((pixels * 72 + kDpi / 2) / kDpi);
}

std::int32_t HeightForPoints(std::int32_t points) {
  const std::int64_t pixels = (static_cast<std::int64_t>(points) * kDpi + 36) / 72;
  return static_cast<std::int32_t>(-std::min<std::int64_t>(pixels, INT32_MAX));
}

std::int32_t Angle(std::int64_t tenths) {
  return static_cast<std::int32_t>(((tenths % 3600) + 3600) % 3600);
}

std::int32_t Part(const LogFont& f, std::int32_t sub_index) {
  switch (sub_index) {
    case 0:
      return f.escapement;
    case 1:
      return f.weight >= 700 ? 1 : 0;
    case 2:
      return f.italic != 0 ? 1 : 0;
    case 3:
      return f.strike_out != 0 ? 1 : 0;
    case 4:
      return f.underline != 0 ? 1 : 0;
    case 5:
      return PointSize(f);
    default:
      return 0;
  }
}

void SetPart(LogFont& f, std::int32_t sub_index, std::int32_t value) {
  switch (sub_index) {
    case 0:
      f.escapement = f.orientation = Angle(value);
      break;
    case 1:
      f.weight = value != 0 ? 700 : 400;
      break;
    case 2:
      f.italic = value != 0 ? 1 : 0;
      break;
    case 3:
      f.strike_out = value != 0 ? 1 : 0;
      break;
    case 4:
      f.underline = value != 0 ? 1 : 0;
      break;
    case 5:
      f.height = HeightForPoints(std::max(value, 1));
      break;
    default:
      break;
  }
}

}  // namespace

std::uint64_t ReadFontPart(const std::optional<LogFont>& font, std::int32_t sub_index) {
  const LogFont f = font.value_or(DefaultFont());
  if (sub_index == 6) return WordsFromPointer(HeapText::Copy(f.FaceName()).release());
  if (sub_index >= 0 && sub_index <= 5) return static_cast<std::uint32_t>(Part(f, sub_index));
  if (sub_index != -1) return 0;
  // One block: the record, then its face name, to which the record points.
  const std::string_view face = f.FaceName();
  auto* block = static_cast<std::uint8_t*>(
      AllocMemory(static_cast<std::int32_t>(sizeof(FontRecord) + face.size() + 1)));
  char* face_copy = reinterpret_cast<char*>(block + sizeof(FontRecord));
  std::memcpy(face_copy, face.data(), face.size());
  const FontRecord record{Part(f, 0), Part(f, 1), Part(f, 2), Part(f, 3),
                          Part(f, 4), Part(f, 5), face_copy};
  std::memcpy(block, &record, sizeof record);
  return WordsFromPointer(block);
}

std::optional<LogFont> WriteFontPart(const std::optional<LogFont>& font, std::int32_t sub_index,
                                     std::uint32_t lo, std::uint32_t hi) {
  LogFont f = font.value_or(DefaultFont());
  if (sub_index == -1) {
    const void* p = PointerFromWords(lo, hi);
    if (p == nullptr) return std::nullopt;
    FontRecord record;
    std::memcpy(&record, p, sizeof record);
    const std::int32_t parts[] = {record.angle,      record.bold,      record.italic,
                                  record.strike_out, record.underline, record.point_size};
    for (std::int32_t part = 0; part <= 5; ++part) SetPart(f, part, parts[part]);
    f.SetFaceName(record.face != nullptr ? std::string_view(record.face) : std::string_view());
    return f;
  }
  if (sub_index == 6) {
    const char* face = static_cast<const char*>(PointerFromWords(lo, hi));
    f.SetFaceName(face != nullptr ? std::string_view(face) : std::string_view());
  } else if (sub_index >= 0 && sub_index <= 5) {
    SetPart(f, sub_index, static_cast<std::int32_t>(lo));
  } else {
    return font;
  }
  return f;
}

}  // namespace veltrane::runtime::form
