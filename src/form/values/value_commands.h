// The operations of the value library, in the shape of a CommandFn: each fills
// *result from args[0..count).
#pragma once

#include "form/command_arg.h"

namespace veltrane::runtime::values {

// Arithmetic.
void IntegerDivideCommand(CommandArg* result, int count, CommandArg* args);
void RemainderCommand(CommandArg* result, int count, CommandArg* args);
void AbsoluteCommand(CommandArg* result, int count, CommandArg* args);
void IntegerPartCommand(CommandArg* result, int count, CommandArg* args);
void NearestCommand(CommandArg* result, int count, CommandArg* args);
void SineCommand(CommandArg* result, int count, CommandArg* args);

// Text parts and searching.
void LeftTextCommand(CommandArg* result, int count, CommandArg* args);
void RightTextCommand(CommandArg* result, int count, CommandArg* args);
void MidTextCommand(CommandArg* result, int count, CommandArg* args);
void FindTextCommand(CommandArg* result, int count, CommandArg* args);
void ReplaceTextCommand(CommandArg* result, int count, CommandArg* args);

// Conversions.
void ToNumberCommand(CommandArg* result, int count, CommandArg* args);
void ToTextCommand(CommandArg* result, int count, CommandArg* args);
void ChineseNumeralCommand(CommandArg* result, int count, CommandArg* args);
void ToDateTimeCommand(CommandArg* result, int count, CommandArg* args);

// Date and time.
void NowCommand(CommandArg* result, int count, CommandArg* args);
void YearOfCommand(CommandArg* result, int count, CommandArg* args);
void MonthOfCommand(CommandArg* result, int count, CommandArg* args);
void DayOfCommand(CommandArg* result, int count, CommandArg* args);
void HourOfCommand(CommandArg* result, int count, CommandArg* args);
void MinuteOfCommand(CommandArg* result, int count, CommandArg* args);

// Controls, clipboard and message box.
void ItemTextCommand(CommandArg* result, int count, CommandArg* args);
void ClearClipboardCommand(CommandArg* result, int count, CommandArg* args);
void SetClipboardTextCommand(CommandArg* result, int count, CommandArg* args);
void ShowMessageCommand(CommandArg* result, int count, CommandArg* args);

}  // namespace veltrane::runtime::values
