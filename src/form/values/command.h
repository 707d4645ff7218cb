// The command boundary: numbered operations of command libraries, reached
// through CallCommand with 12-byte CommandArg records.
#pragma once

#include "form/command_arg.h"

namespace veltrane::runtime {

// Library numbers known to CallCommand.
inline constexpr int kValueLibraryNumber = 0;
inline constexpr int kCalendarLibraryNumber = 1;
inline constexpr int kCommandLibraryCount = 2;

// Operation numbers of the value library (library 0).
enum class ValueOp : int {
  IntegerDivide = 0,
  Remainder = 1,
  Absolute = 2,
  IntegerPart = 3,
  Nearest = 4,
  Sine = 5,
  LeftText = 6,
  RightText = 7,
  MidText = 8,
  FindText = 9,
  ReplaceText = 10,
  ToNumber = 11,
  ToText = 12,
  ChineseNumeral = 13,
  ToDateTime = 14,
  Now = 15,
  YearOf = 16,
  MonthOf = 17,
  DayOf = 18,
  HourOf = 19,
  MinuteOf = 20,
  ItemText = 21,
  ClearClipboard = 22,
  SetClipboardText = 23,
  ShowMessage = 24,
};
inline constexpr int kValueOpCount = 25;

// Makes lib reachable as library number `library`, 0..kCommandLibraryCount − 1
// (the value library is registered from the start); another number is ignored.
void RegisterCommandLibrary(int library, const CommandLibrary& lib);

// Calls operation `operation` of library `library` with a zeroed result;
// an unknown library or operation is fatal.
CommandArg CallCommand(int library, int operation, int count, CommandArg* args);

// Convenience for the value library.
CommandArg CallCommand(ValueOp operation, int count, CommandArg* args);

// The value library: its twenty-five operations, numbered by ValueOp.
const CommandLibrary& ValueLibrary();

}  // namespace veltrane::runtime
