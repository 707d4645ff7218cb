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
#include "form/controls/property_row.h"
#include "form/controls/table_control.h"

namespace veltrane::runtime {

// Drop-down styles are made at least this high: the height of the open list.
inline constexpr int kComboListHeight = 160;

class ComboBox final : public TableControl<ComboBox, ComboBoxBlock> {
 public:
  using Row = PropertyRow<ComboBox, ComboBoxBlock>;
  // Properties 8 to 24, in the order of the type block; the selected text is
  // computed and has no place in it.
  static const std::array<Row, 17> kRows;

  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  ComboBox(const ControlType& type, platform::Platform& platform, ComboBoxBlock block)
      : TableControl(type, platform, std::move(block)) {}

  platform::ComboLook Look() const;
  std::vector<std::uint8_t> Serialize() override;

  // Item `index` in list order; nullopt outside the list.
  std::optional<std::string_view> ItemText(int index) const;
  // The selection the user picked, kept in the record.
  int LiveSelection();

 protected:
  void ApplyLook() override;

 private:
  bool Editable() const { return block_.style != 2; }
  // Clamps to [-1, item count - 1], stores and selects.
  void Select(std::int64_t index);
  // A sorted box keeps its items (and their data) in sorted order.
  void SortIfNeeded();
  const std::string& LiveContent();

  // Accessors of the rows whose value is live or computed.
  void GetSelection(PropertyValue& out);
  SetEffect SetSelection(const PropertyInfo& info, const PropertyValue& value);
  void GetContent(PropertyValue& out);
  SetEffect SetContent(const PropertyInfo& info, const PropertyValue& value);
  void GetSelectedText(PropertyValue& out);
  SetEffect SetSelectedText(const PropertyInfo& info, const PropertyValue& value);
  SetEffect SetSelectionStart(const PropertyInfo& info, const PropertyValue& value);
  SetEffect SetSelectionLength(const PropertyInfo& info, const PropertyValue& value);
  // Moves the platform's text selection to the record's, clamped to the text.
  void ShowTextSelection();
  void GetItems(PropertyValue& out);
  SetEffect SetItems(const PropertyInfo& info, const PropertyValue& value);
  void GetItemData(PropertyValue& out);
  SetEffect SetItemData(const PropertyInfo& info, const PropertyValue& value);

  std::vector<std::uint8_t> scratch_bytes_;  // backs byte views of the two lists
};

inline constexpr std::array<ComboBox::Row, 17> ComboBox::kRows = {{
    ComboBox::Row{Prop(kComboStyle, PropertyKind::Enumeration, 0, 2), &ComboBoxBlock::style}
        .FixedAtCreation(),
    {Prop(kComboMaxLength, PropertyKind::Number, 0, INT32_MAX), &ComboBoxBlock::max_length},
    ComboBox::Row{Prop(kComboSelectionStart, PropertyKind::Number, 0, INT32_MAX),
                  &ComboBoxBlock::selection_start}
        .Live(nullptr, &ComboBox::SetSelectionStart),
    ComboBox::Row{Prop(kComboSelectionLength, PropertyKind::Number, 0, INT32_MAX),
                  &ComboBoxBlock::selection_length}
        .Live(nullptr, &ComboBox::SetSelectionLength),
    ComboBox::Row{Prop(kComboSorted, PropertyKind::Logical), &ComboBoxBlock::sorted}
        .FixedAtCreation(),
    {Prop(kComboExtraItemHeight, PropertyKind::Number), &ComboBoxBlock::extra_item_height},
    {Prop(kComboTextColour, PropertyKind::Colour), &ComboBoxBlock::text_colour},
    {Prop(kComboBackground, PropertyKind::BackgroundColour), &ComboBoxBlock::background},
    // Clamped to the item list by its setter.
    ComboBox::Row{Prop(kComboSelection, PropertyKind::Number), &ComboBoxBlock::selection}.Live(
        &ComboBox::GetSelection, &ComboBox::SetSelection),
    {Prop(kComboFont, PropertyKind::Font), &ComboBoxBlock::font},
    ComboBox::Row{Prop(kComboItemData, PropertyKind::List), &ComboBoxBlock::item_data}.Live(
        &ComboBox::GetItemData, &ComboBox::SetItemData),
    ComboBox::Row{Prop(kComboContent, PropertyKind::Text), &ComboBoxBlock::content}.Live(
        &ComboBox::GetContent, &ComboBox::SetContent),
    ComboBox::Row{Prop(kComboItems, PropertyKind::List), &ComboBoxBlock::items}.Live(
        &ComboBox::GetItems, &ComboBox::SetItems),
    ComboBox::Row{Prop(kComboDataSource, PropertyKind::DataSource), &ComboBoxBlock::data_source}
        .Since(2),
    ComboBox::Row{Prop(kComboDataColumn, PropertyKind::DataColumn), &ComboBoxBlock::data_column}
        .Since(2),
    ComboBox::Row{Prop(24, PropertyKind::Logical), &ComboBoxBlock::property24}.Since(3),
    ComboBox::Row{Prop(kComboSelectedText, PropertyKind::Text)}.Live(&ComboBox::GetSelectedText,
                                                                     &ComboBox::SetSelectedText),
}};
static_assert(IsSoundRows(ComboBox::kRows));

// The combo box's property descriptions from 8 up, as its control type registers them.
inline constexpr std::array<PropertyInfo, 17> kComboBoxProperties =
    InfoInIndexOrder(ComboBox::kRows);
static_assert(kComboBoxProperties.size() + 8 == 25, "a combo box has 25 properties");

}  // namespace veltrane::runtime
