#include "chart/chart_tables.h"

#include <cstddef>

#include "runtime/text/gbk.h"
#include "runtime/text/gbk_literal.h"

namespace veltrane::chart {
namespace {

// Fills a text array with the GBK forms of UTF-8 constants.
template <std::size_t N>
void AssignTexts(TextArray& array, const std::array<std::string_view, N>& utf8) {
  std::array<const char*, N> gbk{};
  for (std::size_t i = 0; i < N; ++i) gbk[i] = runtime::Gbk(utf8[i]);
  array.Assign(gbk);
}

// Splits the first character off text (GBK): returns it and shortens text.
std::string_view TakeCharacter(std::string_view& text) {
  const std::size_t length = text.empty() ? 0 : runtime::GbkCharLength(text, 0);
  std::string_view first = text.substr(0, length);
  text.remove_prefix(length);
  return first;
}

}  // namespace

ChartTables& Tables() {
  static ChartTables tables;
  return tables;
}

KeptPlotting& KeptPlottingResults() {
  static KeptPlotting kept;
  return kept;
}

void InitChartTables() {
  ChartTables& t = Tables();
  t.terms.Clear();
  t.stems.Clear();
  t.branches.Clear();
  t.instruments.Clear();
  for (IntegerArray& ju : t.ju) ju.Clear();
}

void FillChartTables() {
  ChartTables& t = Tables();
  AssignTexts(t.terms, kTermNames);
  AssignTexts(t.stems, kStemNames);
  AssignTexts(t.branches, kBranchNames);
  AssignTexts(t.instruments, kInstrumentNames);
  for (int y = 0; y < kYuanCount; ++y) {
    t.ju[static_cast<std::size_t>(y)].Assign(kJuTable[static_cast<std::size_t>(y)]);
    t.yuan_days[static_cast<std::size_t>(y)] =
        runtime::HeapText::Copy(runtime::Gbk(kYuanDayLists[static_cast<std::size_t>(y)]));
  }
}

void FreeChartTables() {
  ChartTables& t = Tables();
  for (runtime::HeapText& days : t.yuan_days) days = runtime::HeapText();
  for (IntegerArray& ju : t.ju) ju.Clear();
  t.terms.Clear();
  t.branches.Clear();
  t.instruments.Clear();
  t.stems.Clear();
  KeptPlotting& kept = KeptPlottingResults();
  kept.ju_text = runtime::HeapText();
  kept.duty_gate_name = runtime::HeapText();
  kept.duty_star_name = runtime::HeapText();
}

int StemPosition(std::string_view stem) { return Tables().stems.Find(stem); }
int BranchPosition(std::string_view branch) { return Tables().branches.Find(branch); }
int InstrumentPosition(std::string_view instrument) {
  return Tables().instruments.Find(instrument);
}

int XunIndexOf(std::string_view ganzhi) {
  const int stem = StemPosition(TakeCharacter(ganzhi));
  const int branch = BranchPosition(TakeCharacter(ganzhi));
  const int d = ((branch - stem) % kBranchCount + kBranchCount) % kBranchCount;
  return XunIndexOfDifference(d);
}

const char* XunHeadText(std::string_view ganzhi) {
  const int xun = XunIndexOf(ganzhi);
  return xun < 0 ? "" : runtime::Gbk(kXunHeads[static_cast<std::size_t>(xun)].text);
}

std::int32_t JuOf(Yuan yuan, int term) {
  const int y = static_cast<int>(yuan);
  if (y < 1 || y > kYuanCount) return 0;
  return Tables().ju[static_cast<std::size_t>(y - 1)].At(term);
}

}  // namespace veltrane::chart
