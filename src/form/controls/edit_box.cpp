#include "form/controls/edit_box.h"

#include <algorithm>

#include "form/controls/edit_input.h"
#include "form/controls/text_span.h"

namespace veltrane::runtime {

Result<std::unique_ptr<Control>> EditBox::Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> bytes) {
  Result<EditBoxBlock> block = EditBoxBlock::Decode(bytes);
  if (!block) return block.error();
  auto edit = std::make_unique<EditBox>(*context.type, *context.platform, std::move(*block));
  edit->ClampStoredFields();
  platform::Platform& p = *context.platform;
  edit->set_handle(p.CreateEdit(context.params, edit->Look()));
  if (edit->handle() == 0) return Error{"the platform could not create an edit box"};
  p.SetText(edit->handle(), edit->block_.content);
  const TextSpan sel = ClampSpan(edit->block_.content.size(), edit->block_.selection_start,
                                 edit->block_.selection_length);
  p.SetTextSelection(edit->handle(), sel.start, sel.length);
  return std::unique_ptr<Control>(std::move(edit));
}

platform::EditLook EditBox::Look() const {
  platform::EditLook look;
  look.border_style = block_.border_style;
  look.text_colour = block_.text_colour;
  look.background = block_.background;
  look.font = ToPlatformFont(block_.font);
  look.hide_selection = block_.hide_selection != 0;
  look.max_length = block_.max_length;
  look.multi_line = block_.multi_line != 0;
  look.scroll_bars = block_.scroll_bars;
  look.alignment = block_.alignment;
  look.read_only = block_.input_mode == static_cast<int>(InputMode::ReadOnly);
  look.password = block_.input_mode == static_cast<int>(InputMode::Password);
  look.mask = static_cast<char16_t>(block_.password_mask);
  look.case_conversion = block_.case_conversion;
  // The up-down control of a multi-line box is never made.
  look.spin_mode = look.multi_line ? 0 : block_.spin_mode;
  look.spin_min = std::min(block_.spin_min, block_.spin_max);
  look.spin_max = std::max(block_.spin_min, block_.spin_max);
  return look;
}

std::vector<std::uint8_t> EditBox::Serialize() {
  LiveContent();
  return block_.Encode();
}

bool EditBox::AcceptsTypedChar(char32_t ch) const {
  return runtime::AcceptsTypedChar(static_cast<InputMode>(block_.input_mode), ch);
}

SpinOutcome EditBox::Spin(int delta) {
  if (block_.multi_line != 0) return SpinOutcome::Ignored;
  switch (static_cast<SpinMode>(block_.spin_mode)) {
    case SpinMode::Automatic: {
      platform::Platform& p = platform();
      if (!p.IsEnabled(handle()) || !p.IsVisible(handle())) return SpinOutcome::Ignored;
      const std::int64_t next =
          SpinStep(LeadingInteger(LiveContent()), delta, block_.spin_min, block_.spin_max);
      block_.content = std::to_string(next);
      p.SetText(handle(), block_.content);
      p.SelectAllText(handle());
      p.SetFocus(handle());
      return SpinOutcome::Stepped;
    }
    case SpinMode::EventOnly:
      return SpinOutcome::Event;
    default:
      return SpinOutcome::Ignored;
  }
}

const std::string& EditBox::LiveContent() {
  block_.content = platform().GetText(handle());
  return block_.content;
}

void EditBox::GetContent(PropertyValue& out) { out.text = LiveContent(); }

SetEffect EditBox::SetContent(const PropertyInfo& /*info*/, const PropertyValue& value) {
  // The platform's own notification stays silent; the runtime raises exactly one.
  block_.content.assign(value.text);
  platform().SetText(handle(), block_.content);
  return SetEffect::ContentChanged;
}

void EditBox::GetPasswordMask(PropertyValue& out) {
  scratch_ = GbkFromCharCode(block_.password_mask);
  out.text = scratch_;
}

SetEffect EditBox::SetPasswordMask(const PropertyInfo& /*info*/, const PropertyValue& value) {
  if (const std::optional<char16_t> code = FirstCharCode(value.text)) {
    block_.password_mask = *code;
    ApplyLook();
  }
  return SetEffect::None;
}

SetEffect EditBox::SetSelectionStart(const PropertyInfo& info, const PropertyValue& value) {
  block_.selection_start = info.Clamp(value.number);
  ShowSelection();
  return SetEffect::None;
}

SetEffect EditBox::SetSelectionLength(const PropertyInfo& info, const PropertyValue& value) {
  block_.selection_length = info.Clamp(value.number);
  ShowSelection();
  return SetEffect::None;
}

void EditBox::ShowSelection() {
  const TextSpan sel =
      ClampSpan(LiveContent().size(), block_.selection_start, block_.selection_length);
  platform().SetTextSelection(handle(), sel.start, sel.length);
}

void EditBox::GetSelectedText(PropertyValue& out) {
  out.text = SelectedPart(LiveContent(), block_.selection_start, block_.selection_length);
}

SetEffect EditBox::SetSelectedText(const PropertyInfo& /*info*/, const PropertyValue& value) {
  platform::Platform& p = platform();
  std::string text = LiveContent();
  const TextSpan sel =
      ReplaceSelectedPart(text, block_.selection_start, block_.selection_length, value.text);
  block_.content = std::move(text);
  block_.selection_start = sel.start + static_cast<std::int32_t>(value.text.size());
  block_.selection_length = 0;
  p.SetText(handle(), block_.content);
  p.SetTextSelection(handle(), block_.selection_start, 0);
  return SetEffect::ContentChanged;
}

void EditBox::ApplyLook() { platform().SetEditLook(handle(), Look()); }

}  // namespace veltrane::runtime
