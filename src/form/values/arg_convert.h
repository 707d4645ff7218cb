// Reading the arguments of value operations whatever their tag, and filling
// results. An omitted argument (tag 0) takes the default the caller names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "form/command_arg.h"

namespace veltrane::runtime::values {

// The number of any argument by the rules of ToNumber: numeric tags and bool
// give their value, a text its leading number, anything else 0.
double NumberOf(const CommandArg& arg);

// The text of any argument by the rules of ToText; a tag without a rule gives "".
std::string TextOf(const CommandArg& arg);

// The DateTime of any argument by the rules of ToDateTime: a DateTime passes,
// a text is parsed, anything else (or a rejected text) gives MinDateTime.
double DateTimeOf(const CommandArg& arg);

// Argument `index` of args[0..count) as a double, an int (truncated toward
// zero, saturated), a bool or a text; `fallback` when omitted or absent.
double DoubleArgAt(int count, const CommandArg* args, int index, double fallback = 0.0);
std::int32_t IntArgAt(int count, const CommandArg* args, int index, std::int32_t fallback = 0);
bool BoolArgAt(int count, const CommandArg* args, int index, bool fallback);
std::string TextArgAt(int count, const CommandArg* args, int index, std::string_view fallback = {});
// Null when absent or omitted.
const CommandArg* ArgAt(int count, const CommandArg* args, int index);

// Results.
void SetIntResult(CommandArg* result, std::int32_t value);
void SetDoubleResult(CommandArg* result, double value);
void SetBoolResult(CommandArg* result, bool value);
void SetDateTimeResult(CommandArg* result, double value);
// A new heap text (AllocMemory) owned by the caller.
void SetTextResult(CommandArg* result, std::string_view gbk);

}  // namespace veltrane::runtime::values
