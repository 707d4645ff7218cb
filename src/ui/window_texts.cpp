#include "ui/window_texts.h"

#include "base/text/gbk.h"
#include "base/text/gbk_literal.h"
#include "chart/box_items.h"
#include "views/chart_labels.h"

namespace veltrane::ui {
namespace {

using namespace chart;  // the vocabulary

// GBK forms of the vocabulary, converted once.
template <std::size_t N>
std::array<std::string_view, N> ToGbk(const std::array<std::string_view, N>& utf8) {
  std::array<std::string_view, N> gbk{};
  for (std::size_t i = 0; i < N; ++i) gbk[i] = runtime::Gbk(utf8[i]);
  return gbk;
}

struct GbkVocabulary {
  std::array<std::string_view, kInstrumentCount> instruments = ToGbk(kInstrumentItems);
  std::array<std::string_view, kRingSize> stars = ToGbk(kStarItems);
  std::array<std::string_view, kRingSize> gates = ToGbk(kGateItems);
  std::array<std::string_view, kRingSize> deities = ToGbk(kDeityItems);
  std::array<std::string_view, kRingSize> short_deities = ToGbk(kCounterDeityItems);
  std::array<std::string_view, kTermCount> terms = ToGbk(kTermTexts);
  std::array<std::string_view, kXunCount> xun{};
  std::array<std::string_view, kGanZhiCount> gan_zhi{};  // 1 = 甲子 at index 0
  // The centre labels' words; the labels are made as the drawing makes them.
  views::LabelWords labels =
      views::LabelWords{}.Converted([](std::string_view utf8) { return runtime::Gbk(utf8); });
  GbkVocabulary() {
    for (std::size_t i = 0; i < xun.size(); ++i) xun[i] = runtime::Gbk(kXunHeads[i].text);
    for (std::size_t n = 0; n < gan_zhi.size(); ++n) {
      gan_zhi[n] = runtime::Gbk(GanZhiText(static_cast<int>(n) + 1));
    }
  }
};

const GbkVocabulary& Vocabulary() {
  static const GbkVocabulary vocabulary;
  return vocabulary;
}

template <std::size_t N>
std::string_view Item(const std::array<std::string_view, N>& list, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? list[static_cast<std::size_t>(index)]
                                                           : std::string_view();
}

}  // namespace

ShortText& ShortText::operator+=(std::string_view gbk) {
  std::size_t take = 0;
  while (take < gbk.size()) {
    const std::size_t length = runtime::GbkCharLength(gbk, take);
    if (size_ + take + length > kCapacity) break;
    take += length;
  }
  gbk.copy(bytes_.data() + size_, take);
  size_ += take;
  bytes_[size_] = '\0';
  return *this;
}

ShortText PillarsText(const chart::Pillars& pillars) {
  ShortText text;
  for (int n : {pillars.year, pillars.month, pillars.day, pillars.hour}) {
    text += Item(Vocabulary().gan_zhi, ((n - 1) % kGanZhiCount + kGanZhiCount) % kGanZhiCount);
  }
  return text;
}

ShortText JuText(const chart::Chart& chart) {
  ShortText text;
  views::AppendJuLabel(text, chart, Vocabulary().labels);
  return text;
}

ShortText TermText(const chart::Chart& chart) {
  ShortText text;
  views::AppendTermLabel(text, chart, Vocabulary().labels);
  return text;
}

std::string_view XunText(const chart::Chart& chart) { return Item(Vocabulary().xun, chart.xun); }

ShortText DutyText(const chart::Chart& chart) {
  ShortText text;
  views::AppendDutyLabel(text, chart, Vocabulary().labels);
  return text;
}

std::string_view InstrumentText(int index) { return Item(Vocabulary().instruments, index); }
std::string_view StarText(int index) { return Item(Vocabulary().stars, index); }
std::string_view GateText(int index) { return Item(Vocabulary().gates, index); }
std::string_view DeityText(int index) { return Item(Vocabulary().deities, index); }
std::string_view CounterDeityText(int index) { return Item(Vocabulary().short_deities, index); }
std::string_view TermName(chart::SolarTerm term) {
  return Item(Vocabulary().terms, static_cast<int>(term) - 1);
}

}  // namespace veltrane::ui
