// Building and reading CommandArg records: the value words of each ValueTag.
// In a 64-bit build a pointer fills both value words.
#pragma once

#include <cstdint>

#include "form/command_arg.h"

namespace veltrane::runtime {

// The tag of a combo-box reference argument (the combo box's type code):
// low word WindowId, high word ControlId.
inline constexpr ValueTag kComboBoxReference = static_cast<ValueTag>(0x0001000E);
// Routine address; and the bit that marks an array of a tag's type.
inline constexpr ValueTag kRoutineAddress = static_cast<ValueTag>(0x80000006);
inline constexpr std::uint32_t kArrayTagBit = 0x20000000;

// Records of each shape.
CommandArg IntArg(std::int32_t value);
CommandArg DoubleArg(double value);
CommandArg BoolArg(bool value);
CommandArg DateTimeArg(double value);
CommandArg TextArg(const char* gbk);  // null is passed as ""
CommandArg ComboArg(std::uint32_t window, std::uint32_t control);
CommandArg OmittedArg();

// The value words read back as the given shape (no conversion between tags).
std::int32_t ArgInt(const CommandArg& arg);
double ArgDouble(const CommandArg& arg);
bool ArgBool(const CommandArg& arg);
const char* ArgTextPointer(const CommandArg& arg);  // "" when null
void* ArgPointer(const CommandArg& arg);

// The value words from a pointer or a double (and back).
void SetArgPointer(CommandArg& arg, const void* p);
void SetArgDouble(CommandArg& arg, double value);

}  // namespace veltrane::runtime
