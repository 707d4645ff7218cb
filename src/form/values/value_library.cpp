#include <array>

#include "form/values/command.h"
#include "form/values/value_commands.h"

namespace veltrane::runtime {
namespace {

using namespace values;

// Indexed by ValueOp.
constexpr std::array<CommandFn, kValueOpCount> kValueCommands = {
    IntegerDivideCommand, RemainderCommand,      AbsoluteCommand,       IntegerPartCommand,
    NearestCommand,       SineCommand,           LeftTextCommand,       RightTextCommand,
    MidTextCommand,       FindTextCommand,       ReplaceTextCommand,    ToNumberCommand,
    ToTextCommand,        ChineseNumeralCommand, ToDateTimeCommand,     NowCommand,
    YearOfCommand,        MonthOfCommand,        DayOfCommand,          HourOfCommand,
    MinuteOfCommand,      ItemTextCommand,       ClearClipboardCommand, SetClipboardTextCommand,
    ShowMessageCommand,
};
static_assert(static_cast<int>(ValueOp::ShowMessage) == kValueOpCount - 1);

}  // namespace

const CommandLibrary& ValueLibrary() {
  static const CommandLibrary kLibrary{"values", kValueCommands.data(), kValueOpCount};
  return kLibrary;
}

}  // namespace veltrane::runtime
