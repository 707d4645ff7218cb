// A control whose properties are read and written through its type's row
// table (`Self::kRows`): the generic part of every control type's Get and Set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "form/controls/control.h"
#include "form/controls/property_row.h"

namespace veltrane::runtime {

template <typename Self, typename Block>
class TableControl : public Control {
 public:
  TableControl(const ControlType& type, platform::Platform& platform, Block block)
      : Control(type, platform), block_(std::move(block)) {}

  const Block& block() const { return block_; }

  bool Get(int index, PropertyValue& out) override {
    const auto* row = RowAt(index);
    if (row == nullptr) return false;
    if (row->get != nullptr) {
      (static_cast<Self&>(*this).*row->get)(out);
      return true;
    }
    return std::visit([&](auto field) { return GetField(field, out); }, row->field);
  }

  SetEffect Set(int index, const PropertyValue& value) override {
    const auto* row = RowAt(index);
    if (row == nullptr) return SetEffect::None;
    if (row->set != nullptr) return (static_cast<Self&>(*this).*row->set)(row->info, value);
    const bool stored =
        std::visit([&](auto field) { return SetField(field, row->info, value); }, row->field);
    if (!stored) return SetEffect::None;
    if (row->recreate) return SetEffect::Recreate;
    ApplyLook();
    return SetEffect::None;
  }

 protected:
  // Hands the look built from the record to the platform (repaints).
  virtual void ApplyLook() = 0;

  // Brings every stored integer into its property's range (after decoding a
  // type block, so the platform only ever sees valid settings).
  void ClampStoredFields() {
    for (const auto& row : Self::kRows) {
      if (const auto* field = std::get_if<std::int32_t Block::*>(&row.field)) {
        block_.** field = row.info.Clamp(block_.**field);
      }
    }
  }

  Block block_;

 private:
  // The row of type-specific property `index` (property - 8); null past the table.
  static const PropertyRow<Self, Block>* RowAt(int index) {
    static constexpr auto kPlaces = RowPlaces(Self::kRows);
    if (index < 0 || static_cast<std::size_t>(index) >= kPlaces.size()) return nullptr;
    return &Self::kRows[kPlaces[static_cast<std::size_t>(index)]];
  }

  bool GetField(std::int32_t Block::*f, PropertyValue& out) const {
    out.number = block_.*f;
    return true;
  }
  bool GetField(std::uint32_t Block::*f, PropertyValue& out) const {
    out.number = block_.*f;
    return true;
  }
  bool GetField(std::string Block::*f, PropertyValue& out) const {
    out.text = block_.*f;
    return true;
  }
  bool GetField(std::vector<std::uint8_t> Block::*f, PropertyValue& out) const {
    out.bytes = block_.*f;
    return true;
  }
  bool GetField(std::optional<LogFont> Block::*f, PropertyValue& out) const {
    out.font = block_.*f;
    return true;
  }
  // Fields that only accessors read (checked by IsSoundRows).
  template <typename Other>
  bool GetField(Other /*field*/, PropertyValue& /*out*/) const {
    return false;
  }

  bool SetField(std::int32_t Block::*f, const PropertyInfo& info, const PropertyValue& v) {
    block_.*f = info.Clamp(v.number);
    return true;
  }
  bool SetField(std::uint32_t Block::*f, const PropertyInfo& /*info*/, const PropertyValue& v) {
    block_.*f = static_cast<std::uint32_t>(v.number);
    return true;
  }
  bool SetField(std::string Block::*f, const PropertyInfo& /*info*/, const PropertyValue& v) {
    (block_.*f).assign(v.text);
    return true;
  }
  bool SetField(std::vector<std::uint8_t> Block::*f, const PropertyInfo& /*info*/,
                const PropertyValue& v) {
    (block_.*f).assign(v.bytes.begin(), v.bytes.end());
    return true;
  }
  bool SetField(std::optional<LogFont> Block::*f, const PropertyInfo& /*info*/,
                const PropertyValue& v) {
    block_.*f = v.font;
    return true;
  }
  template <typename Other>
  bool SetField(Other /*field*/, const PropertyInfo& /*info*/, const PropertyValue& /*v*/) {
    return false;
  }
};

}  // namespace veltrane::runtime
