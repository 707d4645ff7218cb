// The worked examples of 遁甲演義 (四庫全書本), 卷二: each gives a dun and ju, a day and an hour,
// and the 格 that forms there with its palace. The reading tests check every row and
// docs/reading.md lists the rows that cannot come out under the chart's conventions, with why.
#pragma once

#include <string_view>

#include "chart/plot_lookups.h"

namespace veltrane::reading {

// The sixty-cycle number (1 = 甲子) of a stem 1..10 and a branch 1..12 of the same parity.
constexpr int GanZhi(int stem, int branch) {
  for (int n = 1; n <= 60; ++n) {
    if (chart::StemOfGanZhi(n) == stem && chart::BranchOfGanZhi(n) == branch) return n;
  }
  return 0;
}

struct WorkedExample {
  std::string_view chapter;  // 卷二's heading, and the text's term and yuan where it gives them
  int ju;                    // signed: negative is 阴遁
  int day;                   // a day of the text's day stems (sixty-cycle number)
  int hour;                  // the text's hour pillar
  std::string_view rule;
  int palace;
  int year = 1;   // only 岁格 reads it
  int month = 3;  // only 月格 reads it
  // Why the example cannot come out under the chart's conventions; empty where it does.
  std::string_view why_not = {};
};

// Days: 甲子 1, 乙丑 2, 丙寅 3, 丁卯 4, 戊辰 5, 己巳 6; 甲申 21. Hours by sixty-cycle number.
constexpr int kJiaZi = 1, kYiChou = 2, kBingYin = 3, kDingMao = 4, kWuChen = 5, kJiSi = 6;
constexpr int kJiaShen = 21;

// clang-format off
inline constexpr WorkedExample kWorkedExamples[] = {
  {"天遁: 陽遁四局乙庚之日乙酉時", 4, kYiChou, GanZhi(2, 10), "tian-dun", 1},
  {"天遁: 隂遁六局戊癸之日庚申時", -6, kWuChen, GanZhi(7, 9), "tian-dun", 9},
  {"地遁: 陽遁一局丙辛之日辛邜時", 1, kBingYin, GanZhi(8, 4), "di-dun", 2},
  {"地遁: 隂遁九局夏至甲巳日丙寅時", -9, kJiaZi, GanZhi(3, 3), "di-dun", 8},
  {"人遁: 陽遁七局乙庚日丙子時", 7, kYiChou, GanZhi(3, 1), "ren-dun", 6},
  {"飛鳥跌穴: 大寒中元陽遁九局甲巳日辛未時", 9, kJiaZi, GanZhi(8, 8), "feiniao-diexue", 9},
  {"飛鳥跌穴: 大寒上局陽三遁甲巳日丁邜時", 3, kJiaZi, GanZhi(4, 4), "feiniao-diexue", 3},
  {"青龍回首: 陽遁一局甲巳日丙寅時", 1, kJiaZi, GanZhi(3, 3), "qinglong-fanshou", 8},
  {"玉女守門: 陽遁一局甲巳日庚午時", 1, kJiaZi, GanZhi(7, 7), "yunu-shoumen", 7},
  {"三竒得使: 陽遁九局甲巳日庚午時", 9, kJiaZi, GanZhi(7, 7), "sanqi-deshi", 3},
  {"三竒得使: 隂遁三局丙辛日壬辰時", -3, kBingYin, GanZhi(9, 5), "sanqi-deshi", 9},
  {"三竒得使: 陽遁九局乙庚日戊寅時", 9, kYiChou, GanZhi(5, 3), "sanqi-deshi", 4},
  {"青龍逃走: 立秋上元隂遁二局丙辛日己亥時", -2, kBingYin, GanZhi(6, 12), "qinglong-taozou", 8},
  {"白虎猖狂: 小暑中隂遁二局甲巳之日壬申時", -2, kJiaZi, GanZhi(9, 9), "baihu-changkuang", 3},
  {"朱雀入江: 夏至中元隂遁三局甲巳日壬申時", -3, kJiaZi, GanZhi(9, 9), "zhuque-toujiang", 7},
  {"螣蛇跃蹻: 冬至下元陽遁四局丙辛日戊子時", 4, kBingYin, GanZhi(5, 1), "tengshe-yaojiao", 1},
  {"大隔: 秋分下元隂遁四局甲巳日丙寅時", -4, kJiaZi, GanZhi(3, 3), "da-ge", 8},
  {"嵗格: 辛丑年立春中元陽遁五局甲巳之日癸酉時", 5, kJiaZi, GanZhi(10, 10), "sui-ge", 8,
   GanZhi(8, 2)},
  {"月格: 立春上元陽遁八局甲巳日丁邜時, 月朔干己", 8, kJiaZi, GanZhi(4, 4), "yue-ge", 9, 1,
   GanZhi(3, 3),
   "the text's month stem is the 朔 day's (己); the chart's month pillar of 立春 is a 寅 month, "
   "whose stem is never 己"},
  {"日格: 小暑下元隂遁五局己日丙寅時", -5, kJiSi, GanZhi(3, 3), "ri-ge", 4},
  {"時格: 小寒上元陽遁二局丙辛日己丑時", 2, kBingYin, GanZhi(6, 2), "shi-ge", 3},
  {"刑隔: 大寒上元陽遁三局甲巳日丙寅時", 3, kJiaZi, GanZhi(3, 3), "xing-ge", 4},
  {"熒入白: 小滿上元陽遁五局丙辛之日戊戌時", 5, kBingYin, GanZhi(5, 11), "ying-ru-taibai", 7},
  {"熒入白: 隂六局甲巳日丙寅時", -6, kJiaZi, GanZhi(3, 3), "ying-ru-taibai", 4},
  {"白入熒: 清明上元陽遁四局甲巳之日壬申時", 4, kJiaZi, GanZhi(9, 9), "taibai-ru-ying", 2},
  {"白入熒: 夏至中元隂遁三局乙庚日戊寅時", -3, kYiChou, GanZhi(5, 3), "taibai-ru-ying", 2},
  {"伏干格: 小滿上元陽五局甲申日壬申時", 5, kJiaShen, GanZhi(9, 9), "fu-gan-ge", 9, 1, 3,
   "the text brings 天柱 with 六庚 to palace 9; with palace 5 counting as palace 2 the 值符 天禽 "
   "travels with 天芮, which comes to palace 9, and 庚 comes to palace 2"},
  {"飛干格: 小滿上元陽遁五局甲巳日庚午時", 5, kJiaZi, GanZhi(7, 7), "fei-gan-ge", 7},
  {"伏宫格: 立春下元陽遁二局甲巳日壬申時", 2, kJiaZi, GanZhi(9, 9), "fu-gong-ge", 2},
  {"飛宫格: 春分中元陽遁九局甲巳之日庚午時", 9, kJiaZi, GanZhi(7, 7), "fei-gong-ge", 2},
  {"三竒入墓: 隂遁四局丙辛日庚寅時", -4, kBingYin, GanZhi(7, 3), "sanqi-rumu", 6},
  {"六儀擊刑: 冬至上元陽遁一局甲巳之日庚午時", 1, kJiaZi, GanZhi(7, 7), "liuyi-jixing", 3},
  {"天網四張格: 大暑下隂遁四局乙庚日己邜時", -4, kYiChou, GanZhi(6, 4), "tianwang-sizhang", 8},
  {"伏吟格: 冬至上元陽遁一局甲巳之日甲子時", 1, kJiaZi, GanZhi(1, 1), "xing-fuyin", 1},
  {"伏吟格: 冬至上元陽遁一局甲巳之日甲子時 (門符皆伏吟)", 1, kJiaZi, GanZhi(1, 1), "men-fuyin", 1},
  {"反吟格: 冬至上元陽遁一局甲巳日乙丑時", 1, kJiaZi, GanZhi(2, 2), "xing-fanyin", 9},
};
// clang-format on

}  // namespace veltrane::reading
