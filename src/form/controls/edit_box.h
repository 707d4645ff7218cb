// EditBox ("编辑框"): a platform edit control, with an up-down control when
// its SpinMode is not 0.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>

#include "form/controls/edit_box_block.h"
#include "form/controls/property_row.h"
#include "form/controls/table_control.h"

namespace veltrane::runtime {

// What a click on a spin arrow led to.
enum class SpinOutcome {
  Ignored,  // no spin, or the box is disabled or hidden
  Stepped,  // automatic stepping wrote a new content (its change event follows)
  Event,    // SpinMode 2: the box raises its spin event with +1 or -1
};

class EditBox final : public TableControl<EditBox, EditBoxBlock> {
 public:
  using Row = PropertyRow<EditBox, EditBoxBlock>;
  // Properties 8 to 28, in the order of the type block; the selected text is
  // computed and has no place in it.
  static const std::array<Row, 21> kRows;

  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  EditBox(const ControlType& type, platform::Platform& platform, EditBoxBlock block)
      : TableControl(type, platform, std::move(block)) {}

  platform::EditLook Look() const;
  std::vector<std::uint8_t> Serialize() override;

  // The typed-character filter of the box's InputMode.
  bool AcceptsTypedChar(char32_t ch) const;
  // A click on a spin arrow (+1 up, -1 down).
  SpinOutcome Spin(int delta);

 protected:
  void ApplyLook() override;

 private:
  // The live text, kept in the record.
  const std::string& LiveContent();

  // Accessors of the rows whose value is live or computed.
  void GetContent(PropertyValue& out);
  SetEffect SetContent(const PropertyInfo& info, const PropertyValue& value);
  void GetPasswordMask(PropertyValue& out);
  SetEffect SetPasswordMask(const PropertyInfo& info, const PropertyValue& value);
  SetEffect SetSelectionStart(const PropertyInfo& info, const PropertyValue& value);
  SetEffect SetSelectionLength(const PropertyInfo& info, const PropertyValue& value);
  // Moves the platform's selection to the record's, clamped to the text.
  void ShowSelection();
  void GetSelectedText(PropertyValue& out);
  SetEffect SetSelectedText(const PropertyInfo& info, const PropertyValue& value);

  std::string scratch_;  // backs text views of computed properties
};

inline constexpr std::array<EditBox::Row, 21> EditBox::kRows = {{
    {Prop(kEditBorderStyle, PropertyKind::Enumeration, 0, 5), &EditBoxBlock::border_style},
    {Prop(kEditTextColour, PropertyKind::Colour), &EditBoxBlock::text_colour},
    {Prop(kEditBackground, PropertyKind::BackgroundColour), &EditBoxBlock::background},
    {Prop(kEditHideSelection, PropertyKind::Logical), &EditBoxBlock::hide_selection},
    {Prop(kEditMaxLength, PropertyKind::Number, 0, INT32_MAX), &EditBoxBlock::max_length},
    EditBox::Row{Prop(kEditMultiLine, PropertyKind::Logical), &EditBoxBlock::multi_line}
        .FixedAtCreation(),
    EditBox::Row{Prop(kEditScrollBars, PropertyKind::Enumeration, 0, 3), &EditBoxBlock::scroll_bars}
        .FixedAtCreation(),
    {Prop(kEditAlignment, PropertyKind::Enumeration, 0, 2), &EditBoxBlock::alignment},
    {Prop(kEditInputMode, PropertyKind::Enumeration, 0, 10), &EditBoxBlock::input_mode},
    EditBox::Row{Prop(kEditPasswordMask, PropertyKind::Text), &EditBoxBlock::password_mask}.Live(
        &EditBox::GetPasswordMask, &EditBox::SetPasswordMask),
    {Prop(kEditCaseConversion, PropertyKind::Enumeration, 0, 2), &EditBoxBlock::case_conversion},
    EditBox::Row{Prop(kEditSpinMode, PropertyKind::Enumeration, 0, 2), &EditBoxBlock::spin_mode}
        .FixedAtCreation(),
    {Prop(kEditSpinMin, PropertyKind::Number), &EditBoxBlock::spin_min},
    {Prop(kEditSpinMax, PropertyKind::Number), &EditBoxBlock::spin_max},
    EditBox::Row{Prop(kEditSelectionStart, PropertyKind::Number, 0, INT32_MAX),
                 &EditBoxBlock::selection_start}
        .Live(nullptr, &EditBox::SetSelectionStart),
    EditBox::Row{Prop(kEditSelectionLength, PropertyKind::Number, 0, INT32_MAX),
                 &EditBoxBlock::selection_length}
        .Live(nullptr, &EditBox::SetSelectionLength),
    {Prop(kEditFont, PropertyKind::Font), &EditBoxBlock::font},
    EditBox::Row{Prop(kEditContent, PropertyKind::Text), &EditBoxBlock::content}.Live(
        &EditBox::GetContent, &EditBox::SetContent),
    EditBox::Row{Prop(kEditDataSource, PropertyKind::DataSource), &EditBoxBlock::data_source}.Since(
        2),
    EditBox::Row{Prop(kEditDataColumn, PropertyKind::DataColumn), &EditBoxBlock::data_column}.Since(
        2),
    EditBox::Row{Prop(kEditSelectedText, PropertyKind::Text)}.Live(&EditBox::GetSelectedText,
                                                                   &EditBox::SetSelectedText),
}};
static_assert(IsSoundRows(EditBox::kRows));

// The edit box's property descriptions from 8 up, as its control type registers them.
inline constexpr std::array<PropertyInfo, 21> kEditBoxProperties = InfoInIndexOrder(EditBox::kRows);
static_assert(kEditBoxProperties.size() + 8 == 29, "an edit box has 29 properties");

}  // namespace veltrane::runtime
