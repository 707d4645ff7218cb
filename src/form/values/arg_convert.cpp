#include "form/values/arg_convert.h"

#include <bit>
#include <cstring>

#include "base/memory.h"
#include "base/text/gbk_literal.h"
#include "calendar/arithmetic.h"
#include "form/values/command_args.h"
#include "form/values/date_time_calc.h"
#include "form/values/date_time_text.h"
#include "form/values/number_text.h"

namespace veltrane::runtime::values {
namespace {

std::int64_t LongOf(const CommandArg& arg) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(arg.lo) |
                                   (static_cast<std::uint64_t>(arg.hi) << 32));
}

float FloatOf(const CommandArg& arg) { return std::bit_cast<float>(arg.lo); }

// The bytes of a byte block (word 1, 32-bit length, bytes) up to its first zero.
std::string ByteBlockText(const CommandArg& arg) {
  const auto* block = static_cast<const unsigned char*>(ArgPointer(arg));
  if (block == nullptr) return {};
  std::uint32_t length = 0;
  std::memcpy(&length, block + 4, sizeof length);
  const char* bytes = reinterpret_cast<const char*>(block + 8);
  const void* zero = std::memchr(bytes, 0, length);
  return std::string(bytes, zero != nullptr ? static_cast<const char*>(zero) - bytes : length);
}

}  // namespace

double NumberOf(const CommandArg& arg) {
  switch (arg.tag) {
    case ValueTag::Byte:
      return static_cast<double>(arg.lo & 0xFFu);
    case ValueTag::Short:
      return static_cast<double>(static_cast<std::int16_t>(arg.lo & 0xFFFFu));
    case ValueTag::Integer:
      return static_cast<double>(ArgInt(arg));
    case ValueTag::Long:
      return static_cast<double>(LongOf(arg));
    case ValueTag::Single:
      return static_cast<double>(FloatOf(arg));
    case ValueTag::Double:
      return ArgDouble(arg);
    case ValueTag::Logical:
      return arg.lo != 0 ? 1.0 : 0.0;
    case ValueTag::Text:
      return ReadLeadingNumber(ArgTextPointer(arg));
    default:
      return 0.0;
  }
}

std::string TextOf(const CommandArg& arg) {
  switch (arg.tag) {
    case ValueTag::Byte:
      return FormatInteger(arg.lo & 0xFFu);
    case ValueTag::Short:
      return FormatInteger(static_cast<std::int16_t>(arg.lo & 0xFFFFu));
    case ValueTag::Integer:
      return FormatInteger(ArgInt(arg));
    case ValueTag::Long:
      return FormatInteger(LongOf(arg));
    case ValueTag::Single:
      return FormatFloat(FloatOf(arg));
    case ValueTag::Double:
      return FormatDouble(ArgDouble(arg));
    case ValueTag::Logical:
      return Gbk(arg.lo != 0 ? "真" : "假");
    case ValueTag::DateTime:
      return FormatDateTimeText(ArgDouble(arg));
    case ValueTag::Text:
      return ArgTextPointer(arg);
    case ValueTag::Bytes:
      return ByteBlockText(arg);
    default:
      return {};
  }
}

double DateTimeOf(const CommandArg& arg) {
  switch (arg.tag) {
    case ValueTag::DateTime:
      return ArgDouble(arg);
    case ValueTag::Text:
      return ParseDateTimeText(ArgTextPointer(arg)).value_or(kMinDateTime);
    default:
      return kMinDateTime;
  }
}

const CommandArg* ArgAt(int count, const CommandArg* args, int index) {
  if (args == nullptr || index >= count || args[index].tag == ValueTag::None) return nullptr;
  return &args[index];
}

double DoubleArgAt(int count, const CommandArg* args, int index, double fallback) {
  const CommandArg* arg = ArgAt(count, args, index);
  return arg != nullptr ? NumberOf(*arg) : fallback;
}

std::int32_t IntArgAt(int count, const CommandArg* args, int index, std::int32_t fallback) {
  const CommandArg* arg = ArgAt(count, args, index);
  if (arg == nullptr) return fallback;
  return arg->tag == ValueTag::Integer ? ArgInt(*arg) : calendar::SaturatedInt(NumberOf(*arg));
}

bool BoolArgAt(int count, const CommandArg* args, int index, bool fallback) {
  const CommandArg* arg = ArgAt(count, args, index);
  if (arg == nullptr) return fallback;
  return arg->tag == ValueTag::Logical ? arg->lo != 0 : NumberOf(*arg) != 0;
}

std::string TextArgAt(int count, const CommandArg* args, int index, std::string_view fallback) {
  const CommandArg* arg = ArgAt(count, args, index);
  return arg != nullptr ? TextOf(*arg) : std::string(fallback);
}

void SetIntResult(CommandArg* result, std::int32_t value) { *result = IntArg(value); }

void SetDoubleResult(CommandArg* result, double value) { *result = DoubleArg(value); }

void SetBoolResult(CommandArg* result, bool value) { *result = BoolArg(value); }

void SetDateTimeResult(CommandArg* result, double value) { *result = DateTimeArg(value); }

void SetTextResult(CommandArg* result, std::string_view gbk) {
  auto* text = static_cast<char*>(AllocMemory(static_cast<std::int32_t>(gbk.size() + 1)));
  if (!gbk.empty()) std::memcpy(text, gbk.data(), gbk.size());
  text[gbk.size()] = '\0';
  *result = CommandArg{0, 0, ValueTag::Text};
  SetArgPointer(*result, text);
}

}  // namespace veltrane::runtime::values
