#include "form/values/command_args.h"

#include <bit>
#include <cstring>

namespace veltrane::runtime {
namespace {

std::uint64_t Words(const CommandArg& arg) {
  return static_cast<std::uint64_t>(arg.lo) | (static_cast<std::uint64_t>(arg.hi) << 32);
}

void SetWords(CommandArg& arg, std::uint64_t words) {
  arg.lo = static_cast<std::uint32_t>(words);
  arg.hi = static_cast<std::uint32_t>(words >> 32);
}

}  // namespace

void SetArgPointer(CommandArg& arg, const void* p) {
  static_assert(sizeof(void*) <= sizeof(std::uint64_t));
  SetWords(arg, static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p)));
}

void SetArgDouble(CommandArg& arg, double value) {
  SetWords(arg, std::bit_cast<std::uint64_t>(value));
}

CommandArg IntArg(std::int32_t value) {
  return CommandArg{static_cast<std::uint32_t>(value), 0, ValueTag::Integer};
}

CommandArg DoubleArg(double value) {
  CommandArg arg{0, 0, ValueTag::Double};
  SetArgDouble(arg, value);
  return arg;
}

CommandArg BoolArg(bool value) { return CommandArg{value ? 1u : 0u, 0, ValueTag::Logical}; }

CommandArg DateTimeArg(double value) {
  CommandArg arg{0, 0, ValueTag::DateTime};
  SetArgDouble(arg, value);
  return arg;
}

CommandArg TextArg(const char* gbk) {
  CommandArg arg{0, 0, ValueTag::Text};
  SetArgPointer(arg, gbk != nullptr ? gbk : "");
  return arg;
}

CommandArg ComboArg(std::uint32_t window, std::uint32_t control) {
  return CommandArg{window, control, kComboBoxReference};
}

CommandArg OmittedArg() { return CommandArg{}; }

std::int32_t ArgInt(const CommandArg& arg) { return static_cast<std::int32_t>(arg.lo); }

double ArgDouble(const CommandArg& arg) { return std::bit_cast<double>(Words(arg)); }

bool ArgBool(const CommandArg& arg) { return arg.lo != 0; }

void* ArgPointer(const CommandArg& arg) {
  // NOLINTNEXTLINE(performance-no-int-to-ptr): a command argument carries its pointer as words.
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(Words(arg)));
}

const char* ArgTextPointer(const CommandArg& arg) {
  const char* p = static_cast<const char*>(ArgPointer(arg));
  return p != nullptr ? p : "";
}

}  // namespace veltrane::runtime
