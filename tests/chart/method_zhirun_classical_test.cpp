// 置闰 held to the dated cases of 程道生's 遁甲演義 (四庫全書本), first juan,
// 超神接氣置閏訣, 超接引例 and 又引證 (docs/methods.md, "The dated cases of
// 遁甲演義"): the program's rule run on the 符头 day and term day the text
// states, under each reading of the threshold.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "chart/method_zhirun.h"

namespace veltrane::chart {
namespace {

// The sexagenary number 0..59 (甲子 = 0) of a two-character day name.
int Sexagenary(std::string_view name) {
  constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
  constexpr std::string_view kBranches = "子丑寅卯辰巳午未申酉戌亥";
  constexpr std::size_t kUtf8 = 3;
  const int stem = static_cast<int>(kStems.find(name.substr(0, kUtf8)) / kUtf8);
  const int branch = static_cast<int>(kBranches.find(name.substr(kUtf8, kUtf8)) / kUtf8);
  for (int n = 0; n < 60; ++n) {
    if (n % 10 == stem && n % 12 == branch) return n;
  }
  return -1;
}

// Days from the 符头 day to the term's day, the shorter way round the cycle.
int Lead(std::string_view head, std::string_view term) {
  return (Sexagenary(term) - Sexagenary(head) + 60 + 30) % 60 - 30;
}

struct DatedCase {
  const char* where;  // the text's date and the line that decides
  int slot;           // the calendar's slot of the term, 1 = 小寒 .. 24 = 冬至
  const char* head;   // the 符头 day
  const char* term;   // the term's day
  bool repeats;       // the text repeats the term's period
};

constexpr int kLichun = 3, kYushui = 4, kQingming = 7, kLixia = 9, kXiaoshu = 13, kLiqiu = 15,
              kQiufen = 18, kMangzhong = kSlotMangzhong, kDaxue = kSlotDaxue;

const DatedCase kCases[] = {
    {"丙午四月: 已在立夏前九日矣則合超越", kLixia, "甲子", "壬申", false},
    {"十一月初二日庚寅大雪節: 至此合用閏", kDaxue, "己卯", "庚寅", true},
    {"丁未二月: 先交節後得竒為接", kQingming, "己酉", "丁未", false},
    {"丁未六月: 正值節與日辰同到", kLiqiu, "己酉", "己酉", false},
    {"丙戌五月: 芒種竒超九日則當置閏", kMangzhong, "己卯", "丁亥", true},
    {"丙申正月: 立春殘局", kLichun, "己卯", "丙子", false},
    {"丙申正月: 雨水接", kYushui, "甲午", "辛卯", false},
    {"戊戌正月: 符先到而節後到當用超法", kYushui, "甲午", "辛丑", false},
    {"戊戌: 節節氣氣超去超至十月二十七己夘日超用大雪", kMangzhong, "己卯", "戊子", false},
    {"戊戌十一月: 乃大雪節已過十一日合當置閏也", kDaxue, "己卯", "庚寅", true},
    {"己亥五月: 符節兩到名正授竒", kXiaoshu, "甲子", "甲子", false},
    {"己亥八月: 符先到而節後到", kQiufen, "己卯", "庚辰", false},
    {"辛丑五月: 已超過十日勢無再超之理當此處置閏", kMangzhong, "甲午", "甲辰", true},
};

// Which cases a threshold decides as the text does.
std::vector<std::string_view> Disagreeing(int threshold) {
  std::vector<std::string_view> wrong;
  for (const DatedCase& c : kCases) {
    if (ZhirunRepeatsAfter(c.slot, Lead(c.head, c.term), false, threshold) != c.repeats) {
      wrong.push_back(c.where);
    }
  }
  return wrong;
}

TEST(ZhirunClassicalTest, TheDatedCasesLeaveEightAndTenEachWithOneCaseAgainst) {
  EXPECT_EQ(Lead("甲子", "壬申"), 8);  // 初五 to 十三, which the text calls nine days
  EXPECT_EQ(Lead("己卯", "庚寅"), 11);
  EXPECT_EQ(Lead("己酉", "丁未"), -2);
  using Cases = std::vector<std::string_view>;
  EXPECT_EQ(Disagreeing(10), Cases{"丙戌五月: 芒種竒超九日則當置閏"});
  EXPECT_EQ(Disagreeing(8), Cases{"戊戌: 節節氣氣超去超至十月二十七己夘日超用大雪"});
  EXPECT_EQ(Disagreeing(9), (Cases{"丙戌五月: 芒種竒超九日則當置閏",
                                   "戊戌: 節節氣氣超去超至十月二十七己夘日超用大雪"}));
  EXPECT_EQ(kIntercalaryLeadDays, 10);
}

// 「設遇小滿小雪二氣之交雖超九日十日不可置閏」: no reading repeats after 小满 or
// 小雪, nor repeats a repetition.
TEST(ZhirunClassicalTest, NoRepetitionAfterXiaomanOrXiaoxueHoweverFarTheLead) {
  constexpr int kXiaoman = 10, kXiaoxue = 22;
  for (int threshold = kFewestZhirunLeadDays; threshold <= kMostZhirunLeadDays; ++threshold) {
    for (int lead = 0; lead <= 15; ++lead) {
      EXPECT_FALSE(ZhirunRepeatsAfter(kXiaoman, lead, false, threshold));
      EXPECT_FALSE(ZhirunRepeatsAfter(kXiaoxue, lead, false, threshold));
      EXPECT_FALSE(ZhirunRepeatsAfter(kDaxue, lead, true, threshold));
    }
  }
}

}  // namespace
}  // namespace veltrane::chart
