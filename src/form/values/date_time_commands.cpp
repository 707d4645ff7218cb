#include <algorithm>

#include "form/values/arg_convert.h"
#include "form/values/command_args.h"
#include "form/values/date_time_calc.h"
#include "form/values/value_commands.h"
#include "platform/platform.h"

namespace veltrane::runtime::values {
namespace {

template <int DateTimeParts::*Part>
void PartCommand(CommandArg* result, int count, CommandArg* args) {
  // A plain double is taken as a DateTime here; other tags as ToDateTime takes them.
  const CommandArg* arg = ArgAt(count, args, 0);
  double t = kMinDateTime;
  if (arg != nullptr) t = arg->tag == ValueTag::Double ? ArgDouble(*arg) : DateTimeOf(*arg);
  SetIntResult(result, SplitDateTimeParts(t).*Part);
}

}  // namespace

void NowCommand(CommandArg* result, int /*count*/, CommandArg* /*args*/) {
  const platform::LocalTime now = platform::CurrentPlatform().Now();
  // A leap second (60) counts as the second before it, not as a clock that cannot be read.
  const DateTimeParts parts{now.year, now.month,  now.day,
                            now.hour, now.minute, std::min(now.second, 59)};
  SetDateTimeResult(result,
                    IsValidDateTimeParts(parts) ? ComposeDateTimeParts(parts) : kMinDateTime);
}

void YearOfCommand(CommandArg* result, int count, CommandArg* args) {
  PartCommand<&DateTimeParts::year>(result, count, args);
}

void MonthOfCommand(CommandArg* result, int count, CommandArg* args) {
  PartCommand<&DateTimeParts::month>(result, count, args);
}

void DayOfCommand(CommandArg* result, int count, CommandArg* args) {
  PartCommand<&DateTimeParts::day>(result, count, args);
}

void HourOfCommand(CommandArg* result, int count, CommandArg* args) {
  PartCommand<&DateTimeParts::hour>(result, count, args);
}

void MinuteOfCommand(CommandArg* result, int count, CommandArg* args) {
  PartCommand<&DateTimeParts::minute>(result, count, args);
}

}  // namespace veltrane::runtime::values
