// The texts the window shows for a plotted chart (GBK): the pillars box, the
// term, xun and duty labels, and juText, built without the heap.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "chart/plot_chart.h"

namespace veltrane::ui {

// A short zero-terminated GBK text with its own fixed storage; what does not
// fit is cut at a character boundary.
class ShortText {
 public:
  static constexpr std::size_t kCapacity = 63;
  ShortText& operator+=(std::string_view gbk);
  ShortText& operator+=(char c) { return *this += std::string_view(&c, 1); }
  const char* c_str() const { return bytes_.data(); }
  std::string_view view() const { return {bytes_.data(), size_}; }
  bool operator==(std::string_view other) const { return view() == other; }

 private:
  std::array<char, kCapacity + 1> bytes_{};
  std::size_t size_ = 0;
};

// 编辑框2: the four pillar texts joined, e.g. 辛巳庚子甲子丙寅.
ShortText PillarsText(const chart::Pillars& pillars);
// 标签24: term, yuan, dun and ju, e.g. 冬至:上元 阳遁1局.
ShortText TermText(const chart::Chart& chart);
// juText, kept for the copy: dun and ju, e.g. 阳遁1局.
ShortText JuText(const chart::Chart& chart);
// 标签23: the XunHeadText of the hour pillar, e.g. 甲子戊.
std::string_view XunText(const chart::Chart& chart);
// 标签25: duty star and duty gate, e.g. 值符天蓬落8宫 值使休门落3宫.
ShortText DutyText(const chart::Chart& chart);

// GBK names of box items; "" for an index outside the list.
std::string_view InstrumentText(int index);
std::string_view StarText(int index);
std::string_view GateText(int index);
std::string_view DeityText(int index);
std::string_view CounterDeityText(int index);
std::string_view TermName(chart::SolarTerm term);

}  // namespace veltrane::ui
