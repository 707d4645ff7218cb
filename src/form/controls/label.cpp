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

Control::Field Label::FieldOf(int index) {
  switch (index + kFirstTypeProperty) {
    case kLabelCaption:
      return &block_.caption;
    case kLabelTextEffect:
      return &block_.text_effect;
    case kLabelBorderStyle:
      return &block_.border_style;
    case kLabelGradientWidth:
      return &block_.gradient_width;
    case kLabelGradientBorder1:
      return &block_.gradient_border[0];
    case kLabelGradientBorder2:
      return &block_.gradient_border[1];
    case kLabelGradientBorder3:
      return &block_.gradient_border[2];
    case kLabelFont:
      return &block_.font;
    case kLabelTextColour:
      return &block_.text_colour;
    case kLabelBackground:
      return &block_.background;
    case kLabelPicture:
      return &block_.picture;
    case kLabelPictureLayout:
      return &block_.picture_layout;
    case kLabelGradientBackground:
      return &block_.gradient_background;
    case kLabelGradientColour1:
      return &block_.gradient_colours[0];
    case kLabelGradientColour2:
      return &block_.gradient_colours[1];
    case kLabelGradientColour3:
      return &block_.gradient_colours[2];
    case kLabelHAlign:
      return &block_.h_align;
    case kLabelWordWrap:
      return &block_.word_wrap;
    case kLabelVAlign:
      return &block_.v_align;
    case kLabelDataSource:
      return &block_.data_source;
    case kLabelDataColumn:
      return &block_.data_column;
    default:
      return {};
  }
}

void Label::ApplyLook() { platform().SetLabelLook(handle(), Look()); }

}  // namespace veltrane::runtime
