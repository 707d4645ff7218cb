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
#include "chart/script.h"

namespace veltrane::chart {

inline constexpr int kStemCount = 10;
inline constexpr int kBranchCount = 12;
inline constexpr int kGanZhiCount = 60;
inline constexpr int kInstrumentCount = 9;
inline constexpr int kTermCount = 24;
inline constexpr int kYuanCount = 3;
inline constexpr int kXunCount = 6;

// Each enum's texts stand in one table, one row per value (in the enum's
// order from its first value) and one column per script; Text(x) reads the
// 简体 column, Text(x, script) any other, and both give "" for a value outside
// the enum. English gives the pinyin without tone marks; the gates, whose
// pinyin cannot tell 景 from 惊, give their English names.
namespace detail {
// The row a value out of range reads: every text of it is empty.
template <typename Row>
inline constexpr Row kNoRow{};
template <typename Row, std::size_t N>
constexpr const Row& RowAt(const std::array<Row, N>& rows, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? rows[static_cast<std::size_t>(index)]
                                                           : kNoRow<Row>;
}
template <std::size_t N>
constexpr std::string_view TextAt(const std::array<ScriptTexts, N>& rows, int index,
                                  Script script = Script::kHans) {
  return RowAt(rows, index).In(script);
}
// One script's column of a table, as a plain array of texts.
template <std::size_t N>
constexpr std::array<std::string_view, N> Column(const std::array<ScriptTexts, N>& rows,
                                                 Script script) {
  std::array<std::string_view, N> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = rows[i].In(script);
  return texts;
}
}  // namespace detail

// A named item: its texts by script and, for English readers, its written
// name in full, pinyin then the established English name ("Tianpeng (Canopy)").
struct NamedTexts {
  ScriptTexts text;
  std::string_view en_name;
};
namespace detail {
template <std::size_t N>
constexpr std::array<ScriptTexts, N> TextsOf(const std::array<NamedTexts, N>& rows) {
  std::array<ScriptTexts, N> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = rows[i].text;
  return texts;
}
// A named item's text in a script.
template <std::size_t N>
constexpr std::string_view TextAt(const std::array<NamedTexts, N>& rows, int index, Script script) {
  return RowAt(rows, index).text.In(script);
}
// A named item's name in a script: the text in 简体 and 繁體, the full name
// in English.
constexpr std::string_view NameIn(const NamedTexts& row, Script script) {
  return script == Script::kEn ? row.en_name : row.text.In(script);
}
template <std::size_t N>
constexpr std::string_view NameAt(const std::array<NamedTexts, N>& rows, int index, Script script) {
  return NameIn(RowAt(rows, index), script);
}
}  // namespace detail

// The ten stems, numbered 1..10 as the sixty-cycle arithmetic counts them. The
// nine instruments are the stems other than 甲.
enum class Stem : int { kJia = 1, kYi, kBing, kDing, kWu, kJi, kGeng, kXin, kRen, kGui };
inline constexpr std::array<ScriptTexts, kStemCount> kStemScripts = {{
    {"甲", "甲", "Jia"},
    {"乙", "乙", "Yi"},
    {"丙", "丙", "Bing"},
    {"丁", "丁", "Ding"},
    {"戊", "戊", "Wu"},
    {"己", "己", "Ji"},
    {"庚", "庚", "Geng"},
    {"辛", "辛", "Xin"},
    {"壬", "壬", "Ren"},
    {"癸", "癸", "Gui"},
}};
inline constexpr auto kStemTexts = detail::Column(kStemScripts, Script::kHans);
constexpr std::string_view Text(Stem s, Script script = Script::kHans) {
  return detail::TextAt(kStemScripts, static_cast<int>(s) - 1, script);
}

// The twelve branches, numbered 1..12.
// clang-format off
enum class Branch : int {
  kZi = 1, kChou, kYin, kMao, kChen, kSi, kWu, kWei, kShen, kYou, kXu, kHai
};
// clang-format on
inline constexpr std::array<ScriptTexts, kBranchCount> kBranches = {{
    {"子", "子", "Zi"},
    {"丑", "丑", "Chou"},
    {"寅", "寅", "Yin"},
    {"卯", "卯", "Mao"},
    {"辰", "辰", "Chen"},
    {"巳", "巳", "Si"},
    {"午", "午", "Wu"},
    {"未", "未", "Wei"},
    {"申", "申", "Shen"},
    {"酉", "酉", "You"},
    {"戌", "戌", "Xu"},
    {"亥", "亥", "Hai"},
}};
inline constexpr auto kBranchTexts = detail::Column(kBranches, Script::kHans);
constexpr std::string_view Text(Branch b, Script script = Script::kHans) {
  return detail::TextAt(kBranches, static_cast<int>(b) - 1, script);
}

// The nine stars, numbered as the items of the star boxes (0..7); 天禽, which
// has no box and travels with 天芮, comes last. In English a cell gives the
// star's own syllable, as 禽芮 does in Chinese.
enum class Star : int { kPeng, kRen, kChong, kFu, kYing, kRui, kZhu, kXin, kQin };
inline constexpr int kStarCount = 9;
inline constexpr std::array<NamedTexts, kStarCount> kStarScripts = {{
    {{"天蓬", "天蓬", "Peng"}, "Tianpeng (Canopy)"},
    {{"天任", "天任", "Ren"}, "Tianren (Ambassador)"},
    {{"天冲", "天衝", "Chong"}, "Tianchong (Impulse)"},
    {{"天辅", "天輔", "Fu"}, "Tianfu (Assistant)"},
    {{"天英", "天英", "Ying"}, "Tianying (Hero)"},
    {{"天芮", "天芮", "Rui"}, "Tianrui (Grass)"},
    {{"天柱", "天柱", "Zhu"}, "Tianzhu (Pillar)"},
    {{"天心", "天心", "Xin"}, "Tianxin (Heart)"},
    {{"天禽", "天禽", "Qin"}, "Tianqin (Bird)"},
}};
inline constexpr auto kStarTexts = detail::Column(detail::TextsOf(kStarScripts), Script::kHans);
constexpr std::string_view Text(Star s, Script script = Script::kHans) {
  return detail::TextAt(kStarScripts, static_cast<int>(s), script);
}
constexpr std::string_view Name(Star s, Script script) {
  return detail::NameAt(kStarScripts, static_cast<int>(s), script);
}

// The eight gates, numbered as the items of the gate boxes (0..7).
enum class Gate : int { kOpen, kRest, kLife, kHarm, kBlock, kView, kDeath, kFright };
inline constexpr std::array<NamedTexts, kRingSize> kGateScripts = {{
    {{"开门", "開門", "Open"}, "Kaimen (Open)"},
    {{"休门", "休門", "Rest"}, "Xiumen (Rest)"},
    {{"生门", "生門", "Life"}, "Shengmen (Life)"},
    {{"伤门", "傷門", "Harm"}, "Shangmen (Harm)"},
    {{"杜门", "杜門", "Delusion"}, "Dumen (Delusion)"},
    {{"景门", "景門", "Scenery"}, "Jingmen (Scenery)"},
    {{"死门", "死門", "Death"}, "Simen (Death)"},
    {{"惊门", "驚門", "Fear"}, "Jingmen (Fear)"},
}};
inline constexpr auto kGateTexts = detail::Column(detail::TextsOf(kGateScripts), Script::kHans);
constexpr std::string_view Text(Gate g, Script script = Script::kHans) {
  return detail::TextAt(kGateScripts, static_cast<int>(g), script);
}
constexpr std::string_view Name(Gate g, Script script) {
  return detail::NameAt(kGateScripts, static_cast<int>(g), script);
}

// The eight deities, numbered as the items of the deity boxes (0..7). A
// counter-deity is a deity shown by its short name.
enum class Deity : int { kJiuDi, kJiuTian, kZhiFu, kTengShe, kTaiYin, kLiuHe, kBaiHu, kXuanWu };
struct DeityTexts {
  NamedTexts name;
  ScriptTexts short_name;
};
inline constexpr std::array<DeityTexts, kRingSize> kDeityScripts = {{
    {{{"九地", "九地", "Jiudi"}, "Jiudi (Nine Earth)"}, {"地", "地", "Di"}},
    {{{"九天", "九天", "Jiutian"}, "Jiutian (Nine Heaven)"}, {"天", "天", "Tian"}},
    {{{"值符", "值符", "Zhifu"}, "Zhifu (Chief)"}, {"符", "符", "Fu"}},
    {{{"腾蛇", "騰蛇", "Tengshe"}, "Tengshe (Serpent)"}, {"蛇", "蛇", "She"}},
    {{{"太阴", "太陰", "Taiyin"}, "Taiyin (Moon)"}, {"阴", "陰", "Yin"}},
    {{{"六合", "六合", "Liuhe"}, "Liuhe (Six Harmony)"}, {"六", "六", "Liu"}},
    {{{"白虎", "白虎", "Baihu"}, "Baihu (White Tiger)"}, {"白", "白", "Bai"}},
    {{{"玄武", "玄武", "Xuanwu"}, "Xuanwu (Black Tortoise)"}, {"玄", "玄", "Xuan"}},
}};
// The 简体 names and short names, by Deity, as the window's boxes list them.
struct DeityHansTexts {
  std::string_view name;
  std::string_view short_name;
};
inline constexpr auto kDeityTexts = [] {
  std::array<DeityHansTexts, kRingSize> texts{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i] = {kDeityScripts[i].name.text.hans, kDeityScripts[i].short_name.hans};
  }
  return texts;
}();
constexpr std::string_view Text(Deity d, Script script = Script::kHans) {
  return detail::RowAt(kDeityScripts, static_cast<int>(d)).name.text.In(script);
}
constexpr std::string_view ShortText(Deity d, Script script = Script::kHans) {
  return detail::RowAt(kDeityScripts, static_cast<int>(d)).short_name.In(script);
}
constexpr std::string_view Name(Deity d, Script script) {
  return detail::NameIn(detail::RowAt(kDeityScripts, static_cast<int>(d)).name, script);
}

