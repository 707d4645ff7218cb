#include "form/controls/window_control.h"

#include <algorithm>
#include <cstdint>

namespace veltrane::runtime {

platform::Rect PlacedRect(const platform::Rect& area, int width, int height) {
  // In 64 bits: the template may store any size, and room minus size can leave the int range.
  const auto place = [](int start, int room, int size) {
    const std::int64_t spare = static_cast<std::int64_t>(room) - size;
    // Too big: the top-left corner, and with it the title bar, stays on the screen.
    const std::int64_t at = spare <= 0 ? start : start + spare / 2;
    return static_cast<int>(std::clamp<std::int64_t>(at, INT32_MIN, INT32_MAX));
  };
  return {place(area.left, area.width, width), place(area.top, area.height, height), width, height};
}

Result<std::unique_ptr<Control>> WindowControl::Create(const CreateContext& context,
                                                       std::span<const std::uint8_t> bytes) {
  Result<WindowBlock> block = WindowBlock::Decode(bytes);
  if (!block) return block.error();
  auto window =
      std::make_unique<WindowControl>(*context.type, *context.platform, std::move(*block));
  window->ClampStoredFields();
  platform::CreateParams params = context.params;
  if (window->block_.position == 1) {
    params.rect = PlacedRect(context.platform->WorkArea(), params.rect.width, params.rect.height);
  }
  window->set_handle(context.platform->CreateTopWindow(params, window->Look()));
  if (window->handle() == 0) return Error{"the platform could not create the window"};
  return std::unique_ptr<Control>(std::move(window));
}

platform::WindowLook WindowControl::Look() const {
  platform::WindowLook look;
  look.caption = block_.caption;
  look.border_style = block_.border_style;
  look.background = block_.background;
  look.control_box = block_.control_box != 0;
  look.maximise_box = block_.maximise_box != 0;
  look.minimise_box = block_.minimise_box != 0;
  look.closable = block_.closable != 0;
  look.always_on_top = block_.always_on_top != 0;
  look.position = block_.position;
  return look;
}

Control::Field WindowControl::FieldOf(int index) {
  switch (index + kFirstTypeProperty) {
    case kWindowCaption:
      return &block_.caption;
    case kWindowBorderStyle:
      return &block_.border_style;
    case kWindowBackground:
      return &block_.background;
    case kWindowPicture:
      return &block_.picture;
    case kWindowPictureLayout:
      return &block_.picture_layout;
    case kWindowSound:
      return &block_.sound;
    case 14:
      return &block_.property14;
    case kWindowControlBox:
      return &block_.control_box;
    case kWindowMaximiseBox:
      return &block_.maximise_box;
    case kWindowMinimiseBox:
      return &block_.minimise_box;
    case kWindowPosition:
      return &block_.position;
    case kWindowClosable:
      return &block_.closable;
    case kWindowIcon:
      return &block_.icon;
    case 21:
      return &block_.property21;
    case 22:
      return &block_.property22;
    case 23:
      return &block_.property23;
    case kWindowFileName:
      return &block_.file_name;
    case 25:
      return &block_.property25;
    case 26:
      return &block_.property26;
    case 27:
      return &block_.property27;
    case 28:
      return &block_.property28;
    case kWindowAlwaysOnTop:
      return &block_.always_on_top;
    case 30:
      return &block_.property30;
    case kWindowClassName:
      return &block_.class_name;
    default:
      return {};
  }
}

bool WindowControl::GetLive(int index, PropertyValue& out) {
  if (index + kFirstTypeProperty != kWindowPosition) return false;
  // The seam reports no live minimised or maximised state: a window made
  // minimised or maximised is taken to have stayed so.
  out.number = block_.position == 2 || block_.position == 3 ? block_.position : 0;
  return true;
}

void WindowControl::ApplyLook() { platform().SetWindowLook(handle(), Look()); }

}  // namespace veltrane::runtime
