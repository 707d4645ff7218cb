// The window ("窗口") as a unit of its own UnitTable: a top-level platform
// window whose events are 0 created, 3 moved and 4 resized.
#pragma once

#include <array>
#include <memory>
#include <span>

#include "form/controls/property_row.h"
#include "form/controls/table_control.h"
#include "form/controls/window_block.h"

namespace veltrane::runtime {

class WindowControl final : public TableControl<WindowControl, WindowBlock> {
 public:
  using Row = PropertyRow<WindowControl, WindowBlock>;
  // Properties 8 to 31, in the order of the type block.
  static const std::array<Row, 24> kRows;

  // context.params.rect holds the stored left, top and outer size; position 1
  // centres the window on the screen's work area (see PlacedRect).
  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  WindowControl(const ControlType& type, platform::Platform& platform, WindowBlock block)
      : TableControl(type, platform, std::move(block)) {}

  platform::WindowLook Look() const;
  std::vector<std::uint8_t> Serialize() override { return block_.Encode(); }

 protected:
  void ApplyLook() override;

 private:
  // The live position: the seam reports no minimised or maximised state.
  void GetPosition(PropertyValue& out);
};

inline constexpr std::array<WindowControl::Row, 24> WindowControl::kRows = {{
    {Prop(kWindowBorderStyle, PropertyKind::Enumeration, 0, 6), &WindowBlock::border_style},
    {Prop(kWindowPictureLayout, PropertyKind::Enumeration), &WindowBlock::picture_layout},
    {Prop(kWindowBackground, PropertyKind::BackgroundColour), &WindowBlock::background},
    {Prop(kWindowMaximiseBox, PropertyKind::Logical), &WindowBlock::maximise_box},
    {Prop(kWindowMinimiseBox, PropertyKind::Logical), &WindowBlock::minimise_box},
    {Prop(kWindowControlBox, PropertyKind::Logical), &WindowBlock::control_box},
    WindowControl::Row{Prop(kWindowPosition, PropertyKind::Enumeration, 0, 3),
                       &WindowBlock::position}
        .Live(&WindowControl::GetPosition, nullptr),
    {Prop(kWindowClosable, PropertyKind::Logical), &WindowBlock::closable},
    {Prop(14, PropertyKind::Enumeration), &WindowBlock::property14},
    {Prop(21, PropertyKind::Logical), &WindowBlock::property21},
    {Prop(22, PropertyKind::Logical), &WindowBlock::property22},
    {Prop(23, PropertyKind::Logical), &WindowBlock::property23},
    {Prop(25, PropertyKind::Number), &WindowBlock::property25},
    WindowControl::Row{Prop(26, PropertyKind::Logical), &WindowBlock::property26}.Since(2),
    WindowControl::Row{Prop(27, PropertyKind::Logical), &WindowBlock::property27}.Since(3),
    WindowControl::Row{Prop(28, PropertyKind::Enumeration), &WindowBlock::property28}.Since(3),
    WindowControl::Row{Prop(kWindowAlwaysOnTop, PropertyKind::Logical), &WindowBlock::always_on_top}
        .Since(4),
    WindowControl::Row{Prop(30, PropertyKind::Logical), &WindowBlock::property30}.Since(5),
    WindowControl::Row{Prop(kWindowClassName, PropertyKind::Text), &WindowBlock::class_name}.Since(
        6),
    {Prop(kWindowPicture, PropertyKind::Picture), &WindowBlock::picture},
    {Prop(kWindowIcon, PropertyKind::Icon), &WindowBlock::icon},
    {Prop(kWindowSound, PropertyKind::Sound), &WindowBlock::sound},
    {Prop(kWindowCaption, PropertyKind::Text), &WindowBlock::caption},
    {Prop(kWindowFileName, PropertyKind::FileName), &WindowBlock::file_name},
}};
static_assert(IsSoundRows(WindowControl::kRows));

// The window's property descriptions from 8 up, as its control type registers them.
inline constexpr std::array<PropertyInfo, 24> kWindowProperties =
    InfoInIndexOrder(WindowControl::kRows);
static_assert(kWindowProperties.size() + 8 == 32, "a window has 32 properties");

// Where a window of this outer size opens when centred: in the middle of the
// screen's work area, so wholly on it when it fits; at the area's top-left
// corner (title bar reachable) in a direction where it does not.
platform::Rect PlacedRect(const platform::Rect& area, int width, int height);

}  // namespace veltrane::runtime