// ChartTermList: the SolarTerm numbers 1..24 from the winter solstice.
// clang-format off
enum class SolarTerm : int {
  kDongzhi = 1, kXiaohan, kDahan, kLichun, kYushui, kJingzhe, kChunfen, kQingming,
  kGuyu, kLixia, kXiaoman, kMangzhong, kXiazhi, kXiaoshu, kDashu, kLiqiu,
  kChushu, kBailu, kQiufen, kHanlu, kShuangjiang, kLidong, kXiaoxue, kDaxue
};
// clang-format on
inline constexpr std::array<NamedTexts, kTermCount> kTermScripts = {{
    {{"冬至", "冬至", "Dongzhi"}, "Dongzhi (Winter Solstice)"},
    {{"小寒", "小寒", "Xiaohan"}, "Xiaohan (Lesser Cold)"},
    {{"大寒", "大寒", "Dahan"}, "Dahan (Greater Cold)"},
    {{"立春", "立春", "Lichun"}, "Lichun (Beginning of Spring)"},
    {{"雨水", "雨水", "Yushui"}, "Yushui (Rain Water)"},
    {{"惊蛰", "驚蟄", "Jingzhe"}, "Jingzhe (Waking of Insects)"},
    {{"春分", "春分", "Chunfen"}, "Chunfen (Spring Equinox)"},
    {{"清明", "清明", "Qingming"}, "Qingming (Pure Brightness)"},
    {{"谷雨", "穀雨", "Guyu"}, "Guyu (Grain Rain)"},
    {{"立夏", "立夏", "Lixia"}, "Lixia (Beginning of Summer)"},
    {{"小满", "小滿", "Xiaoman"}, "Xiaoman (Lesser Fullness of Grain)"},
    {{"芒种", "芒種", "Mangzhong"}, "Mangzhong (Grain in Beard)"},
    {{"夏至", "夏至", "Xiazhi"}, "Xiazhi (Summer Solstice)"},
    {{"小暑", "小暑", "Xiaoshu"}, "Xiaoshu (Lesser Heat)"},
    {{"大暑", "大暑", "Dashu"}, "Dashu (Greater Heat)"},
    {{"立秋", "立秋", "Liqiu"}, "Liqiu (Beginning of Autumn)"},
    {{"处暑", "處暑", "Chushu"}, "Chushu (End of Heat)"},
    {{"白露", "白露", "Bailu"}, "Bailu (White Dew)"},
    {{"秋分", "秋分", "Qiufen"}, "Qiufen (Autumn Equinox)"},
    {{"寒露", "寒露", "Hanlu"}, "Hanlu (Cold Dew)"},
    {{"霜降", "霜降", "Shuangjiang"}, "Shuangjiang (Frost's Descent)"},
    {{"立冬", "立冬", "Lidong"}, "Lidong (Beginning of Winter)"},
    {{"小雪", "小雪", "Xiaoxue"}, "Xiaoxue (Lesser Snow)"},
    {{"大雪", "大雪", "Daxue"}, "Daxue (Greater Snow)"},
}};
inline constexpr auto kTermTexts = detail::Column(detail::TextsOf(kTermScripts), Script::kHans);
constexpr std::string_view Text(SolarTerm t, Script script = Script::kHans) {
  return detail::TextAt(kTermScripts, static_cast<int>(t) - 1, script);
}
constexpr std::string_view Name(SolarTerm t, Script script) {
  return detail::NameAt(kTermScripts, static_cast<int>(t) - 1, script);
}
// The SolarTerm of a number 1..24; any other number is taken modulo 24
// (0 is 大雪, 25 冬至).
constexpr SolarTerm SolarTermOf(int number) {
  return static_cast<SolarTerm>(((number - 1) % kTermCount + kTermCount) % kTermCount + 1);
}

