#include "form/values/calendar_library.h"

#include <array>
#include <atomic>
#include <bit>

#include "calendar/date_time.h"
#include "calendar/lunar_date.h"
#include "calendar/solar_term_moment.h"

namespace veltrane::calendar {
namespace {

using runtime::CommandArg;
using runtime::ValueTag;

std::uint64_t Words(const CommandArg& arg) {
  return (static_cast<std::uint64_t>(arg.hi) << 32) | arg.lo;
}

bool IsIntegerTag(ValueTag tag) {
  // A 64-bit Long would need both words; years and term numbers come as Integer.
  return tag == ValueTag::Integer || tag == ValueTag::Short || tag == ValueTag::Byte;
}

// The variable a by-reference argument points at, or null.
std::int32_t* ReferenceOf(const CommandArg& arg) {
  if (arg.tag != ValueTag::Reference) return nullptr;
  // NOLINTNEXTLINE(performance-no-int-to-ptr): a command argument carries its pointer as words.
  return reinterpret_cast<std::int32_t*>(static_cast<std::uintptr_t>(Words(arg)));
}

void SetLogical(CommandArg* result, bool value) {
  *result = CommandArg{value ? 1U : 0U, 0, ValueTag::Logical};
}

void SetDateTime(CommandArg* result, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  *result = CommandArg{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32),
                       ValueTag::DateTime};
}

void ToLunarDateCommand(CommandArg* result, int count, CommandArg* args) {
  SetLogical(result, false);
  if (count < 5 || args == nullptr) return;
  if (args[0].tag != ValueTag::DateTime && args[0].tag != ValueTag::Double) return;
  std::int32_t* variables[4];
  for (int i = 0; i < 4; ++i) {
    variables[i] = ReferenceOf(args[i + 1]);
    if (variables[i] == nullptr) return;
  }
  int year = 0;
  int month = 0;
  int day = 0;
  bool leap = false;
  if (!ToLunarDate(std::bit_cast<double>(Words(args[0])), year, month, day, leap)) return;
  *variables[0] = year;
  *variables[1] = month;
  *variables[2] = day;
  *variables[3] = leap ? 1 : 0;
  SetLogical(result, true);
}

void SolarTermMomentCommand(CommandArg* result, int count, CommandArg* args) {
  if (count < 2 || args == nullptr || !IsIntegerTag(args[0].tag) || !IsIntegerTag(args[1].tag)) {
    SetDateTime(result, kMinDateTime);
    return;
  }
  SetDateTime(result, SolarTermMoment(static_cast<std::int32_t>(args[0].lo),
                                      static_cast<std::int32_t>(args[1].lo)));
}

constexpr std::array<runtime::CommandFn, 2> kCommands = {ToLunarDateCommand,
                                                         SolarTermMomentCommand};

std::atomic<RuntimeServiceFn> g_runtime_service{nullptr};

}  // namespace

const runtime::CommandLibrary& CalendarLibrary() {
  static const runtime::CommandLibrary library{"calendar", kCommands.data(),
                                               static_cast<int>(kCommands.size())};
  return library;
}

int CalendarNotify(int code, std::uintptr_t param1, std::uintptr_t /*param2*/) {
  if (code != 1) return -1;
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the notification passes the service as a word.
  g_runtime_service.store(reinterpret_cast<RuntimeServiceFn>(param1));
  return 0;
}

RuntimeServiceFn CalendarRuntimeService() { return g_runtime_service.load(); }

}  // namespace veltrane::calendar
