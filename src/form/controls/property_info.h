// What a property is: its kind (how its value passes to and from handlers),
// its flags and the range a write is clamped to. Each control type declares
// its properties once, as a constexpr table checked at compile time.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>

#include "form/controls/property_index.h"

namespace veltrane::runtime {

enum class PropertyKind : std::uint16_t {
  Integer = 1000,
  Number = 1001,    // 32-bit integer (positions, sizes, lengths)
  Long = 1002,      // 64-bit value
  Logical = 1003,   // reads yield 1 only when the stored value is 1
  DateTime = 1004,  // 64-bit value
  Text = 1005,
  Enumeration = 1006,  // a negative written value becomes 0
  Picture = 1009,
  Icon = 1010,
  MouseCursor = 1011,
  Sound = 1012,
  Font = 1013,    // stored LOGFONT, or none for the default GUI font
  Colour = 1014,  // COLORREF 0x00BBGGRR
  BorderColour = 1015,
  FileName = 1016,
  BackgroundColour = 1017,  // 0xFF000000 = the system's button face
  DataSource = 1018,
  DataColumn = 1020,
  ByteBlock = 1023,
  List = 1024,
};

// How a kind's value crosses the property services.
enum class ValueClass { Int32, Int64, Boolean, Text, Bytes, Font, Invalid };

constexpr ValueClass ClassOf(PropertyKind kind) {
  switch (kind) {
    case PropertyKind::Integer:
    case PropertyKind::Number:
    case PropertyKind::Enumeration:
    case PropertyKind::Colour:
    case PropertyKind::BorderColour:
    case PropertyKind::BackgroundColour:
      return ValueClass::Int32;
    case PropertyKind::Long:
    case PropertyKind::DateTime:
      return ValueClass::Int64;
    case PropertyKind::Logical:
      return ValueClass::Boolean;
    case PropertyKind::Text:
    case PropertyKind::FileName:
    case PropertyKind::DataSource:
    case PropertyKind::DataColumn:
      return ValueClass::Text;
    case PropertyKind::Picture:
    case PropertyKind::Icon:
    case PropertyKind::MouseCursor:
    case PropertyKind::Sound:
    case PropertyKind::ByteBlock:
    case PropertyKind::List:
      return ValueClass::Bytes;
    case PropertyKind::Font:
      return ValueClass::Font;
  }
  return ValueClass::Invalid;
}

inline constexpr std::uint16_t kCommonPropertyFlags = 0xE000;
inline constexpr std::uint16_t kTypePropertyFlags = 0x8000;

struct PropertyInfo {
  PropertyIndex index = 0;
  PropertyKind kind = PropertyKind::Number;
  std::uint16_t flags = kTypePropertyFlags;
  // Written integers are clamped to [min, max].
  std::int32_t min = std::numeric_limits<std::int32_t>::min();
  std::int32_t max = std::numeric_limits<std::int32_t>::max();

  constexpr std::int32_t Clamp(std::int64_t v) const {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, min, max));
  }
};

// A type-specific table entry; enumerations written negative become 0, so
// their range starts at 0.
constexpr PropertyInfo Prop(PropertyIndex index, PropertyKind kind) {
  PropertyInfo p{index, kind};
  if (kind == PropertyKind::Enumeration) p.min = 0;
  return p;
}
constexpr PropertyInfo Prop(PropertyIndex index, PropertyKind kind, std::int32_t min,
                            std::int32_t max) {
  return PropertyInfo{index, kind, kTypePropertyFlags, min, max};
}

// Properties 0 to 7, common to every type.
inline constexpr std::array<PropertyInfo, 8> kCommonProperties = {{
    {kLeft, PropertyKind::Number, kCommonPropertyFlags, -32627, 32627},
    {kTop, PropertyKind::Number, kCommonPropertyFlags, -32627, 32627},
    {kWidth, PropertyKind::Number, kCommonPropertyFlags, 0, 32627},
    {kHeight, PropertyKind::Number, kCommonPropertyFlags, 0, 32627},
    {kTag, PropertyKind::Text, kCommonPropertyFlags},
    {kVisible, PropertyKind::Logical, kCommonPropertyFlags},
    {kDisabled, PropertyKind::Logical, kCommonPropertyFlags},
    {kMouseCursor, PropertyKind::MouseCursor, kCommonPropertyFlags},
}};

// A table is sound when its indexes run densely from `first` and every kind
// is one the property services know.
constexpr bool IsSoundTable(std::span<const PropertyInfo> table, PropertyIndex first) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].index != first + static_cast<PropertyIndex>(i)) return false;
    if (ClassOf(table[i].kind) == ValueClass::Invalid) return false;
    if (table[i].min > table[i].max) return false;
    if (table[i].kind == PropertyKind::Enumeration && table[i].min < 0) return false;
  }
  return true;
}

static_assert(IsSoundTable(kCommonProperties, 0));

}  // namespace veltrane::runtime