// The three yuan; None for a day that no yuan list holds.
enum class Yuan : int { None = 0, Upper = 1, Middle = 2, Lower = 3 };
inline constexpr std::array<ScriptTexts, kYuanCount> kYuanScripts = {{
    {"上元", "上元", "Shangyuan"},
    {"中元", "中元", "Zhongyuan"},
    {"下元", "下元", "Xiayuan"},
}};
inline constexpr auto kYuanTexts = detail::Column(kYuanScripts, Script::kHans);
constexpr std::string_view Text(Yuan y, Script script = Script::kHans) {
  return detail::TextAt(kYuanScripts, static_cast<int>(y) - 1, script);
}

// The dun: 阳遁 for a positive ju, 阴遁 for a negative one.
enum class Dun : int { kYang, kYin };
inline constexpr std::array<ScriptTexts, 2> kDunScripts = {
    {{"阳", "陽", "Yang"}, {"阴", "陰", "Yin"}}};
inline constexpr auto kDunTexts = detail::Column(kDunScripts, Script::kHans);
constexpr std::string_view Text(Dun d, Script script = Script::kHans) {
  return detail::TextAt(kDunScripts, static_cast<int>(d), script);
}

// The dun of a signed ju.
constexpr Dun DunOfJu(int ju) { return ju < 0 ? Dun::kYin : Dun::kYang; }

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
