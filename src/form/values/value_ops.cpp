#include "form/values/value_ops.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <initializer_list>

#include "form/values/command.h"
#include "form/values/command_args.h"

namespace veltrane::runtime::ops {
namespace {

CommandArg Call(ValueOp op, std::initializer_list<CommandArg> args) {
  // On the stack: the chart arithmetic makes dozens of these calls per chart.
  std::array<CommandArg, 8> list{};
  assert(args.size() <= list.size());
  std::copy(args.begin(), args.end(), list.begin());
  return CallCommand(op, static_cast<int>(args.size()), list.data());
}

HeapText TextResult(const CommandArg& result) {
  return HeapText(static_cast<char*>(ArgPointer(result)));
}

}  // namespace

double IntegerDivide(double a, double b) {
  return ArgDouble(Call(ValueOp::IntegerDivide, {DoubleArg(a), DoubleArg(b)}));
}

double Remainder(double a, double b) {
  return ArgDouble(Call(ValueOp::Remainder, {DoubleArg(a), DoubleArg(b)}));
}

double Absolute(double x) { return ArgDouble(Call(ValueOp::Absolute, {DoubleArg(x)})); }

std::int32_t IntegerPart(double x) { return ArgInt(Call(ValueOp::IntegerPart, {DoubleArg(x)})); }

double Nearest(double x, std::int32_t places) {
  return ArgDouble(Call(ValueOp::Nearest, {DoubleArg(x), IntArg(places)}));
}

double Sine(double x) { return ArgDouble(Call(ValueOp::Sine, {DoubleArg(x)})); }

HeapText LeftText(const char* s, std::int32_t n) {
  return TextResult(Call(ValueOp::LeftText, {TextArg(s), IntArg(n)}));
}

HeapText RightText(const char* s, std::int32_t n) {
  return TextResult(Call(ValueOp::RightText, {TextArg(s), IntArg(n)}));
}

HeapText MidText(const char* s, std::int32_t start, std::int32_t n) {
  return TextResult(Call(ValueOp::MidText, {TextArg(s), IntArg(start), IntArg(n)}));
}

std::int32_t FindText(const char* s, const char* sought) {
  return ArgInt(
      Call(ValueOp::FindText, {TextArg(s), TextArg(sought), OmittedArg(), BoolArg(false)}));
}

HeapText ReplaceText(const char* s, const char* sought, const char* replacement) {
  return TextResult(Call(ValueOp::ReplaceText, {TextArg(s), TextArg(sought), TextArg(replacement),
                                                OmittedArg(), OmittedArg(), BoolArg(true)}));
}

double ToNumber(const char* text) { return ArgDouble(Call(ValueOp::ToNumber, {TextArg(text)})); }

HeapText ToText(std::int32_t x) { return TextResult(Call(ValueOp::ToText, {IntArg(x)})); }

HeapText ToText(double x) { return TextResult(Call(ValueOp::ToText, {DoubleArg(x)})); }

HeapText ChineseNumeral(double x) {
  return TextResult(Call(ValueOp::ChineseNumeral, {DoubleArg(x), BoolArg(true)}));
}

double ToDateTime(const char* text) {
  return ArgDouble(Call(ValueOp::ToDateTime, {TextArg(text)}));
}

double Now() { return ArgDouble(Call(ValueOp::Now, {})); }

std::int32_t YearOf(double t) { return ArgInt(Call(ValueOp::YearOf, {DateTimeArg(t)})); }
std::int32_t MonthOf(double t) { return ArgInt(Call(ValueOp::MonthOf, {DateTimeArg(t)})); }
std::int32_t DayOf(double t) { return ArgInt(Call(ValueOp::DayOf, {DateTimeArg(t)})); }
std::int32_t HourOf(double t) { return ArgInt(Call(ValueOp::HourOf, {DateTimeArg(t)})); }
std::int32_t MinuteOf(double t) { return ArgInt(Call(ValueOp::MinuteOf, {DateTimeArg(t)})); }

HeapText ItemText(WindowId window, ControlId combo, std::int32_t index) {
  return TextResult(Call(ValueOp::ItemText, {ComboArg(window, combo), IntArg(index)}));
}

void ClearClipboard() { Call(ValueOp::ClearClipboard, {}); }

bool SetClipboardText(const char* s) {
  return ArgBool(Call(ValueOp::SetClipboardText, {TextArg(s)}));
}

std::int32_t ShowMessage(const char* content, std::int32_t style, const char* title) {
  return ArgInt(Call(ValueOp::ShowMessage, {TextArg(content), IntArg(style), TextArg(title)}));
}

}  // namespace veltrane::runtime::ops
