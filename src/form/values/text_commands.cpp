#include <string>

#include "form/values/arg_convert.h"
#include "form/values/text_search.h"
#include "form/values/value_commands.h"

namespace veltrane::runtime::values {

void LeftTextCommand(CommandArg* result, int count, CommandArg* args) {
  const std::string s = TextArgAt(count, args, 0);
  SetTextResult(result, LeftBytes(s, IntArgAt(count, args, 1)));
}

void RightTextCommand(CommandArg* result, int count, CommandArg* args) {
  const std::string s = TextArgAt(count, args, 0);
  SetTextResult(result, RightBytes(s, IntArgAt(count, args, 1)));
}

void MidTextCommand(CommandArg* result, int count, CommandArg* args) {
  const std::string s = TextArgAt(count, args, 0);
  SetTextResult(result, MidBytes(s, IntArgAt(count, args, 1), IntArgAt(count, args, 2)));
}

// (s, sought, start = 1, ignore case = false)
void FindTextCommand(CommandArg* result, int count, CommandArg* args) {
  SetIntResult(result, FindInText(TextArgAt(count, args, 0), TextArgAt(count, args, 1),
                                  IntArgAt(count, args, 2, 1), BoolArgAt(count, args, 3, false)));
}

// (s, sought, replacement = "", start = 1, count = every one, case-sensitive = true)
void ReplaceTextCommand(CommandArg* result, int count, CommandArg* args) {
  SetTextResult(result,
                ReplaceInText(TextArgAt(count, args, 0), TextArgAt(count, args, 1),
                              TextArgAt(count, args, 2), IntArgAt(count, args, 3, 1),
                              IntArgAt(count, args, 4, -1), BoolArgAt(count, args, 5, true)));
}

}  // namespace veltrane::runtime::values
