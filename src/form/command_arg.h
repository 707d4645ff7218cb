// The 12-byte argument and result record of value and calendar operations,
// and the shape of a numbered operation of a command library.
#pragma once

#include <cstdint>

namespace veltrane::runtime {

// Type tags carried in the third word of a CommandArg.
enum class ValueTag : std::uint32_t {
  None = 0,
  Byte = 0x80000101,
  Short = 0x80000201,
  Integer = 0x80000301,
  Long = 0x80000401,
  Single = 0x80000501,
  Double = 0x80000601,
  Logical = 0x80000002,
  DateTime = 0x80000003,
  Text = 0x80000004,
  Bytes = 0x80000005,
  // Marks an argument passed by reference (a variable the operation may write).
  Reference = 0x80000008,
};

// Value low word, value high word, tag. A double fills both value words; in a
// 64-bit build a pointer fills both as well.
struct CommandArg {
  std::uint32_t lo = 0;
  std::uint32_t hi = 0;
  ValueTag tag = ValueTag::None;
};
static_assert(sizeof(CommandArg) == 12, "CommandArg is a 12-byte record");

// One operation of a command library: fills *result from count arguments.
using CommandFn = void (*)(CommandArg* result, int count, CommandArg* args);

// A command library: its operations, numbered from 0.
struct CommandLibrary {
  const char* name;
  const CommandFn* commands;
  int command_count;
};

}  // namespace veltrane::runtime
