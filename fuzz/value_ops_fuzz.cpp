// Feeds arbitrary bytes to the value operations that read outside texts:
// ToDateTime, ToNumber, FindText and ReplaceText, through the command boundary.
// The input is split at its first two zero bytes into text, sought text and
// replacement. Checks: an accepted date-time prints and parses back to itself,
// a found position really holds the sought text at a character start, and a
// replacement with nothing found changes nothing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/memory.h"
#include "form/values/command.h"
#include "form/values/command_args.h"
#include "form/values/text_search.h"

using namespace veltrane::runtime;

namespace {

constexpr double kMinDateTime = -657434.0;
constexpr double kMaxDateTime = 2958465.0;

std::string TakeText(const CommandArg& result) {
  HeapText owned(static_cast<char*>(ArgPointer(result)));
  return std::string(owned.view());
}

// True when pos (0-based) starts a character of s, walking from the front as
// searching does.
bool IsCharacterStart(std::string_view s, std::size_t pos) {
  std::size_t at = 0;
  while (at < pos) at += values::TextCharLength(s, at);
  return at == pos;
}

void CheckDateTime(const std::string& text) {
  CommandArg arg = TextArg(text.c_str());
  const double t = ArgDouble(CallCommand(ValueOp::ToDateTime, 1, &arg));
  if (t == kMinDateTime) return;
  if (!std::isfinite(t)) __builtin_trap();
  // A time of day on 0100-01-01 or 9999-12-31 lies outside the numeric range
  // the parts are clamped to, so it prints as that day's midnight.
  if (t < kMinDateTime || t > kMaxDateTime) return;
  CommandArg moment = DateTimeArg(t);
  const std::string printed = TakeText(CallCommand(ValueOp::ToText, 1, &moment));
  CommandArg again = TextArg(printed.c_str());
  const double back = ArgDouble(CallCommand(ValueOp::ToDateTime, 1, &again));
  if (std::fabs(back - t) > 1e-6) __builtin_trap();
}

void CheckSearch(const std::string& s, const std::string& sought, const std::string& replacement,
                 bool ignore_case) {
  CommandArg find_args[] = {TextArg(s.c_str()), TextArg(sought.c_str()), OmittedArg(),
                            BoolArg(ignore_case)};
  const std::int32_t found = ArgInt(CallCommand(ValueOp::FindText, 4, find_args));
  if (found != -1) {
    const auto pos = static_cast<std::size_t>(found - 1);
    if (found < 1 || pos + sought.size() > s.size() || !IsCharacterStart(s, pos)) __builtin_trap();
    if (!ignore_case && s.compare(pos, sought.size(), sought) != 0) __builtin_trap();
  }
  CommandArg replace_args[] = {
      TextArg(s.c_str()), TextArg(sought.c_str()), TextArg(replacement.c_str()), OmittedArg(),
      OmittedArg(),       BoolArg(!ignore_case)};
  const std::string replaced = TakeText(CallCommand(ValueOp::ReplaceText, 6, replace_args));
  if (found == -1 && replaced != s) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t first = std::min(input.find('\0'), input.size());
  const std::string_view rest = input.substr(std::min(first + 1, input.size()));
  const std::size_t second = std::min(rest.find('\0'), rest.size());
  const std::string s(input.substr(0, first));
  const std::string sought(rest.substr(0, second));
  const std::string replacement(rest.substr(std::min(second + 1, rest.size())));

  CheckDateTime(s);
  CommandArg number = TextArg(s.c_str());
  (void)CallCommand(ValueOp::ToNumber, 1, &number);
  const bool ignore_case = size > 0 && (data[size - 1] & 1) != 0;
  CheckSearch(s, sought, replacement, ignore_case);
  return 0;
}
