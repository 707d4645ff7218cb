#include "form/controls/control.h"

namespace veltrane::runtime {

const PropertyInfo* ControlType::Property(PropertyIndex index) const {
  if (index < 0) return nullptr;
  if (index < kFirstTypeProperty) return &kCommonProperties[static_cast<std::size_t>(index)];
  const auto i = static_cast<std::size_t>(index - kFirstTypeProperty);
  return i < properties.size() ? &properties[i] : nullptr;
}

const PropertyInfo* Control::Info(int index) const {
  return type_->Property(index + kFirstTypeProperty);
}

bool Control::Get(int index, PropertyValue& out) {
  if (Info(index) == nullptr) return false;
  if (GetLive(index, out)) return true;
  const Field field = FieldOf(index);
  if (auto* p = std::get_if<std::int32_t*>(&field)) {
    out.number = **p;
  } else if (auto* p = std::get_if<std::uint32_t*>(&field)) {
    out.number = **p;
  } else if (auto* p = std::get_if<std::string*>(&field)) {
    out.text = **p;
  } else if (auto* p = std::get_if<std::vector<std::uint8_t>*>(&field)) {
    out.bytes = **p;
  } else if (auto* p = std::get_if<std::optional<LogFont>*>(&field)) {
    out.font = **p;
  } else {
    return false;
  }
  return true;
}

void Control::ClampStoredFields() {
  for (std::size_t i = 0; i < type_->properties.size(); ++i) {
    const Field field = FieldOf(static_cast<int>(i));
    if (auto* p = std::get_if<std::int32_t*>(&field)) **p = type_->properties[i].Clamp(**p);
  }
}

SetEffect Control::Set(int index, const PropertyValue& value) {
  const PropertyInfo* info = Info(index);
  if (info == nullptr) return SetEffect::None;
  if (std::optional<SetEffect> done = SetLive(index, value)) return *done;
  const Field field = FieldOf(index);
  if (auto* p = std::get_if<std::int32_t*>(&field)) {
    **p = info->Clamp(value.number);
  } else if (auto* p = std::get_if<std::uint32_t*>(&field)) {
    **p = static_cast<std::uint32_t>(value.number);
  } else if (auto* p = std::get_if<std::string*>(&field)) {
    (*p)->assign(value.text);
  } else if (auto* p = std::get_if<std::vector<std::uint8_t>*>(&field)) {
    (*p)->assign(value.bytes.begin(), value.bytes.end());
  } else if (auto* p = std::get_if<std::optional<LogFont>*>(&field)) {
    **p = value.font;
  } else {
    return SetEffect::None;
  }
  if (FixedAtCreation(index)) return SetEffect::Recreate;
  ApplyLook();
  return SetEffect::None;
}

}  // namespace veltrane::runtime
