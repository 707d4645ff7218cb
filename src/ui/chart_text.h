// ChartText: the shown chart as a text table drawn with box characters, the
// text that 复制排盘 puts on the clipboard. GBK, "\r\n" line ends.
#pragma once

#include <array>

#include "runtime/memory.h"

namespace veltrane::ui {

// What the boxes of one palace show; a box with no selected item gives "".
struct PalaceCellTexts {
  runtime::HeapText hidden;   // A: hidden stem
  runtime::HeapText deity;    // B: deity (ring box)
  runtime::HeapText star;     // S: star (ring box)
  runtime::HeapText heaven;   // T: heaven stem
  runtime::HeapText gate;     // G: gate (ring box)
  runtime::HeapText counter;  // C: counter-deity short name (ring box)
  runtime::HeapText earth;    // E: earth stem
};

// Everything the table is made of: the header texts (date, hour, minute,
// pillars), the nine cells and the three results the last plotting kept.
struct ChartTextSource {
  runtime::HeapText year;
  runtime::HeapText month;
  runtime::HeapText day;
  runtime::HeapText hour;
  runtime::HeapText minute;
  runtime::HeapText pillars;
  std::array<PalaceCellTexts, 9> palaces;  // palace p at index p - 1
  const char* ju_text = "";                // e.g. 阳遁1局
  std::array<int, 2> void_palaces = {0, 0};
  int horse_palace = 0;
};

// The whole ChartText of a source, built with the value operations.
runtime::HeapText BuildChartText(const ChartTextSource& source);

// The centre text of a juText: 阳遁3局 gives 阳遁三局.
runtime::HeapText CentreText(const char* ju_text);

}  // namespace veltrane::ui
