#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/text/gbk_literal.h"
#include "form/form_runtime.h"
#include "form/values/arg_convert.h"
#include "form/values/command_args.h"
#include "form/values/value_commands.h"
#include "platform/platform.h"

namespace veltrane::runtime::values {
namespace {

constexpr std::uint32_t kSystemModal = 0x1000;
constexpr std::uint32_t kTaskModal = 0x2000;

// The platform's answer (the native button id) as the operation's button code.
std::int32_t ButtonCode(int answer) {
  struct Answer {
    int id;
    std::int32_t code;
  };
  static constexpr std::array<Answer, 9> kAnswers = {{
      {1, 0},   // OK
      {2, 1},   // Cancel
      {3, 2},   // Abort
      {4, 3},   // Retry
      {5, 4},   // Ignore
      {6, 5},   // Yes
      {7, 6},   // No
      {10, 3},  // Try again: the Retry of the newer button set
      {11, 4},  // Continue: its Ignore
  }};
  for (const Answer& a : kAnswers) {
    if (a.id == answer) return a.code;
  }
  return 1;  // closed without a choice (or no box at all): counts as Cancel
}

}  // namespace

// (combo-box reference, n)
void ItemTextCommand(CommandArg* result, int count, CommandArg* args) {
  const CommandArg* box = ArgAt(count, args, 0);
  std::optional<std::string> text;
  if (box != nullptr && box->tag == kComboBoxReference) {
    text = ComboItemText(box->lo, box->hi, IntArgAt(count, args, 1, 0));
  }
  SetTextResult(result, text.value_or(std::string()));
}

void ClearClipboardCommand(CommandArg* /*result*/, int /*count*/, CommandArg* /*args*/) {
  platform::CurrentPlatform().ClearClipboard();
}

void SetClipboardTextCommand(CommandArg* result, int count, CommandArg* args) {
  SetBoolResult(result, platform::CurrentPlatform().SetClipboardText(TextArgAt(count, args, 0)));
}

// (content, style = 0, title = "信息：", owner: not used by the platform's box)
void ShowMessageCommand(CommandArg* result, int count, CommandArg* args) {
  const std::string content = TextArgAt(count, args, 0);
  auto style = static_cast<std::uint32_t>(IntArgAt(count, args, 1, 0));
  const std::string title = TextArgAt(count, args, 2, Gbk("信息："));
  if ((style & kSystemModal) == 0) style |= kTaskModal;
  SetIntResult(result,
               ButtonCode(platform::CurrentPlatform().ShowMessageBox(content, title, style)));
}

}  // namespace veltrane::runtime::values
