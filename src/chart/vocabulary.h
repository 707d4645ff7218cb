// The chart's fixed vocabulary: stems, branches, palaces and their ring, the
// nine instruments, stars, gates, deities, solar terms, yuan day lists, xun
// heads, horse palaces and the ju table. Texts are UTF-8; the window shows
// their GBK forms.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace veltrane::chart {

inline constexpr int kStemCount = 10;
inline constexpr int kBranchCount = 12;
inline constexpr int kGanZhiCount = 60;
inline constexpr int kPalaceCount = 9;
inline constexpr int kCentrePalace = 5;
inline constexpr int kRingSize = 8;
inline constexpr int kInstrumentCount = 9;
inline constexpr int kTermCount = 24;
inline constexpr int kYuanCount = 3;
inline constexpr int kXunCount = 6;

// Stems 1..10 (甲..癸), stored from index 0.
inline constexpr std::array<std::string_view, kStemCount> kStemNames = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};

// Branches 1..12 (子..亥), stored from index 0.
inline constexpr std::array<std::string_view, kBranchCount> kBranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// Caption of each palace 1..9, stored from index 0.
inline constexpr std::array<std::string_view, kPalaceCount> kPalaceLabels = {
    "坎一宫 正北方 为水",
    "坤二宫 西南方 为土",
    "震三宫 东方 为雷 属木",
    "巽四宫 东南方 为风 属木",
    "五中宫",
    "乾六宫 西北方 为天 属金",
    "兑七宫 西方 为口 属金",
    "艮八宫 东北方 为山 属土",
    "离九宫 南方 为火"};

// The palace of each ring position 1..8, stored from index 0.
inline constexpr std::array<int, kRingSize> kRingPalaces = {1, 6, 7, 2, 9, 4, 3, 8};

// Ring position (1..8) of a palace; 0 for the centre palace and for numbers outside 1..9.
constexpr int RingPositionOfPalace(int palace) {
  for (int k = 0; k < kRingSize; ++k) {
    if (kRingPalaces[k] == palace) return k + 1;
  }
  return 0;
}

// Palace of a ring position 1..8; 0 outside that range.
constexpr int PalaceOfRingPosition(int position) {
  return position >= 1 && position <= kRingSize ? kRingPalaces[position - 1] : 0;
}

// InstrumentList: the item order of every stem box (index 0..8). LayingOrder is
// this list read backwards.
inline constexpr std::array<std::string_view, kInstrumentCount> kInstrumentNames = {
    "乙", "丙", "丁", "癸", "壬", "辛", "庚", "己", "戊"};

// Item order of the star, gate, deity and counter-deity boxes (index 0..7).
inline constexpr std::array<std::string_view, kRingSize> kStarNames = {
    "天蓬", "天任", "天冲", "天辅", "天英", "天芮", "天柱", "天心"};
inline constexpr std::array<std::string_view, kRingSize> kGateNames = {
    "开门", "休门", "生门", "伤门", "杜门", "景门", "死门", "惊门"};
inline constexpr std::array<std::string_view, kRingSize> kDeityNames = {
    "九地", "九天", "值符", "腾蛇", "太阴", "六合", "白虎", "玄武"};
inline constexpr std::array<std::string_view, kRingSize> kDeityShortNames = {
    "地", "天", "符", "蛇", "阴", "六", "白", "玄"};

// Box indexes of the items the plotting looks for.
inline constexpr int kStarTianRui = 5;     // 天芮, beside which 天禽 and the centre stem stand
inline constexpr int kDeityDutyChief = 2;  // 值符

// The ninth star, which has no box and travels with 天芮.
inline constexpr std::string_view kStarTianQin = "天禽";

// ChartTermList: SolarTerm 1..24 from the winter solstice, stored from index 0.
inline constexpr std::array<std::string_view, kTermCount> kTermNames = {
    "冬至", "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种",
    "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"};

enum class Yuan : int { None = 0, Upper = 1, Middle = 2, Lower = 3 };

// Names of the three yuan (上元, 中元, 下元), stored from index 0.
inline constexpr std::array<std::string_view, kYuanCount> kYuanNames = {"上元", "中元", "下元"};

// YuanDayList: the twenty day GanZhi of each yuan, blank-separated.
inline constexpr std::array<std::string_view, kYuanCount> kYuanDayLists = {
    "甲子 乙丑 丙寅 丁卯 戊辰 己卯 庚辰 辛巳 壬午 癸未 甲午 乙未 丙申 丁酉 戊戌 己酉 庚戌 辛亥 "
    "壬子 癸丑",
    "己巳 庚午 辛未 壬申 癸酉 甲申 乙酉 丙戌 丁亥 戊子 己亥 庚子 辛丑 壬寅 癸卯 甲寅 乙卯 丙辰 "
    "丁巳 戊午",
    "甲戌 乙亥 丙子 丁丑 戊寅 己丑 庚寅 辛卯 壬辰 癸巳 甲辰 乙巳 丙午 丁未 戊申 己未 庚申 辛酉 "
    "壬戌 癸亥"};

// JuTable: the ju of each SolarTerm 1..24 (stored from index 0) per yuan;
// positive is yang dun, negative yin dun.
inline constexpr std::array<std::array<std::int32_t, kTermCount>, kYuanCount> kJuTable = {{
    {1, 2, 3, 8, 9, 1, 3, 4, 5, 4, 5, 6, -9, -8, -7, -2, -1, -9, -7, -6, -5, -6, -5, -4},
    {7, 8, 9, 5, 6, 7, 9, 1, 2, 1, 2, 3, -3, -2, -1, -5, -4, -3, -1, -9, -8, -9, -8, -7},
    {4, 5, 6, 2, 3, 4, 6, 7, 8, 7, 8, 9, -6, -5, -4, -8, -7, -6, -4, -3, -2, -3, -2, -1},
}};

// One xun head: its text (head plus hiding instrument), the instrument's
// InstrumentList position (1..9), its void branches (1..12) and their palaces.
struct XunHead {
  std::string_view text;
  int instrument;
  std::array<int, 2> void_branches;
  std::array<int, 2> void_palaces;
};

inline constexpr std::array<XunHead, kXunCount> kXunHeads = {{
    {"甲子戊", 9, {11, 12}, {6, 6}},
    {"甲戌己", 8, {9, 10}, {7, 2}},
    {"甲申庚", 7, {7, 8}, {9, 2}},
    {"甲午辛", 6, {5, 6}, {4, 4}},
    {"甲辰壬", 5, {3, 4}, {8, 3}},
    {"甲寅癸", 4, {1, 2}, {8, 1}},
}};

// Index into kXunHeads for d = (branch − stem) mod 12 of a GanZhi; -1 for an
// odd or out-of-range d.
constexpr int XunIndexOfDifference(int d) {
  constexpr std::array<int, kBranchCount> kByDifference = {0, -1, 5, -1, 4, -1,
                                                           3, -1, 2, -1, 1, -1};
  return d >= 0 && d < kBranchCount ? kByDifference[d] : -1;
}

// Palace of the horse for an hour branch 1..12; 0 outside that range.
constexpr int HorsePalaceOfBranch(int branch) {
  constexpr std::array<int, 4> kByBranchGroup = {8, 6, 2, 4};  // 子辰申, 丑巳酉, 寅午戌, 卯未亥
  return branch >= 1 && branch <= kBranchCount ? kByBranchGroup[(branch - 1) % 4] : 0;
}

}  // namespace veltrane::chart
