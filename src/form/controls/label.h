// Label ("标签"): an owner-painted text; the platform paints it from its LabelLook.
#pragma once

#include <array>
#include <memory>
#include <span>

#include "form/controls/control.h"
#include "form/controls/label_block.h"

namespace veltrane::runtime {

// Properties 8 to 28.
inline constexpr std::array<PropertyInfo, 21> kLabelProperties = {{
    Prop(kLabelCaption, PropertyKind::Text),
    Prop(kLabelTextEffect, PropertyKind::Enumeration, 0, 3),
    Prop(kLabelBorderStyle, PropertyKind::Enumeration, 0, 6),
    Prop(kLabelGradientWidth, PropertyKind::Number, 5, INT32_MAX),
    Prop(kLabelGradientBorder1, PropertyKind::BorderColour),
    Prop(kLabelGradientBorder2, PropertyKind::BorderColour),
    Prop(kLabelGradientBorder3, PropertyKind::BorderColour),
    Prop(kLabelFont, PropertyKind::Font),
    Prop(kLabelTextColour, PropertyKind::Colour),
    Prop(kLabelBackground, PropertyKind::BackgroundColour),
    Prop(kLabelPicture, PropertyKind::Picture),
    Prop(kLabelPictureLayout, PropertyKind::Enumeration, 0, 2),
    Prop(kLabelGradientBackground, PropertyKind::Enumeration, 0, 8),
    Prop(kLabelGradientColour1, PropertyKind::BorderColour),
    Prop(kLabelGradientColour2, PropertyKind::BorderColour),
    Prop(kLabelGradientColour3, PropertyKind::BorderColour),
    Prop(kLabelHAlign, PropertyKind::Enumeration, 0, 2),
    Prop(kLabelWordWrap, PropertyKind::Logical),
    Prop(kLabelVAlign, PropertyKind::Enumeration, 0, 2),
    Prop(kLabelDataSource, PropertyKind::DataSource),
    Prop(kLabelDataColumn, PropertyKind::DataColumn),
}};
static_assert(IsSoundTable(kLabelProperties, kFirstTypeProperty));
static_assert(kLabelProperties.size() + 8 == 29, "a label has 29 properties");

class Label final : public Control {
 public:
  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  Label(const ControlType& type, platform::Platform& platform, LabelBlock block)
      : Control(type, platform), block_(std::move(block)) {}

  const LabelBlock& block() const { return block_; }
  // How the label paints: the caption in its font and colours, the text
  // effect's extra copy first, on its background (0xFF000000 = button face).
  platform::LabelLook Look() const;
  std::vector<std::uint8_t> Serialize() override { return block_.Encode(); }

 protected:
  Field FieldOf(int index) override;
  void ApplyLook() override;

 private:
  LabelBlock block_;
};

}  // namespace veltrane::runtime
