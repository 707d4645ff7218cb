// The window ("窗口") as a unit of its own UnitTable: a top-level platform
// window whose events are 0 created, 3 moved and 4 resized.
#pragma once

#include <array>
#include <memory>
#include <span>

#include "form/controls/control.h"
#include "form/controls/window_block.h"

namespace veltrane::runtime {

// Properties 8 to 31.
inline constexpr std::array<PropertyInfo, 24> kWindowProperties = {{
    Prop(kWindowCaption, PropertyKind::Text),
    Prop(kWindowBorderStyle, PropertyKind::Enumeration, 0, 6),
    Prop(kWindowBackground, PropertyKind::BackgroundColour),
    Prop(kWindowPicture, PropertyKind::Picture),
    Prop(kWindowPictureLayout, PropertyKind::Enumeration),
    Prop(kWindowSound, PropertyKind::Sound),
    Prop(14, PropertyKind::Enumeration),
    Prop(kWindowControlBox, PropertyKind::Logical),
    Prop(kWindowMaximiseBox, PropertyKind::Logical),
    Prop(kWindowMinimiseBox, PropertyKind::Logical),
    Prop(kWindowPosition, PropertyKind::Enumeration, 0, 3),
    Prop(kWindowClosable, PropertyKind::Logical),
    Prop(kWindowIcon, PropertyKind::Icon),
    Prop(21, PropertyKind::Logical),
    Prop(22, PropertyKind::Logical),
    Prop(23, PropertyKind::Logical),
    Prop(kWindowFileName, PropertyKind::FileName),
    Prop(25, PropertyKind::Number),
    Prop(26, PropertyKind::Logical),
    Prop(27, PropertyKind::Logical),
    Prop(28, PropertyKind::Enumeration),
    Prop(kWindowAlwaysOnTop, PropertyKind::Logical),
    Prop(30, PropertyKind::Logical),
    Prop(kWindowClassName, PropertyKind::Text),
}};
static_assert(IsSoundTable(kWindowProperties, kFirstTypeProperty));
static_assert(kWindowProperties.size() + 8 == 32, "a window has 32 properties");

class WindowControl final : public Control {
 public:
  // context.params.rect holds the stored left, top and outer size; position 1
  // centres the window on the screen's work area (see PlacedRect).
  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  WindowControl(const ControlType& type, platform::Platform& platform, WindowBlock block)
      : Control(type, platform), block_(std::move(block)) {}

  const WindowBlock& block() const { return block_; }
  platform::WindowLook Look() const;
  std::vector<std::uint8_t> Serialize() override { return block_.Encode(); }

 protected:
  Field FieldOf(int index) override;
  bool GetLive(int index, PropertyValue& out) override;
  void ApplyLook() override;

 private:
  WindowBlock block_;
};

// Where a window of this outer size opens when centred: in the middle of the
// screen's work area, so wholly on it when it fits; at the area's top-left
// corner (title bar reachable) in a direction where it does not.
platform::Rect PlacedRect(const platform::Rect& area, int width, int height);

}  // namespace veltrane::runtime
