#include "form/controls/control.h"

namespace veltrane::runtime {

const PropertyInfo* ControlType::Property(PropertyIndex index) const {
  if (index < 0) return nullptr;
  if (index < kFirstTypeProperty) return &kCommonProperties[static_cast<std::size_t>(index)];
  const auto i = static_cast<std::size_t>(index - kFirstTypeProperty);
  return i < properties.size() ? &properties[i] : nullptr;
}

}  // namespace veltrane::runtime
