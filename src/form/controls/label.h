// Label ("标签"): an owner-painted text; the platform paints it from its LabelLook.
#pragma once

#include <array>
#include <memory>
#include <span>

#include "form/controls/label_block.h"
#include "form/controls/property_row.h"
#include "form/controls/table_control.h"

namespace veltrane::runtime {

class Label final : public TableControl<Label, LabelBlock> {
 public:
  using Row = PropertyRow<Label, LabelBlock>;
  // Properties 8 to 28, in the order of the type block.
  static const std::array<Row, 21> kRows;

  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  Label(const ControlType& type, platform::Platform& platform, LabelBlock block)
      : TableControl(type, platform, std::move(block)) {}

  // How the label paints: the caption in its font and colours, the text
  // effect's extra copy first, on its background (0xFF000000 = button face).
  platform::LabelLook Look() const;
  std::vector<std::uint8_t> Serialize() override { return block_.Encode(); }

 protected:
  void ApplyLook() override;
};

inline constexpr std::array<Label::Row, 21> Label::kRows = {{
    {Prop(kLabelTextEffect, PropertyKind::Enumeration, 0, 3), &LabelBlock::text_effect},
    {Prop(kLabelGradientWidth, PropertyKind::Number, 5, INT32_MAX), &LabelBlock::gradient_width},
    {Prop(kLabelBorderStyle, PropertyKind::Enumeration, 0, 6), &LabelBlock::border_style},
    {Prop(kLabelGradientBorder1, PropertyKind::BorderColour), &LabelBlock::gradient_border1},
    {Prop(kLabelGradientBorder2, PropertyKind::BorderColour), &LabelBlock::gradient_border2},
    {Prop(kLabelGradientBorder3, PropertyKind::BorderColour), &LabelBlock::gradient_border3},
    {Prop(kLabelTextColour, PropertyKind::Colour), &LabelBlock::text_colour},
    {Prop(kLabelBackground, PropertyKind::BackgroundColour), &LabelBlock::background},
    {Prop(kLabelPictureLayout, PropertyKind::Enumeration, 0, 2), &LabelBlock::picture_layout},
    {Prop(kLabelGradientBackground, PropertyKind::Enumeration, 0, 8),
     &LabelBlock::gradient_background},
    {Prop(kLabelGradientColour1, PropertyKind::BorderColour), &LabelBlock::gradient_colour1},
    {Prop(kLabelGradientColour2, PropertyKind::BorderColour), &LabelBlock::gradient_colour2},
    {Prop(kLabelGradientColour3, PropertyKind::BorderColour), &LabelBlock::gradient_colour3},
    {Prop(kLabelHAlign, PropertyKind::Enumeration, 0, 2), &LabelBlock::h_align},
    {Prop(kLabelVAlign, PropertyKind::Enumeration, 0, 2), &LabelBlock::v_align},
    {Prop(kLabelWordWrap, PropertyKind::Logical), &LabelBlock::word_wrap},
    {Prop(kLabelFont, PropertyKind::Font), &LabelBlock::font},
    {Prop(kLabelPicture, PropertyKind::Picture), &LabelBlock::picture},
    {Prop(kLabelCaption, PropertyKind::Text), &LabelBlock::caption},
    Label::Row{Prop(kLabelDataSource, PropertyKind::DataSource), &LabelBlock::data_source}.Since(2),
    Label::Row{Prop(kLabelDataColumn, PropertyKind::DataColumn), &LabelBlock::data_column}.Since(2),
}};
static_assert(IsSoundRows(Label::kRows));

// The label's property descriptions from 8 up, as its control type registers them.
inline constexpr std::array<PropertyInfo, 21> kLabelProperties = InfoInIndexOrder(Label::kRows);
static_assert(kLabelProperties.size() + 8 == 29, "a label has 29 properties");

}  // namespace veltrane::runtime
