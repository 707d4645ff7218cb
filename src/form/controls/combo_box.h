// ComboBox ("组合框"): a platform combo box with its item list; event 0 is
// the user's choice of an item.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "form/controls/combo_box_block.h"
#include "form/controls/control.h"

namespace veltrane::runtime {

// Properties 8 to 24.
inline constexpr std::array<PropertyInfo, 17> kComboBoxProperties = {{
    Prop(kComboStyle, PropertyKind::Enumeration, 0, 2),
    Prop(kComboContent, PropertyKind::Text),
    Prop(kComboMaxLength, PropertyKind::Number, 0, INT32_MAX),
    Prop(kComboSelectionStart, PropertyKind::Number, 0, INT32_MAX),
    Prop(kComboSelectionLength, PropertyKind::Number, 0, INT32_MAX),
    Prop(kComboSelectedText, PropertyKind::Text),
    Prop(kComboSorted, PropertyKind::Logical),
    Prop(kComboExtraItemHeight, PropertyKind::Number),
    Prop(kComboTextColour, PropertyKind::Colour),
    Prop(kComboBackground, PropertyKind::BackgroundColour),
    Prop(kComboFont, PropertyKind::Font),
    Prop(kComboSelection, PropertyKind::Number),  // clamped to the item list by the set
    Prop(kComboItems, PropertyKind::List),
    Prop(kComboItemData, PropertyKind::List),
    Prop(kComboDataSource, PropertyKind::DataSource),
    Prop(kComboDataColumn, PropertyKind::DataColumn),
    Prop(24, PropertyKind::Logical),
}};
static_assert(IsSoundTable(kComboBoxProperties, kFirstTypeProperty));
static_assert(kComboBoxProperties.size() + 8 == 25, "a combo box has 25 properties");

// Drop-down styles are made at least this high: the height of the open list.
inline constexpr int kComboListHeight = 160;

class ComboBox final : public Control {
 public:
  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  ComboBox(const ControlType& type, platform::Platform& platform, ComboBoxBlock block)
      : Control(type, platform), block_(std::move(block)) {}

  const ComboBoxBlock& block() const { return block_; }
  platform::ComboLook Look() const;
  std::vector<std::uint8_t> Serialize() override;

  // Item `index` in list order; nullopt outside the list.
  std::optional<std::string_view> ItemText(int index) const;
  // The selection the user picked, kept in the record.
  int LiveSelection();

 protected:
  Field FieldOf(int index) override;
  bool GetLive(int index, PropertyValue& out) override;
  std::optional<SetEffect> SetLive(int index, const PropertyValue& value) override;
  bool FixedAtCreation(int index) const override;
  void ApplyLook() override;

 private:
  bool Editable() const { return block_.style != 2; }
  // Clamps to [-1, item count - 1], stores and selects.
  void Select(std::int64_t index);
  // A sorted box keeps its items (and their data) in sorted order.
  void SortIfNeeded();
  const std::string& LiveContent();

  ComboBoxBlock block_;
  std::string scratch_text_;
  std::vector<std::uint8_t> scratch_bytes_;
};

}  // namespace veltrane::runtime
