#include "form/controls/button.h"

namespace veltrane::runtime {

Result<std::unique_ptr<Control>> Button::Create(const CreateContext& context,
                                                std::span<const std::uint8_t> bytes) {
  Result<ButtonBlock> block = ButtonBlock::Decode(bytes);
  if (!block) return block.error();
  auto button = std::make_unique<Button>(*context.type, *context.platform, std::move(*block));
  button->ClampStoredFields();
  button->set_handle(context.platform->CreateButton(context.params, button->Look()));
  if (button->handle() == 0) return Error{"the platform could not create a button"};
  return std::unique_ptr<Control>(std::move(button));
}

platform::ButtonLook Button::Look() const {
  platform::ButtonLook look;
  look.caption = block_.caption;
  look.default_button = block_.type == 1;
  look.h_align = block_.h_align;
  look.v_align = block_.v_align;
  look.font = ToPlatformFont(block_.font);
  return look;
}

void Button::ApplyLook() { platform().SetButtonLook(handle(), Look()); }

}  // namespace veltrane::runtime
