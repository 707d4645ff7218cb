// Button ("按钮"): a platform push button; event 0 is its click.
#pragma once

#include <array>
#include <memory>
#include <span>

#include "form/controls/button_block.h"
#include "form/controls/property_row.h"
#include "form/controls/table_control.h"

namespace veltrane::runtime {

class Button final : public TableControl<Button, ButtonBlock> {
 public:
  using Row = PropertyRow<Button, ButtonBlock>;
  // Properties 8 to 13, in the order of the type block.
  static const std::array<Row, 6> kRows;

  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  Button(const ControlType& type, platform::Platform& platform, ButtonBlock block)
      : TableControl(type, platform, std::move(block)) {}

  platform::ButtonLook Look() const;
  std::vector<std::uint8_t> Serialize() override { return block_.Encode(); }

 protected:
  void ApplyLook() override;
};

inline constexpr std::array<Button::Row, 6> Button::kRows = {{
    {Prop(kButtonType, PropertyKind::Enumeration, 0, 1), &ButtonBlock::type},
    {Prop(kButtonHAlign, PropertyKind::Enumeration, 0, 2), &ButtonBlock::h_align},
    {Prop(kButtonVAlign, PropertyKind::Enumeration, 0, 2), &ButtonBlock::v_align},
    {Prop(kButtonPicture, PropertyKind::Picture), &ButtonBlock::picture},
    {Prop(kButtonFont, PropertyKind::Font), &ButtonBlock::font},
    {Prop(kButtonCaption, PropertyKind::Text), &ButtonBlock::caption},
}};
static_assert(IsSoundRows(Button::kRows));

// The button's property descriptions from 8 up, as its control type registers them.
inline constexpr std::array<PropertyInfo, 6> kButtonProperties = InfoInIndexOrder(Button::kRows);
static_assert(kButtonProperties.size() + 8 == 14, "a button has 14 properties");

}  // namespace veltrane::runtime
