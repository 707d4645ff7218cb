#include "form/values/chinese_numeral.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "base/text/gbk_literal.h"
#include "calendar/arithmetic.h"

namespace veltrane::runtime::values {
namespace {

constexpr double kLargest = 9999999999999.0;

struct Numerals {
  std::string_view digits;  // ten two-byte characters
  std::string_view units;   // 十百千 as three two-byte characters
  std::string_view ten_thousand;
  std::string_view hundred_million;

  std::string_view Digit(std::int64_t d) const {
    return digits.substr(static_cast<std::size_t>(d) * 2, 2);
  }
  std::string_view Unit(int place) const {
    return units.substr(static_cast<std::size_t>(place - 1) * 2, 2);
  }
};

const Numerals& NumeralsFor(bool simple) {
  static const Numerals kSimple{Gbk("零一二三四五六七八九"), Gbk("十百千"), Gbk("万"), Gbk("亿")};
  static const Numerals kFinancial{Gbk("零壹贰叁肆伍陆柒捌玖"), Gbk("拾佰仟"), Gbk("万"),
                                   Gbk("亿")};
  return simple ? kSimple : kFinancial;
}

// 1..9999. Inner zero runs read as one 零, trailing zeros are silent; a number
// that opens with 一十 drops the 一 in the simple forms.
std::string Group(std::int64_t n, bool opening, bool simple, const Numerals& numerals) {
  std::string out;
  bool started = false;
  bool zero_pending = false;
  for (int place = 3; place >= 0; --place) {
    static constexpr std::int64_t kPlace[4] = {1, 10, 100, 1000};
    const std::int64_t d = n / kPlace[place] % 10;
    if (d == 0) {
      zero_pending = started;
      continue;
    }
    if (zero_pending) out += numerals.Digit(0);
    zero_pending = false;
    const bool bare_ten = simple && opening && !started && place == 1 && d == 1;
    if (!bare_ten) out += numerals.Digit(d);
    if (place > 0) out += numerals.Unit(place);
    started = true;
  }
  return out;
}

// 1..99999999999999, in groups of 万 and 亿.
std::string Whole(std::int64_t n, bool opening, bool simple, const Numerals& numerals) {
  struct Step {
    std::int64_t size;
    std::string_view Numerals::*name;
  };
  static constexpr Step kSteps[] = {{100000000, &Numerals::hundred_million},
                                    {10000, &Numerals::ten_thousand}};
  for (const Step& step : kSteps) {
    if (n < step.size) continue;
    std::string out = Whole(n / step.size, opening, simple, numerals);
    out += numerals.*step.name;
    const std::int64_t low = n % step.size;
    if (low != 0) {
      if (low < step.size / 10) out += numerals.Digit(0);
      out += Whole(low, false, simple, numerals);
    }
    return out;
  }
  return Group(n, opening, simple, numerals);
}

}  // namespace

std::string ChineseNumeralText(double x, bool simple) {
  if (!(std::fabs(x) <= kLargest)) return Gbk("溢出");
  const double magnitude = calendar::Nearest(std::fabs(x), 2);
  if (magnitude > kLargest) return Gbk("溢出");
  const Numerals& numerals = NumeralsFor(simple);

  const auto cents = static_cast<std::int64_t>(std::llround(magnitude * 100));
  const std::int64_t whole = cents / 100;
  const std::int64_t fraction = cents % 100;
  std::string out;
  if (x < 0 && cents != 0) out += Gbk("负");
  out += whole == 0 ? std::string(numerals.Digit(0)) : Whole(whole, true, simple, numerals);
  if (fraction != 0) {
    out += Gbk("点");
    out += numerals.Digit(fraction / 10);
    if (fraction % 10 != 0) out += numerals.Digit(fraction % 10);
  }
  return out;
}

}  // namespace veltrane::runtime::values
