// ChartTables: the run-time copies of the chart's constant tables that the
// plotting reads, the lookups over them, and the plotting results kept
// between plottings. All texts are GBK.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "chart/plot_chart.h"
#include "chart/table_array.h"
#include "chart/vocabulary.h"
#include "runtime/memory.h"

namespace veltrane::chart {

struct ChartTables {
  TextArray terms;                                      // ChartTermList, SolarTerm 1..24
  TextArray stems;                                      // StemList, 1..10
  TextArray branches;                                   // BranchList, 1..12
  TextArray instruments;                                // InstrumentList, 1..9
  std::array<IntegerArray, kYuanCount> ju;              // JuTable of 上元, 中元, 下元
  std::array<runtime::HeapText, kYuanCount> yuan_days;  // YuanDayList of 上元, 中元, 下元
};

// Results of the last plotting that later actions read.
struct KeptPlotting {
  ChartDate date;                    // the date, hour and minute plotted
  runtime::HeapText ju_text;         // e.g. 阳遁1局
  runtime::HeapText duty_gate_name;  // e.g. 休门
  runtime::HeapText duty_star_name;  // e.g. 天蓬
  std::array<int, 2> void_palaces = {0, 0};
  int horse_palace = 0;
  int duty_gate_palace = 0;
  int duty_star_palace = 0;
};

// The program's one set of tables.
ChartTables& Tables();
// The program's kept plotting results.
KeptPlotting& KeptPlottingResults();

// Gives every table an empty array (the start of the program).
void InitChartTables();
// Copies the constant tables into ChartTables, freeing what they held.
void FillChartTables();
// The program's exit routine: frees the tables and the kept plotting texts.
void FreeChartTables();

// Position of a stem text in StemList (first equal wins), count + 1 when absent.
int StemPosition(std::string_view stem);
// Position of a branch text in BranchList, count + 1 when absent.
int BranchPosition(std::string_view branch);
// Position of an instrument text in InstrumentList, count + 1 when absent.
int InstrumentPosition(std::string_view instrument);

// Index into kXunHeads of a GanZhi text (stem then branch), -1 when its
// positions give no xun.
int XunIndexOf(std::string_view ganzhi);
// XunHeadText of a GanZhi text (e.g. 甲寅癸 for 癸亥); "" when there is none.
const char* XunHeadText(std::string_view ganzhi);

// JuTable[yuan][term] through the run-time arrays (errors 4 / 1 outside them);
// 0 for Yuan::None.
std::int32_t JuOf(Yuan yuan, int term);

}  // namespace veltrane::chart
