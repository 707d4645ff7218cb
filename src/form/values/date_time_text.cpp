#include "form/values/date_time_text.h"

#include <array>

#include "base/text/gbk_literal.h"
#include "form/values/date_time_calc.h"
#include "form/values/full_width.h"
#include "form/values/number_text.h"

namespace veltrane::runtime::values {
namespace {

// One field of the accepted text: its digits, the separators that may follow
// it: ASCII ones, or the field's own character.
struct Field {
  int max_digits;
  std::string_view ascii_separators;
  const char* word_utf8;  // null: the end of the text or "秒" follows instead
  int DateTimeParts::*part;
};

constexpr std::array<Field, 6> kFields = {{
    {4, "/-:.", "年", &DateTimeParts::year},
    {2, "/-:.", "月", &DateTimeParts::month},
    {2, "/-: .", "日", &DateTimeParts::day},
    {2, "/-:.", "时", &DateTimeParts::hour},
    {2, "/-:.", "分", &DateTimeParts::minute},
    {2, "", nullptr, &DateTimeParts::second},
}};

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }

  // Up to max_digits digits; a missing number is 0.
  int Number(int max_digits) {
    int value = 0;
    for (int i = 0; i < max_digits && !AtEnd() && text_[pos_] >= '0' && text_[pos_] <= '9'; ++i) {
      value = value * 10 + (text_[pos_++] - '0');
    }
    return value;
  }

  bool SkipAsciiOf(std::string_view set) {
    if (AtEnd() || set.find(text_[pos_]) == std::string_view::npos) return false;
    ++pos_;
    return true;
  }

  bool Skip(std::string_view token) {
    if (text_.substr(pos_, token.size()) != token) return false;
    pos_ += token.size();
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<double> ParseDateTimeText(std::string_view gbk) {
  const std::string text = MapFullWidthToAscii(gbk);
  if (text.empty()) return std::nullopt;

  Reader reader(text);
  DateTimeParts parts;
  for (const Field& field : kFields) {
    parts.*field.part = reader.Number(field.max_digits);
    if (field.word_utf8 != nullptr && !reader.SkipAsciiOf(field.ascii_separators)) {
      reader.Skip(Gbk(field.word_utf8));
    }
  }
  // Only "秒" may close the text (and nothing after it).
  reader.Skip(Gbk("秒"));
  if (!reader.AtEnd()) return std::nullopt;

  if (!IsValidDateTimeParts(parts)) return std::nullopt;
  return ComposeDateTimeParts(parts);
}

std::string FormatDateTimeText(double t) {
  const DateTimeParts parts = SplitDateTimeParts(t);
  std::string out = FormatInteger(parts.year) + Gbk("年") + FormatInteger(parts.month) + Gbk("月") +
                    FormatInteger(parts.day) + Gbk("日");
  if (parts.hour == 0 && parts.minute == 0 && parts.second == 0) return out;
  out += FormatInteger(parts.hour) + Gbk("时");
  if (parts.minute == 0 && parts.second == 0) return out;
  out += FormatInteger(parts.minute) + Gbk("分");
  if (parts.second == 0) return out;
  return out + FormatInteger(parts.second) + Gbk("秒");
}

}  // namespace veltrane::runtime::values
