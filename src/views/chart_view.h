// ChartView: what a chart shows as texts (UTF-8), the same whether it is read
// from the window's boxes, hand-made changes included, or made from a
// computed Chart. The copied text table is formatted from it.
#pragma once

#include <array>
#include <string>

#include "chart/plot_chart.h"
#include "chart/vocabulary.h"

namespace veltrane::views {

// The texts of one palace's boxes; "" where a box shows no item (and for the
// ring fields of the centre palace).
struct PalaceView {
  std::string hidden;         // hidden stem
  std::string deity;          // deity
  std::string star;           // star
  std::string heaven;         // heaven stem; the centre palace's stands beside centre_star
  std::string gate;           // gate
  std::string counter_deity;  // counter-deity, short name
  std::string earth;          // earth stem
  bool operator==(const PalaceView&) const = default;
};

struct ChartView {
  // The header: date and hour as plotted, the plotting's minute, the pillars.
  std::string year;
  std::string month;
  std::string day;
  std::string hour;
  std::string minute;
  std::string pillars;                                  // e.g. 辛巳庚子甲子丙寅
  std::array<PalaceView, chart::kPalaceCount> palaces;  // palace p at index p − 1
  std::string centre;                                   // dun and ju in words, e.g. 阳遁三局
  std::array<int, 2> void_palaces = {0, 0};             // palaces marked ○ (0: none)
  int horse_palace = 0;                                 // palace marked 馬 (0: none)
  // The star beside which 天禽 and the centre stem stand: the home star of
  // the palace that palace 5 counts as (天芮, or 天任 in 阳遁 under 艮坤).
  std::string centre_star = "天芮";
  bool operator==(const ChartView&) const = default;
};

// The view of a computed chart: what the window shows after plotting it, in
// the window's 简体 or in another script (English pillars are blank-separated).
ChartView ViewOfChart(const chart::Chart& chart, chart::Script script = chart::Script::kHans);

// The centre text of a dun and ju number: 阳遁三局 for yang 3 (陽遁三局,
// Yang Dun 3 Ju); the number of |ju| outside 0..9 is 零 (0).
std::string CentreTextOf(chart::Dun dun, int ju, chart::Script script = chart::Script::kHans);

}  // namespace veltrane::views
