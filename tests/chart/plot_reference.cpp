// The literal plotting: fourteen steps on the boxes, each ring stepped and its
// stop test read back as texts after every step.
#include "plot_reference.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calendar/date_time.h"
#include "calendar/solar_term_moment.h"
#include "chart/pillars.h"
#include "chart/term_in_force.h"

namespace veltrane::chart::reference {

const std::array<std::string_view, 9> kInstrumentItems = {"乙", "丙", "丁", "癸", "壬",
                                                          "辛", "庚", "己", "戊"};
const std::array<std::string_view, 8> kStarItems = {"天蓬", "天任", "天冲", "天辅",
                                                    "天英", "天芮", "天柱", "天心"};
const std::array<std::string_view, 8> kGateItems = {"开门", "休门", "生门", "伤门",
                                                    "杜门", "景门", "死门", "惊门"};
const std::array<std::string_view, 8> kDeityItems = {"九地", "九天", "值符", "腾蛇",
                                                     "太阴", "六合", "白虎", "玄武"};
const std::array<std::string_view, 8> kDeityShortItems = {"地", "天", "符", "蛇",
                                                          "阴", "六", "白", "玄"};
const std::array<std::string_view, 24> kTermItems = {
    "冬至", "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种",
    "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"};

namespace {

const std::array<std::string_view, 10> kStemList = {"甲", "乙", "丙", "丁", "戊",
                                                    "己", "庚", "辛", "壬", "癸"};
const std::array<std::string_view, 12> kBranchList = {"子", "丑", "寅", "卯", "辰", "巳",
                                                      "午", "未", "申", "酉", "戌", "亥"};
const std::array<int, 8> kRingPalace = {1, 6, 7, 2, 9, 4, 3, 8};

// JuTable by yuan (上元, 中元, 下元), each in ChartTermList order.
const std::array<std::array<int, 24>, 3> kJu = {{
    {1, 2, 3, 8, 9, 1, 3, 4, 5, 4, 5, 6, -9, -8, -7, -2, -1, -9, -7, -6, -5, -6, -5, -4},
    {7, 8, 9, 5, 6, 7, 9, 1, 2, 1, 2, 3, -3, -2, -1, -5, -4, -3, -1, -9, -8, -9, -8, -7},
    {4, 5, 6, 2, 3, 4, 6, 7, 8, 7, 8, 9, -6, -5, -4, -8, -7, -6, -4, -3, -2, -3, -2, -1},
}};

const std::array<std::string_view, 3> kYuanNames = {"上元", "中元", "下元"};
const std::array<std::string_view, 3> kYuanDayList = {
    "甲子 乙丑 丙寅 丁卯 戊辰 己卯 庚辰 辛巳 壬午 癸未 甲午 乙未 丙申 丁酉 戊戌 己酉 庚戌 辛亥 "
    "壬子 癸丑",
    "己巳 庚午 辛未 壬申 癸酉 甲申 乙酉 丙戌 丁亥 戊子 己亥 庚子 辛丑 壬寅 癸卯 甲寅 乙卯 丙辰 "
    "丁巳 戊午",
    "甲戌 乙亥 丙子 丁丑 戊寅 己丑 庚寅 辛卯 壬辰 癸巳 甲辰 乙巳 丙午 丁未 戊申 己未 庚申 辛酉 "
    "壬戌 癸亥"};

struct XunRow {
  std::string_view text;
  int difference;  // (branch − stem) mod 12 of the GanZhi of this xun
  std::array<int, 2> void_palaces;
};
const std::array<XunRow, 6> kXunRows = {{
    {"甲子戊", 0, {6, 6}},
    {"甲戌己", 10, {7, 2}},
    {"甲申庚", 8, {9, 2}},
    {"甲午辛", 6, {4, 4}},
    {"甲辰壬", 4, {8, 3}},
    {"甲寅癸", 2, {8, 1}},
}};

// The six 甲 hours and the stem each is plotted with.
const std::array<std::array<std::string_view, 2>, 6> kJiaHours = {{
    {"甲子", "戊"},
    {"甲戌", "己"},
    {"甲申", "庚"},
    {"甲午", "辛"},
    {"甲辰", "壬"},
    {"甲寅", "癸"},
}};

struct HorseRow {
  std::string_view branches;
  int palace;
};
const std::array<HorseRow, 4> kHorseRows = {{
    {"子辰申", 8},
    {"丑巳酉", 6},
    {"寅午戌", 2},
    {"卯未亥", 4},
}};

constexpr std::string_view kDutyChief = "值符";
constexpr double kTolerance = 1e-7;
constexpr int kPositionLimit = 32627;

int Mod(int x, int m) { return ((x % m) + m) % m; }

// Character i (0-based) of a UTF-8 text of Chinese characters.
std::string_view Char(std::string_view text, std::size_t i) { return text.substr(3 * i, 3); }

// 1-based position of a text in a list; the list length plus one when absent.
template <std::size_t N>
int Position(const std::array<std::string_view, N>& list, std::string_view text) {
  for (std::size_t i = 0; i < N; ++i) {
    if (list[i] == text) return static_cast<int>(i) + 1;
  }
  return static_cast<int>(N) + 1;
}

int PalaceAt(int k) { return kRingPalace[static_cast<std::size_t>(k - 1)]; }
int RingPosition(int palace) {
  for (int k = 1; k <= 8; ++k) {
    if (PalaceAt(k) == palace) return k;
  }
  return 0;
}

// What the boxes show, as texts.
std::string_view Earth(const Boxes& b, int p) { return kInstrumentItems.at(b.earth.at(p - 1)); }
std::string_view Heaven(const Boxes& b, int p) { return kInstrumentItems.at(b.heaven.at(p - 1)); }
std::string_view Hidden(const Boxes& b, int p) { return kInstrumentItems.at(b.hidden.at(p - 1)); }
std::string_view Star(const Boxes& b, int k) { return kStarItems.at(b.stars.at(k - 1)); }
std::string_view Gate(const Boxes& b, int k) { return kGateItems.at(b.gates.at(k - 1)); }
std::string_view Deity(const Boxes& b, int k) { return kDeityItems.at(b.deities.at(k - 1)); }

// One step of a counter of cycle n: the arrangement number it produces.
int Advance(int& counter, int n) {
  ++counter;
  if (counter == n) {
    counter = 0;
    return n;
  }
  return counter;
}

int ClampPosition(double v) {
  const int i = static_cast<int>(std::trunc(v));
  return std::clamp(i, -kPositionLimit, kPositionLimit);
}

struct Offsets {
  int marker_left, marker_top, stem_left, stem_top;
};
constexpr Offsets kResetOffsets = {-30, 0, 80, -30};
constexpr Offsets kStarStepOffsets = {130, -35, 72, -30};  // clear of the red rule

void PlaceCentreStem(Boxes& b, const Offsets& o) {
  for (int k : {1, 8, 7, 6, 2, 5, 4, 3}) {
    if (b.stars[static_cast<std::size_t>(k - 1)] != 5) continue;
    const Point box = b.star_boxes[static_cast<std::size_t>(k - 1)];
    b.marker = {ClampPosition(static_cast<double>(box.left) + o.marker_left),
                ClampPosition(static_cast<double>(box.top) + o.marker_top)};
    b.centre_stem = {ClampPosition(static_cast<double>(box.left) + o.stem_left),
                     ClampPosition(static_cast<double>(box.top) + o.stem_top)};
  }
}

int DaysInMonth(int y, int m) {
  static const std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && leap ? 29 : kLengths[static_cast<std::size_t>(m - 1)];
}

// The moment of the term with calendar slot s of a year, as a linear day count:
// the stored moment where the calendar has the year, the closed formula elsewhere.
double TermMomentOf(int y, int s) {
  if (y >= 1880 && y <= 2079) {
    const int n = s <= 2 ? s + 22 : s - 2;
    return NormalizeMoment(calendar::SolarTermMoment(y, n));
  }
  return TermMoment(y, s);  // already a linear day count
}

}  // namespace

std::string GanZhiText(int n) {
  static const std::array<std::string_view, 10> kStems = {"癸", "甲", "乙", "丙", "丁",
                                                          "戊", "己", "庚", "辛", "壬"};
  static const std::array<std::string_view, 12> kBranches = {"亥", "子", "丑", "寅", "卯", "辰",
                                                             "巳", "午", "未", "申", "酉", "戌"};
  return std::string(kStems[static_cast<std::size_t>(Mod(n, 10))]) +
         std::string(kBranches[static_cast<std::size_t>(Mod(n, 12))]);
}

double NormalizeMoment(double x) {
  x = std::clamp(x, calendar::kMinDateTime, calendar::kMaxDateTime);
  if (x < 0) x = 2 * std::trunc(x) - x;
  return x;
}

int FindTermInForce(double moment) {
  int y = calendar::SplitDateTime(moment).year - 1;
  int r = 0;
  for (int pass = 0; pass < 3; ++pass) {
    r = 0;
    for (int s = 1; s <= 24; ++s) {
      r = s;
      if (NormalizeMoment(moment) - TermMomentOf(y, s) < -kTolerance) return s;
    }
    ++y;
  }
  return r;
}

// --- The ring operations ---------------------------------------------------

void ResetChart(Boxes& b) {
  b.gate_counter = 0;
  const std::array<std::string_view, 8> home_gates = {"休门", "开门", "惊门", "死门",
                                                      "景门", "杜门", "伤门", "生门"};
  for (int k = 1; k <= 8; ++k) b.gates[k - 1] = Position(kGateItems, home_gates[k - 1]) - 1;
  b.star_counter = 0;
  const std::array<std::string_view, 8> home_stars = {"天蓬", "天心", "天柱", "天芮",
                                                      "天英", "天辅", "天冲", "天任"};
  for (int k = 1; k <= 8; ++k) b.stars[k - 1] = Position(kStarItems, home_stars[k - 1]) - 1;
  b.deity_counter = 0;
  for (int k = 1; k <= 8; ++k) b.deities[k - 1] = k - 1;
  b.earth_counter = 0;
  for (int p = 1; p <= 9; ++p) {
    b.earth[p - 1] = p - 1;
    b.heaven[p - 1] = p - 1;
  }
  PlaceCentreStem(b, kResetOffsets);
}

void StepEarthYin(Boxes& b) {
  const int a = Advance(b.earth_counter, 9);
  b.stem_label = a;
  for (int p = 1; p <= 9; ++p) {
    b.earth[p - 1] = Mod(p - 1 + a, 9);
    b.heaven[p - 1] = b.earth[p - 1];
  }
}

void StepEarthYang(Boxes& b) {
  const int a = Advance(b.earth_counter, 9);
  b.stem_label = a;
  for (int p = 1; p <= 9; ++p) {
    b.earth[p - 1] = Mod(8 - p - a, 9);
    b.heaven[p - 1] = b.earth[p - 1];
  }
}

void StepStars(Boxes& b) {
  const int a = Advance(b.star_counter, 8);
  b.star_label = a;
  for (int k = 1; k <= 8; ++k) b.stars[k - 1] = Mod(a + 1 - k, 8);
  std::array<int, 8> read{};
  for (int k = 1; k <= 8; ++k) read[k - 1] = b.heaven[PalaceAt(k) - 1];
  for (int k = 1; k <= 8; ++k) b.heaven[PalaceAt(k % 8 + 1) - 1] = read[k - 1];
  PlaceCentreStem(b, kStarStepOffsets);
}

void StepGates(Boxes& b) {
  const int a = Advance(b.gate_counter, 8);
  b.gate_label = a;
  for (int k = 1; k <= 8; ++k) b.gates[k - 1] = Mod(a + 2 - k, 8);
}

void StepDeitiesYin(Boxes& b) {
  const int a = Advance(b.deity_counter, 8);
  b.deity_label = a;
  for (int k = 1; k <= 8; ++k) b.deities[k - 1] = Mod(k - 1 - a, 8);
}

void StepDeitiesYang(Boxes& b) {
  const int a = Advance(b.deity_counter, 8);
  b.deity_label = a;
  for (int k = 1; k <= 8; ++k) b.deities[k - 1] = Mod(1 - k - a, 8);
}

void StepHiddenYin(Boxes& b) {
  const int a = Advance(b.hidden_counter, 9);
  b.stem_label = a;
  for (int p = 1; p <= 9; ++p) b.hidden[p - 1] = Mod(p - 1 + a, 9);
}

void StepHiddenYang(Boxes& b) {
  const int a = Advance(b.hidden_counter, 9);
  b.stem_label = a;
  for (int p = 1; p <= 9; ++p) b.hidden[p - 1] = Mod(8 - p - a, 9);
}

// --- The plotting ----------------------------------------------------------

Chart PlotChart(Boxes& b, int year, int month, int day, int hour, int minute) {
  Chart c;

  // 1. Reset.
  ResetChart(b);

  // 2, 3. Clamp the date: year 1800..2999, month 1..12, day 1..the month's
  // length, hour 0..23 (minute 0..59, the clock's).
  year = std::clamp(year, 1800, 2999);
  month = std::clamp(month, 1, 12);
  day = std::clamp(day, 1, DaysInMonth(year, month));
  hour = std::clamp(hour, 0, 23);
  minute = std::clamp(minute, 0, 59);
  c.year = year;
  c.month = month;
  c.day = day;
  c.hour = hour;
  c.minute = minute;
  const std::optional<Pillars> pillars = ComputePillars(year, month, day, hour, minute, 1);
  if (!pillars) return c;
  c.year_pillar = pillars->year;
  c.month_pillar = pillars->month;
  c.day_pillar = pillars->day;
  c.hour_pillar = pillars->hour;
  const std::string day_pillar = GanZhiText(c.day_pillar);
  const std::string hour_pillar = GanZhiText(c.hour_pillar);
  c.pillars_text =
      GanZhiText(c.year_pillar) + GanZhiText(c.month_pillar) + day_pillar + hour_pillar;

  // 4. Chart moment.
  c.moment = calendar::ComposeDateTime(year, month, day, hour, minute, 0);

  // 5. Term in force.
  c.term = FindTermInForce(c.moment);

  // 6. Yuan and ju.
  for (int y = 1; y <= 3 && c.yuan == 0; ++y) {
    if (kYuanDayList[static_cast<std::size_t>(y - 1)].find(day_pillar) != std::string_view::npos) {
      c.yuan = y;
    }
  }
  if (c.yuan == 0) return c;
  c.ju = kJu[static_cast<std::size_t>(c.yuan - 1)][static_cast<std::size_t>(c.term - 1)];
  const bool yin = c.ju < 0;
  const std::string dun = yin ? "阴" : "阳";
  c.ju_text = dun + "遁" + std::to_string(std::abs(c.ju)) + "局";
  c.term_text = std::string(kTermItems[static_cast<std::size_t>(c.term - 1)]) + ":" +
                std::string(kYuanNames[static_cast<std::size_t>(c.yuan - 1)]) + " " + c.ju_text;

  // 7. Earth plate.
  int n = 9 - std::abs(c.ju);
  if (n == 0) n = 9;
  for (int i = 0; i < n; ++i) yin ? StepEarthYin(b) : StepEarthYang(b);

  // 8. Xun, stems and markers.
  const int stem_pos = Position(kStemList, Char(hour_pillar, 0));
  const int branch_pos = Position(kBranchList, Char(hour_pillar, 1));
  const int d = Mod(branch_pos - stem_pos, 12);
  for (std::size_t x = 0; x < kXunRows.size(); ++x) {
    if (kXunRows[x].difference == d) c.xun = static_cast<int>(x);
  }
  if (c.xun < 0) return c;
  const XunRow& xun = kXunRows[static_cast<std::size_t>(c.xun)];
  c.xun_text = xun.text;
  const std::string_view instrument = Char(xun.text, 2);
  const std::string_view xun_branch = Char(xun.text, 1);
  std::string_view hour_stem = Char(hour_pillar, 0);
  const std::string_view hour_branch = Char(hour_pillar, 1);
  c.hour_branch = branch_pos;
  c.void_palaces = xun.void_palaces;
  for (const HorseRow& row : kHorseRows) {
    for (std::size_t i = 0; i < 3; ++i) {
      if (Char(row.branches, i) == hour_branch) c.horse_palace = row.palace;
    }
  }
  for (const auto& [jia_hour, stem] : kJiaHours) {
    if (hour_pillar == jia_hour) hour_stem = stem;
  }
  c.hour_stem = Position(kInstrumentItems, hour_stem) - 1;

  // 9. Heaven plate. The instrument's heaven stem is carried over the hour
  // stem's palace; an instrument in palace 5 lodges in palace 2, whose heaven
  // stem is carried instead.
  std::string_view carried = instrument;
  if (Earth(b, 5) == instrument) carried = Earth(b, 2);
  for (int i = 0; i < 8; ++i) {
    StepStars(b);
    if (Earth(b, 5) == hour_stem && Heaven(b, 2) == carried) break;
    bool stop = false;
    for (int p = 1; p <= 9 && !stop; ++p) {
      stop = Earth(b, p) == hour_stem && Heaven(b, p) == carried;
    }
    if (stop) break;
  }

  // 10. Deities.
  for (int i = 0; i < 8; ++i) {
    yin ? StepDeitiesYin(b) : StepDeitiesYang(b);
    if (Earth(b, 5) == hour_stem && Deity(b, 4) == kDutyChief) break;
    bool stop = false;
    for (int k = 1; k <= 8 && !stop; ++k) {
      stop = Earth(b, PalaceAt(k)) == hour_stem && Deity(b, k) == kDutyChief;
    }
    if (stop) break;
  }

  // 11. Duty gate.
  int e = Position(kBranchList, hour_branch) - Position(kBranchList, xun_branch);
  if (e < 0) e += 12;
  const int i_pos = Position(kInstrumentItems, instrument);
  const int t = Mod(i_pos - e - 1, 9) + 1;
  const std::string_view target = kInstrumentItems[static_cast<std::size_t>(t - 1)];
  c.duty_gate_target = t - 1;
  std::string_view duty_gate;
  for (int k = 1; k <= 8 && duty_gate.empty(); ++k) {
    if (Earth(b, PalaceAt(k)) == instrument) duty_gate = Gate(b, k);
  }
  if (duty_gate.empty()) duty_gate = Gate(b, 4);  // the instrument lodges in palace 2
  for (int i = 0; i < 8; ++i) {
    StepGates(b);
    if (Earth(b, 5) == target && Gate(b, 4) == duty_gate) break;
    bool stop = false;
    for (int k = 1; k <= 8 && !stop; ++k) {
      stop = Earth(b, PalaceAt(k)) == target && Gate(b, k) == duty_gate;
    }
    if (stop) break;
  }
  c.duty_gate = Position(kGateItems, duty_gate) - 1;
  for (int k = 1; k <= 8; ++k) {
    if (Gate(b, k) != duty_gate) continue;
    c.duty_gate_palace = PalaceAt(k);
    if (k == 4) c.duty_gate_palace = Earth(b, 5) == target ? 5 : 2;
  }

  // 12. Duty star.
  for (int k = 1; k <= 8; ++k) {
    if (Deity(b, k) != kDutyChief) continue;
    c.duty_star = Position(kStarItems, Star(b, k)) - 1;
    c.duty_star_palace = PalaceAt(k);
    if (k == 4) c.duty_star_palace = Earth(b, 5) == hour_stem ? 5 : 2;
  }

  c.duty_text = "值符" + std::string(kStarItems.at(static_cast<std::size_t>(c.duty_star))) + "落" +
                std::to_string(c.duty_star_palace) + "宫 值使" + std::string(duty_gate) + "落" +
                std::to_string(c.duty_gate_palace) + "宫";

  // 13. Hidden stems.
  const int g = c.duty_gate_palace;
  for (int i = 0; i < 9; ++i) {
    yin ? StepHiddenYin(b) : StepHiddenYang(b);
    if (g < 1 || g > 9) continue;
    if (Earth(b, g) != hour_stem ? Hidden(b, g) == hour_stem : Hidden(b, 5) == hour_stem) break;
  }

  // 14. Counter-deities.
  for (int k = 1; k <= 8; ++k) {
    const int palace = PalaceAt(k);
    for (int j : {1, 2, 3, 4, 6, 7, 8, 9}) {
      if (Earth(b, palace) == Heaven(b, j)) {
        b.counter_deities[k - 1] = b.deities[RingPosition(j) - 1];
      }
    }
  }

  for (int p = 1; p <= 9; ++p) {
    Palace& cell = c.palaces[p - 1];
    cell.earth = b.earth[p - 1];
    cell.heaven = b.heaven[p - 1];
    cell.hidden = b.hidden[p - 1];
    const int k = RingPosition(p);
    if (k == 0) continue;
    cell.star = b.stars[k - 1];
    cell.gate = b.gates[k - 1];
    cell.deity = b.deities[k - 1];
    cell.counter_deity = b.counter_deities[k - 1];
  }
  return c;
}

}  // namespace veltrane::chart::reference
