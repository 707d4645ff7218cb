// The calendar as a command library: ToLunarDate (command 0) and
// SolarTermMoment (command 1), reached through CallCommand with CommandArg
// records, and the library's notification entry.
#pragma once

#include <bit>
#include <cstdint>

#include "form/command_arg.h"

namespace veltrane::calendar {

// Command numbers of the calendar library.
enum class CalendarCommand : int { ToLunarDate = 0, SolarTermMoment = 1 };

// The calendar library's two commands, numbered by CalendarCommand.
//   Command 0, ToLunarDate: five arguments — a DateTime (tag DateTime or
//     Double), then four variables by reference (tag Reference, the value
//     words holding a pointer to a 32-bit variable): lunar year, month, day
//     and the leap flag (logical: 0 or 1). Result: Logical, 1 when the date
//     converts and the variables were written in that order, 0 otherwise with
//     the variables untouched (also for missing or ill-tagged arguments).
//   Command 1, SolarTermMoment: the Gregorian year and a SolarTermNumber, both
//     integers by value. Result: DateTime of the term (China Standard Time),
//     MinDateTime outside 1880..2079 or 1..24 (or for missing or non-integer
//     arguments).
const runtime::CommandLibrary& CalendarLibrary();

// The runtime's service entry that a library is handed.
using RuntimeServiceFn = std::intptr_t (*)(int code, std::uintptr_t param1, std::uintptr_t param2);

// The library's notification entry.
//   Given: code and two parameters from the runtime.
//   Returns: 0 for code 1, which hands over the runtime's service entry as
//            param1 (kept, never called by the two commands); −1 for any
//            other code.
int CalendarNotify(int code, std::uintptr_t param1, std::uintptr_t param2);

// The service entry kept by the last notification of code 1 (null before).
RuntimeServiceFn CalendarRuntimeService();

// A by-reference argument for a 32-bit variable (for callers of command 0).
inline runtime::CommandArg CalendarReferenceArg(std::int32_t* variable) {
  const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(variable));
  return runtime::CommandArg{static_cast<std::uint32_t>(bits),
                             static_cast<std::uint32_t>(bits >> 32), runtime::ValueTag::Reference};
}

}  // namespace veltrane::calendar
