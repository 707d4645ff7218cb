// The type block each control type starts from in the property tests: the
// defaults, and three items in a combo box so that its selection has room.
#pragma once

#include <cstdint>
#include <vector>

#include "form/controls/button_block.h"
#include "form/controls/combo_box_block.h"
#include "form/controls/edit_box_block.h"
#include "form/controls/label_block.h"
#include "form/controls/window_block.h"
#include "form/template/window_template.h"

namespace veltrane::runtime {

inline std::vector<std::uint8_t> DefaultBlock(TypeCode code) {
  switch (code) {
    case TypeCode::Window:
      return WindowBlock{}.Encode();
    case TypeCode::EditBox:
      return EditBoxBlock{}.Encode();
    case TypeCode::Label:
      return LabelBlock{}.Encode();
    case TypeCode::Button:
      return ButtonBlock{}.Encode();
    case TypeCode::ComboBox: {
      ComboBoxBlock b;
      b.items = {"a", "b", "c"};
      return b.Encode();
    }
  }
  return {};
}

}  // namespace veltrane::runtime
