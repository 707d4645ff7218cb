// The chart's fixed vocabulary: stems, branches, stars, gates, deities, solar
// terms, yuan and dun as enums, each with its texts in one table; the yuan day
// lists, xun heads, horse palaces and the ju table. Texts are UTF-8; the
// window shows their GBK forms. Palaces are in palace.h, the item order of
// the window's boxes in box_items.h.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "chart/palace.h"

namespace veltrane::chart {

inline constexpr int kStemCount = 10;
inline constexpr int kBranchCount = 12;
inline constexpr int kGanZhiCount = 60;
inline constexpr int kInstrumentCount = 9;
inline constexpr int kTermCount = 24;
inline constexpr int kYuanCount = 3;
inline constexpr int kXunCount = 6;

// Each enum's texts stand in one table, indexed by the enum's value less its
// first value; Text(x) reads it and gives "" for a value outside the enum.
namespace detail {
template <std::size_t N>
constexpr std::string_view TextAt(const std::array<std::string_view, N>& texts, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? texts[static_cast<std::size_t>(index)]
                                                           : std::string_view();
}
}  // namespace detail

// The ten stems, numbered 1..10 as the sixty-cycle arithmetic counts them. The
// nine instruments are the stems other than 甲.
enum class Stem : int { kJia = 1, kYi, kBing, kDing, kWu, kJi, kGeng, kXin, kRen, kGui };
inline constexpr std::array<std::string_view, kStemCount> kStemTexts = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::string_view Text(Stem s) {
  return detail::TextAt(kStemTexts, static_cast<int>(s) - 1);
}

// The twelve branches, numbered 1..12.
// clang-format off
enum class Branch : int {
  kZi = 1, kChou, kYin, kMao, kChen, kSi, kWu, kWei, kShen, kYou, kXu, kHai
};
// clang-format on
inline constexpr std::array<std::string_view, kBranchCount> kBranchTexts = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
constexpr std::string_view Text(Branch b) {
  return detail::TextAt(kBranchTexts, static_cast<int>(b) - 1);
}

// The nine stars, numbered as the items of the star boxes (0..7); 天禽, which
// has no box and travels with 天芮, comes last.
enum class Star : int { kPeng, kRen, kChong, kFu, kYing, kRui, kZhu, kXin, kQin };
inline constexpr int kStarCount = 9;
inline constexpr std::array<std::string_view, kStarCount> kStarTexts = {
    "天蓬", "天任", "天冲", "天辅", "天英", "天芮", "天柱", "天心", "天禽"};
constexpr std::string_view Text(Star s) { return detail::TextAt(kStarTexts, static_cast<int>(s)); }

// The eight gates, numbered as the items of the gate boxes (0..7).
enum class Gate : int { kOpen, kRest, kLife, kHarm, kBlock, kView, kDeath, kFright };
inline constexpr std::array<std::string_view, kRingSize> kGateTexts = {
    "开门", "休门", "生门", "伤门", "杜门", "景门", "死门", "惊门"};
constexpr std::string_view Text(Gate g) { return detail::TextAt(kGateTexts, static_cast<int>(g)); }

// The eight deities, numbered as the items of the deity boxes (0..7). A
// counter-deity is a deity shown by its short name.
enum class Deity : int { kJiuDi, kJiuTian, kZhiFu, kTengShe, kTaiYin, kLiuHe, kBaiHu, kXuanWu };
struct DeityTexts {
  std::string_view name;
  std::string_view short_name;
};
inline constexpr std::array<DeityTexts, kRingSize> kDeityTexts = {{
    {"九地", "地"},
    {"九天", "天"},
    {"值符", "符"},
    {"腾蛇", "蛇"},
    {"太阴", "阴"},
    {"六合", "六"},
    {"白虎", "白"},
    {"玄武", "玄"},
}};
constexpr std::string_view Text(Deity d) {
  const auto i = static_cast<std::size_t>(d);
  return i < kDeityTexts.size() ? kDeityTexts[i].name : std::string_view();
}
constexpr std::string_view ShortText(Deity d) {
  const auto i = static_cast<std::size_t>(d);
  return i < kDeityTexts.size() ? kDeityTexts[i].short_name : std::string_view();
}

// ChartTermList: the SolarTerm numbers 1..24 from the winter solstice.
// clang-format off
enum class SolarTerm : int {
  kDongzhi = 1, kXiaohan, kDahan, kLichun, kYushui, kJingzhe, kChunfen, kQingming,
  kGuyu, kLixia, kXiaoman, kMangzhong, kXiazhi, kXiaoshu, kDashu, kLiqiu,
  kChushu, kBailu, kQiufen, kHanlu, kShuangjiang, kLidong, kXiaoxue, kDaxue
};
// clang-format on
inline constexpr std::array<std::string_view, kTermCount> kTermTexts = {
    "冬至", "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种",
    "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪"};
constexpr std::string_view Text(SolarTerm t) {
  return detail::TextAt(kTermTexts, static_cast<int>(t) - 1);
}
// The SolarTerm of a number 1..24; any other number is taken modulo 24
// (0 is 大雪, 25 冬至).
constexpr SolarTerm SolarTermOf(int number) {
  return static_cast<SolarTerm>(((number - 1) % kTermCount + kTermCount) % kTermCount + 1);
}

// The three yuan; None for a day that no yuan list holds.
enum class Yuan : int { None = 0, Upper = 1, Middle = 2, Lower = 3 };
inline constexpr std::array<std::string_view, kYuanCount> kYuanTexts = {"上元", "中元", "下元"};
constexpr std::string_view Text(Yuan y) {
  return detail::TextAt(kYuanTexts, static_cast<int>(y) - 1);
}

// The dun: 阳遁 for a positive ju, 阴遁 for a negative one.
enum class Dun : int { kYang, kYin };
inline constexpr std::array<std::string_view, 2> kDunTexts = {"阳", "阴"};
constexpr std::string_view Text(Dun d) { return detail::TextAt(kDunTexts, static_cast<int>(d)); }

// The dun of a signed ju.
constexpr Dun DunOfJu(int ju) { return ju < 0 ? Dun::kYin : Dun::kYang; }

// Box indexes of the items the plotting looks for.
inline constexpr int kStarTianRui =
    static_cast<int>(Star::kRui);  // beside which 天禽 and the centre stem stand
inline constexpr int kDeityDutyChief = static_cast<int>(Deity::kZhiFu);

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
