// Button ("按钮"): a platform push button; event 0 is its click.
#pragma once

#include <array>
#include <memory>
#include <span>

#include "form/controls/button_block.h"
#include "form/controls/control.h"

namespace veltrane::runtime {

// Properties 8 to 13.
inline constexpr std::array<PropertyInfo, 6> kButtonProperties = {{
    Prop(kButtonPicture, PropertyKind::Picture),
    Prop(kButtonType, PropertyKind::Enumeration, 0, 1),
    Prop(kButtonCaption, PropertyKind::Text),
    Prop(kButtonHAlign, PropertyKind::Enumeration, 0, 2),
    Prop(kButtonVAlign, PropertyKind::Enumeration, 0, 2),
    Prop(kButtonFont, PropertyKind::Font),
}};
static_assert(IsSoundTable(kButtonProperties, kFirstTypeProperty));
static_assert(kButtonProperties.size() + 8 == 14, "a button has 14 properties");

class Button final : public Control {
 public:
  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  Button(const ControlType& type, platform::Platform& platform, ButtonBlock block)
      : Control(type, platform), block_(std::move(block)) {}

  const ButtonBlock& block() const { return block_; }
  platform::ButtonLook Look() const;
  std::vector<std::uint8_t> Serialize() override { return block_.Encode(); }

 protected:
  Field FieldOf(int index) override;
  void ApplyLook() override;

 private:
  ButtonBlock block_;
};

}  // namespace veltrane::runtime
