// A second, deliberately literal plotting of the hour chart, kept apart from
// the engine so that the two can be compared chart by chart: its own item
// lists, the plate boxes as plain arrays of item indexes, every ring step from
// its counter formula, and every stop test read back from the boxes as whole
// texts after each step. Only the four pillars (ComputePillars), the calendar's
// term moments and dates, and the closed term formula for the years the
// calendar lacks (TermMoment) come from the program.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace veltrane::chart::reference {

// The item lists of the boxes, in box item order (UTF-8).
extern const std::array<std::string_view, 9> kInstrumentItems;
extern const std::array<std::string_view, 8> kStarItems;
extern const std::array<std::string_view, 8> kGateItems;
extern const std::array<std::string_view, 8> kDeityItems;
extern const std::array<std::string_view, 8> kDeityShortItems;
extern const std::array<std::string_view, 24> kTermItems;

// Left and top of a control.
struct Point {
  int left = 0;
  int top = 0;
};

// Every plate box as the index of the item it shows, the five ring counters,
// the four counter labels (the arrangement number each shows) and the two
// centre markers placed beside the star box that shows 天芮.
struct Boxes {
  std::array<int, 9> earth{};            // 地干支1..9, by palace − 1
  std::array<int, 9> heaven{};           // 天干支1..9
  std::array<int, 9> hidden{};           // 暗干1..9
  std::array<int, 8> stars{};            // 星1..8, by ring position − 1
  std::array<int, 8> gates{};            // 门1..8
  std::array<int, 8> deities{};          // 八神1..8
  std::array<int, 8> counter_deities{};  // 反扑1..8
  int earth_counter = 0;
  int hidden_counter = 0;
  int star_counter = 0;
  int gate_counter = 0;
  int deity_counter = 0;
  int gate_label = 1;                 // 标签15
  int star_label = 1;                 // 标签16
  int deity_label = 1;                // 标签18
  int stem_label = 1;                 // 标签20
  Point marker;                       // 标签22 ("禽")
  Point centre_stem;                  // 天干支5
  std::array<Point, 8> star_boxes{};  // where 星1..8 stand
};

// One palace as item indexes; −1 for the ring fields of palace 5.
struct Palace {
  int earth = -1;
  int heaven = -1;
  int hidden = -1;
  int star = -1;
  int gate = -1;
  int deity = -1;
  int counter_deity = -1;
};

// One plotted chart. Sixty-cycle numbers are 1..60, the yuan 1..3 (上元..下元),
// the xun the row of the xun table (甲子戊 = 0 .. 甲寅癸 = 5), instruments,
// stars and gates item indexes.
struct Chart {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  double moment = 0;
  int year_pillar = 0, month_pillar = 0, day_pillar = 0, hour_pillar = 0;
  int term = 0;
  int yuan = 0;
  int ju = 0;
  int xun = -1;
  int hour_stem = -1;
  int hour_branch = 0;
  std::array<int, 2> void_palaces{};
  int horse_palace = 0;
  int duty_star = -1;
  int duty_star_palace = 0;
  int duty_gate = -1;
  int duty_gate_palace = 0;
  int duty_gate_target = -1;
  std::array<Palace, 9> palaces{};  // palace p at p − 1
  // The texts the window shows (UTF-8): 编辑框2, 标签24, juText, 标签23, 标签25.
  std::string pillars_text, term_text, ju_text, xun_text, duty_text;
};

// Clamps a DateTime to its valid range and turns a negative one into a linear day count.
double NormalizeMoment(double x);

// Returns the SolarTerm (1 = 冬至 .. 24 = 大雪) in force at a DateTime, walking
// the calendar's term moments slot by slot from the year before the moment's.
int FindTermInForce(double moment);

// The nine ring operations on the boxes.
void ResetChart(Boxes& b);
void StepEarthYin(Boxes& b);
void StepEarthYang(Boxes& b);
void StepStars(Boxes& b);
void StepGates(Boxes& b);
void StepDeitiesYin(Boxes& b);
void StepDeitiesYang(Boxes& b);
void StepHiddenYin(Boxes& b);
void StepHiddenYang(Boxes& b);

// Plots the chart of a date on the boxes, leaving them showing it.
Chart PlotChart(Boxes& b, int year, int month, int day, int hour, int minute);

// The GanZhi text (UTF-8) of a sixty-cycle number 1..60.
std::string GanZhiText(int n);

}  // namespace veltrane::chart::reference
