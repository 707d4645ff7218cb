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

void WindowControl::GetPosition(PropertyValue& out) {
  // The seam reports no live minimised or maximised state: a window made
  // minimised or maximised is taken to have stayed so.
  out.number = block_.position == 2 || block_.position == 3 ? block_.position : 0;
}

void WindowControl::ApplyLook() { platform().SetWindowLook(handle(), Look()); }

}  // namespace veltrane::runtime
