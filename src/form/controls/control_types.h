// The registry of control types: TypeCode -> names, flag word, property table
// and factory.
#pragma once

#include <cstdint>
#include <span>

#include "form/controls/control.h"

namespace veltrane::runtime {

// The type registered for a TypeCode; null for a code no type has.
const ControlType* FindControlType(std::uint32_t type_code);

// Every registered type, in TypeCode order.
std::span<const ControlType> AllControlTypes();

}  // namespace veltrane::runtime
