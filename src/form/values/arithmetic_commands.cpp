#include <cmath>
#include <string_view>

#include "base/text/gbk_literal.h"
#include "calendar/arithmetic.h"
#include "form/fatal.h"
#include "form/values/arg_convert.h"
#include "form/values/value_commands.h"

namespace veltrane::runtime::values {
namespace {

// Applies step to the first argument and each further divisor in turn; a zero
// divisor is a fatal run-time error with the operation's own message.
template <typename Step>
void Divide(CommandArg* result, int count, CommandArg* args, const char* zero_message_utf8,
            Step step) {
  double value = DoubleArgAt(count, args, 0);
  for (int i = 1; i < count; ++i) {
    const double divisor = DoubleArgAt(count, args, i);
    if (divisor == 0) ReportFatal(Gbk(zero_message_utf8), 0);
    value = step(value, divisor);
  }
  SetDoubleResult(result, value);
}

}  // namespace

void IntegerDivideCommand(CommandArg* result, int count, CommandArg* args) {
  Divide(result, count, args, "不能整除于零", [](double a, double b) { return std::trunc(a / b); });
}

void RemainderCommand(CommandArg* result, int count, CommandArg* args) {
  Divide(result, count, args, "不能求余数于零",
         [](double a, double b) { return calendar::Remainder(a, b); });
}

void AbsoluteCommand(CommandArg* result, int count, CommandArg* args) {
  SetDoubleResult(result, std::fabs(DoubleArgAt(count, args, 0)));
}

void IntegerPartCommand(CommandArg* result, int count, CommandArg* args) {
  SetIntResult(result, calendar::IntegerPart(DoubleArgAt(count, args, 0)));
}

void NearestCommand(CommandArg* result, int count, CommandArg* args) {
  SetDoubleResult(result,
                  calendar::Nearest(DoubleArgAt(count, args, 0), IntArgAt(count, args, 1, 0)));
}

void SineCommand(CommandArg* result, int count, CommandArg* args) {
  SetDoubleResult(result, calendar::Sine(DoubleArgAt(count, args, 0)));
}

}  // namespace veltrane::runtime::values
