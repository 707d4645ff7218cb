// The centre labels of a chart as the window writes them (冬至:上元 阳遁1局,
// 值符天蓬落8宫 值使休门落3宫), made once for any script and encoding: the
// window writes them in GBK, the drawing in UTF-8.
#pragma once

#include <array>
#include <cstdlib>
#include <string_view>

#include "chart/plot_chart.h"
#include "chart/vocabulary.h"

namespace veltrane::views {

// The words the labels are made of, in one script and encoding, by enum value.
struct LabelWords {
  std::array<std::string_view, chart::kTermCount> terms = chart::kTermTexts;  // 冬至 first
  std::array<std::string_view, chart::kYuanCount> yuan = chart::kYuanTexts;   // 上元 first
  std::array<std::string_view, 2> dun = chart::kDunTexts;
  std::array<std::string_view, chart::kStarCount> stars = chart::kStarTexts;
  std::array<std::string_view, chart::kRingSize> gates = chart::kGateTexts;
  std::string_view dun_word = "遁";
  std::string_view ju_word = "局";
  std::string_view duty_star = "值符";
  std::string_view falls_in = "落";
  std::string_view palace = "宫";
  std::string_view duty_gate = " 值使";
  std::string_view term_end = ":";  // between the term and the yuan

  // The same words passed through `convert` (say, to GBK); `convert` returns views that
  // outlive the copy.
  template <typename Convert>
  LabelWords Converted(Convert convert) const {
    LabelWords out = *this;
    const auto each = [&](auto& texts) {
      for (std::string_view& text : texts) text = convert(text);
    };
    each(out.terms), each(out.yuan), each(out.dun), each(out.stars), each(out.gates);
    for (std::string_view* word : {&out.dun_word, &out.ju_word, &out.duty_star, &out.falls_in,
                                   &out.palace, &out.duty_gate, &out.term_end}) {
      *word = convert(*word);
    }
    return out;
  }
};

// The words of the labels in a script, UTF-8: the window's 简体, 繁體 (冬至:上元
// 陽遁1局, 值符天衝落8宮 值使休門落3宮) or English (Dongzhi: Shangyuan Yang Dun 1 Ju,
// Zhifu Chong in 8, Zhishi Rest in 3).
inline LabelWords LabelWordsIn(chart::Script script) {
  using chart::detail::Column;
  using chart::detail::TextsOf;
  LabelWords w;
  w.terms = Column(TextsOf(chart::kTermScripts), script);
  w.yuan = Column(chart::kYuanScripts, script);
  w.dun = Column(chart::kDunScripts, script);
  w.stars = Column(TextsOf(chart::kStarScripts), script);
  w.gates = Column(TextsOf(chart::kGateScripts), script);
  if (script == chart::Script::kHant) {
    w.palace = "宮";
  } else if (script == chart::Script::kEn) {
    w.dun_word = " Dun ";
    w.ju_word = " Ju";
    w.duty_star = "Zhifu ";
    w.falls_in = " in ";
    w.palace = "";
    w.duty_gate = ", Zhishi ";
    w.term_end = ": ";
  }
  return w;
}

namespace labels {

template <std::size_t N>
std::string_view At(const std::array<std::string_view, N>& texts, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? texts[static_cast<std::size_t>(index)]
                                                           : std::string_view();
}

// The digit of a palace or ju number 0..9, "0" outside, as the window writes it.
inline char Digit(int n) { return static_cast<char>('0' + (n >= 0 && n <= 9 ? n : 0)); }

}  // namespace labels

// Appends dun and ju, e.g. 阳遁1局 (the window's juText). `Out` takes += of a
// string_view and of a char.
template <typename Out>
void AppendJuLabel(Out& out, const chart::Chart& c, const LabelWords& w) {
  out += labels::At(w.dun, static_cast<int>(c.dun()));
  out += w.dun_word;
  out += labels::Digit(std::abs(c.ju));
  out += w.ju_word;
}

// Appends term, yuan, dun and ju, e.g. 冬至:上元 阳遁1局 (the term label).
template <typename Out>
void AppendTermLabel(Out& out, const chart::Chart& c, const LabelWords& w) {
  out += labels::At(w.terms, static_cast<int>(c.term) - 1);
  out += w.term_end;
  out += labels::At(w.yuan, static_cast<int>(c.yuan) - 1);
  out += ' ';
  AppendJuLabel(out, c, w);
}

// Appends duty star and duty gate with their palaces, e.g. 值符天蓬落8宫 值使休门落3宫.
template <typename Out>
void AppendDutyLabel(Out& out, const chart::Chart& c, const LabelWords& w) {
  out += w.duty_star;
  out += labels::At(w.stars, static_cast<int>(c.duty_star));
  out += w.falls_in;
  out += labels::Digit(c.duty_star_palace.number());
  out += w.palace;
  out += w.duty_gate;
  if (c.duty_gate) out += labels::At(w.gates, static_cast<int>(*c.duty_gate));
  out += w.falls_in;
  out += labels::Digit(chart::NumberOf(c.duty_gate_palace));
  out += w.palace;
}

}  // namespace veltrane::views
