#include "form/controls/label.h"

namespace veltrane::runtime {

Result<std::unique_ptr<Control>> Label::Create(const CreateContext& context,
                                               std::span<const std::uint8_t> bytes) {
  Result<LabelBlock> block = LabelBlock::Decode(bytes);
  if (!block) return block.error();
  auto label = std::make_unique<Label>(*context.type, *context.platform, std::move(*block));
  label->ClampStoredFields();
  label->set_handle(context.platform->CreateLabel(context.params, label->Look()));
  if (label->handle() == 0) return Error{"the platform could not create a label"};
  return std::unique_ptr<Control>(std::move(label));
}

platform::LabelLook Label::Look() const {
  platform::LabelLook look;
  look.caption = block_.caption;
  look.effect = block_.text_effect;
  look.border_style = block_.border_style;
  look.font = ToPlatformFont(block_.font);
  look.text_colour = block_.text_colour;
  look.background = block_.background;
  look.h_align = block_.h_align;
  look.v_align = block_.v_align;
  look.word_wrap = block_.word_wrap != 0;
  return look;
}

void Label::ApplyLook() { platform().SetLabelLook(handle(), Look()); }

}  // namespace veltrane::runtime
