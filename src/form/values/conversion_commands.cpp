#include "form/values/arg_convert.h"
#include "form/values/chinese_numeral.h"
#include "form/values/date_time_calc.h"
#include "form/values/value_commands.h"

namespace veltrane::runtime::values {

void ToNumberCommand(CommandArg* result, int count, CommandArg* args) {
  SetDoubleResult(result, DoubleArgAt(count, args, 0));
}

void ToTextCommand(CommandArg* result, int count, CommandArg* args) {
  SetTextResult(result, TextArgAt(count, args, 0));
}

// (x, simple = false)
void ChineseNumeralCommand(CommandArg* result, int count, CommandArg* args) {
  SetTextResult(result,
                ChineseNumeralText(DoubleArgAt(count, args, 0), BoolArgAt(count, args, 1, false)));
}

void ToDateTimeCommand(CommandArg* result, int count, CommandArg* args) {
  const CommandArg* arg = ArgAt(count, args, 0);
  SetDateTimeResult(result, arg != nullptr ? DateTimeOf(*arg) : kMinDateTime);
}

}  // namespace veltrane::runtime::values
