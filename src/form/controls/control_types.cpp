#include "form/controls/control_types.h"

#include <array>

#include "form/controls/button.h"
#include "form/controls/combo_box.h"
#include "form/controls/edit_box.h"
#include "form/controls/label.h"
#include "form/controls/window_control.h"
#include "form/template/window_template.h"

namespace veltrane::runtime {
namespace {

constexpr std::uint32_t Code(TypeCode code) { return static_cast<std::uint32_t>(code); }

const std::array<ControlType, 5> kTypes = {{
    {Code(TypeCode::Window), "\xB4\xB0\xBF\xDA", "window", 0x800000D0, kWindowProperties,
     &WindowControl::Create},
    {Code(TypeCode::EditBox), "\xB1\xE0\xBC\xAD\xBF\xF2", "EditBox", 0x80000040, kEditBoxProperties,
     &EditBox::Create},
    {Code(TypeCode::Label), "\xB1\xEA\xC7\xA9", "Label", 0x84012040, kLabelProperties,
     &Label::Create},
    {Code(TypeCode::Button), "\xB0\xB4\xC5\xA5", "Button", 0x80000840, kButtonProperties,
     &Button::Create},
    {Code(TypeCode::ComboBox), "\xD7\xE9\xBA\xCF\xBF\xF2", "ComboBox", 0x80000240,
     kComboBoxProperties, &ComboBox::Create},
}};

}  // namespace

const ControlType* FindControlType(std::uint32_t type_code) {
  for (const ControlType& type : kTypes) {
    if (type.code == type_code) return &type;
  }
  return nullptr;
}

std::span<const ControlType> AllControlTypes() { return kTypes; }

}  // namespace veltrane::runtime
