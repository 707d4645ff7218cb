// The profiles and the disputed points they choose between.
#include <array>

#include "reading/reading.h"

namespace veltrane::reading {
namespace {

constexpr std::array<ReadingProfile, 3> kProfiles = {{
    {"classic",
     "遁甲演義 (四庫全书本), the oldest text stating each disputed rule with a worked example",
     kClassic},
    {"yanbo", "烟波钓叟歌, where its verse reads a disputed rule otherwise", kYanbo},
    {"tongzong", "奇門遁甲統宗, where it reads a disputed rule otherwise", kTongzong},
}};

constexpr std::array<Dispute, 6> kDisputes = {{
    {"yunu-shoumen", "玉女守门",
     "遁甲演義 reads 玉女守门 as 丁 meeting the duty gate (丁為玉女而㑹天乙直使之門), with a "
     "worked "
     "example, and then lists the six hours at which that happens in 阳遁 (甲子用庚午 … "
     "甲寅用乙卯). "
     "Plotters that follow the verse of 烟波钓叟歌 (三奇游六仪) read the six hours alone, whatever "
     "the gate. classic and tongzong follow the gate (yunu-shoumen); yanbo the six hours "
     "(yunu-shoumen-hours)."},
    {"shen-dun", "神遁",
     "遁甲演義: 天上六丙合九天再合生門 (丙, 生门, 九天). 奇門遁甲統宗: 休門與乙奇合九天 (乙, 休门, "
     "九天). classic and yanbo follow 遁甲演義 (shen-dun); tongzong follows 統宗 (shen-dun-yi)."},
    {"tianwang-sizhang", "天网四张",
     "遁甲演義 defines the net as what lies under heaven 癸 and adds 凡六癸之時亦是; its worked "
     "example is heaven 癸 over earth 癸 in palace 8. classic and tongzong read the worked example "
     "(tianwang-sizhang: 癸 over 癸); yanbo reads every 六癸 hour at the palace of heaven 癸 "
     "(tianwang-sizhang-hour)."},
    {"sanqi-rumu", "三奇入墓",
     "遁甲演義 (王璋曰) sends 乙 to palace 2, 丙 to 6, 丁 to 8, and the verse it quotes agrees "
     "(更兼六乙來臨未). Plotters that read the 十二长生 put 乙's 墓 in 戌, palace 6. classic and "
     "yanbo follow 遁甲演義 (sanqi-rumu); tongzong reads 乙 in palace 6 (sanqi-rumu-qian), for "
     "which no line of a classical text was found."},
    {"shigan-rumu-hour", "时干入墓",
     "烟波钓叟歌 names five hour pillars (戊戌 壬辰 丙戌 癸未 丁丑); 遁甲演義 explains each and "
     "adds "
     "己丑 (己屬隂土土墓在丑), six in all. classic and tongzong take the six (shigan-rumu-hour); "
     "yanbo the five (shigan-rumu-hour-five)."},
    {"wubuyu-shi", "五不遇时",
     "遁甲演義 (葛洪曰) gives a table of ten hours, one per day stem. 烟波钓叟歌 states a rule, "
     "the "
     "hour stem overcoming the day stem of the same polarity, which gives twelve: the ten and also "
     "己日乙亥 and 庚日丙戌. classic and tongzong take the table (wubuyu-shi); yanbo the rule "
     "(wubuyu-shi-rule)."},
}};

}  // namespace

std::span<const ReadingProfile> Profiles() { return kProfiles; }

const ReadingProfile& ClassicProfile() { return kProfiles[0]; }

std::optional<ReadingProfile> ProfileNamed(std::string_view name) {
  for (const ReadingProfile& p : kProfiles) {
    if (p.name == name) return p;
  }
  return std::nullopt;
}

std::span<const Dispute> Disputes() { return kDisputes; }

}  // namespace veltrane::reading
