// A control type's properties as one table: each row says what the property
// is (index, kind, range), where its type block stores it (a member pointer,
// or none when it is computed), from which block version on, and the
// control's accessors where the value is live or computed. The property
// services, the control's Get and Set and the block codec all read this one
// row. Rows are listed in the order of the type block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "form/controls/control.h"

namespace veltrane::runtime {

// Where the type block stores a property; the member's type decides its
// encoding (32-bit values, a 16-bit character code, counted texts and bytes,
// a stored font, a text list, a list of 32-bit values as counted bytes).
template <typename Block>
using StoredField =
    std::variant<std::monostate, std::int32_t Block::*, std::uint32_t Block::*,
                 std::uint16_t Block::*, std::string Block::*, std::vector<std::uint8_t> Block::*,
                 std::optional<LogFont> Block::*, std::vector<std::string> Block::*,
                 std::vector<std::uint32_t> Block::*>;

template <typename Control, typename Block>
struct PropertyRow {
  using Getter = void (Control::*)(PropertyValue& out);
  using Setter = SetEffect (Control::*)(const PropertyInfo& info, const PropertyValue& value);

  PropertyInfo info;
  StoredField<Block> field{};
  std::uint32_t since = 0;  // the first block version that stores the field
  Getter get = nullptr;     // reads a live or computed value instead of the field
  Setter set = nullptr;     // writes a live or computed value instead of the field
  bool recreate = false;    // the platform fixes it at creation
  // Whether get and set are given, kept apart from the pointers because some
  // compilers cannot compare a member pointer with null in a constant
  // expression when the sanitizers are on.
  bool has_get = false;
  bool has_set = false;

  // Stored only from block version `version` on.
  constexpr PropertyRow Since(std::uint32_t version) const {
    PropertyRow r = *this;
    r.since = version;
    return r;
  }
  // Read and written through the control's own functions (either may be null).
  constexpr PropertyRow Live(Getter getter, Setter setter) const {
    PropertyRow r = *this;
    r.get = getter;
    r.set = setter;
    r.has_get = true;
    r.has_set = true;
    return r;
  }
  constexpr PropertyRow Live(Getter getter, std::nullptr_t) const {
    PropertyRow r = *this;
    r.get = getter;
    r.has_get = true;
    return r;
  }
  constexpr PropertyRow Live(std::nullptr_t, Setter setter) const {
    PropertyRow r = *this;
    r.set = setter;
    r.has_set = true;
    return r;
  }
  // A write re-creates the platform control.
  constexpr PropertyRow FixedAtCreation() const {
    PropertyRow r = *this;
    r.recreate = true;
    return r;
  }
  // True when Get and Set can use the stored field as it is.
  constexpr bool FieldIsDirect() const {
    return !std::holds_alternative<std::monostate>(field) &&
           !std::holds_alternative<std::uint16_t Block::*>(field) &&
           !std::holds_alternative<std::vector<std::string> Block::*>(field) &&
           !std::holds_alternative<std::vector<std::uint32_t> Block::*>(field);
  }
};

// The rows' descriptions in property order, from index 8: the table the
// control type registers.
template <typename Row, std::size_t N>
constexpr std::array<PropertyInfo, N> InfoInIndexOrder(const std::array<Row, N>& rows) {
  std::array<PropertyInfo, N> infos{};
  for (const Row& row : rows) {
    const auto at = static_cast<std::size_t>(row.info.index - kFirstTypeProperty);
    if (at < N) infos[at] = row.info;
  }
  return infos;
}

// For each type-specific index, the place of its row in the table.
template <typename Row, std::size_t N>
constexpr std::array<std::uint8_t, N> RowPlaces(const std::array<Row, N>& rows) {
  std::array<std::uint8_t, N> places{};
  for (std::size_t i = 0; i < N; ++i) {
    const auto at = static_cast<std::size_t>(rows[i].info.index - kFirstTypeProperty);
    if (at < N) places[at] = static_cast<std::uint8_t>(i);
  }
  return places;
}

// A table is sound when its indexes are each of 8..N+7 once, its
// descriptions are sound, and every property Get and Set cannot take straight
// from its field (none, a character code, a list) has both accessors.
template <typename Row, std::size_t N>
constexpr bool IsSoundRows(const std::array<Row, N>& rows) {
  static_assert(N < 256, "a row place must fit in a byte");
  std::array<bool, N> seen{};
  for (const Row& row : rows) {
    const PropertyIndex at = row.info.index - kFirstTypeProperty;
    if (at < 0 || static_cast<std::size_t>(at) >= N || seen[static_cast<std::size_t>(at)]) {
      return false;
    }
    seen[static_cast<std::size_t>(at)] = true;
    if (!row.FieldIsDirect() && !(row.has_get && row.has_set)) return false;
  }
  const std::array<PropertyInfo, N> infos = InfoInIndexOrder(rows);
  return IsSoundTable(infos, kFirstTypeProperty);
}

}  // namespace veltrane::runtime
