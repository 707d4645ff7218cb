// The rule table: every rule the reading knows, with its source and profiles. Rows are data;
// the predicates they name are in predicates.cpp. Quotes are in each text's own characters.
#include <array>

#include "reading/predicates.h"
#include "reading/rule.h"
#include "reading/sources.h"

namespace veltrane::reading {
namespace {

using chart::Deity;
using chart::Gate;
using chart::Stem;
namespace b = books;

constexpr RuleParams Over(Stem heaven, Stem earth) {
  return {.heaven = StemRole::kFixed,
          .heaven_stem = heaven,
          .earth = StemRole::kFixed,
          .earth_stem = earth};
}
constexpr RuleParams Over(Stem heaven, StemRole earth) {
  return {.heaven = StemRole::kFixed, .heaven_stem = heaven, .earth = earth};
}
constexpr RuleParams Over(StemRole heaven, Stem earth) {
  return {.heaven = heaven, .earth = StemRole::kFixed, .earth_stem = earth};
}
constexpr std::uint8_t GateBit(Gate g) {
  return static_cast<std::uint8_t>(1u << static_cast<int>(g));
}
constexpr std::uint8_t kLuckyGates =
    GateBit(Gate::kOpen) | GateBit(Gate::kRest) | GateBit(Gate::kLife);
constexpr RuleParams With(RuleParams p, std::uint8_t gates, int deity = -1, int palace = 0) {
  p.gates = gates;
  p.deity = static_cast<std::int8_t>(deity);
  p.palaces = palace == 0 ? std::uint16_t{0} : static_cast<std::uint16_t>(1u << (palace - 1));
  return p;
}
constexpr RuleParams OnHeaven(Stem s) { return {.heaven = StemRole::kFixed, .heaven_stem = s}; }
constexpr RuleParams Which(std::uint16_t n) { return {.hours = n}; }
constexpr int D(Deity d) { return static_cast<int>(d); }

constexpr ProfileMask kAll = kAllProfiles;
constexpr ProfileMask kNotYanbo = kClassic | kTongzong;
constexpr ProfileMask kNotTongzong = kClassic | kYanbo;

using K = RuleKind;
using P = Plates;

// clang-format off
constexpr std::array kNamedRules = {
  // ── stems on the plates: the 吉格 ──
  Rule{"qinglong-fanshou", {"青龙返首", "青龍返首", "Qinglong Fanshou (Green Dragon Turns Its Head)"}, K::kGood, P::kHeavenOverEarth,
       "天盘戊加地盘丙 (甲 hides under 戊 of 甲子)",
       {b::kYanyi, "卷二 青龍回首", "甲加丙兮龍囘首", "the worked example puts 直符甲子戊 over earth 丙; 甲 is read as 戊"},
       kAll, "", PairOver, Over(Stem::kWu, Stem::kBing)},
  Rule{"feiniao-diexue", {"飞鸟跌穴", "飛鳥跌穴", "Feiniao Diexue (Bird Falls into the Nest)"}, K::kGood, P::kHeavenOverEarth,
       "天盘丙加地盘戊 (甲 hides under 戊 of 甲子)",
       {b::kYanyi, "卷二 飛鳥跌穴", "歌曰丙加甲兮鳥跌穴",
        "the text glosses 甲 as 本時甲旬頭; both its worked examples are hours of 甲子, so 甲 is read as 戊"},
       kAll, "", PairOver, Over(Stem::kBing, Stem::kWu)},
  Rule{"sanqi-deshi", {"三奇得使", "三奇得使", "Sanqi Deshi (Three Wonders Find Their Envoy)"}, K::kGood, P::kHeavenOverEarth,
       "天盘乙加己或辛，丙加戊或庚，丁加壬或癸",
       {b::kYanyi, "卷二 三竒得使", "乙為使者乙竒加甲戌甲午丙為使者丙竒加甲子甲申也丁為使者丁竒加甲辰甲寅也", ""},
       kAll, "", QiServesXun, {}},
  Rule{"yunu-shoumen", {"玉女守门", "玉女守門", "Yunu Shoumen (Jade Maiden Guards the Gate)"}, K::kGood, P::kRing,
       "值使门临地盘丁",
       {b::kYanyi, "卷二 玉女守門", "玉女守門者謂丁為玉女而㑹天乙直使之門也", ""},
       kNotYanbo, "yunu-shoumen", DutyGateOverDing, {}},
  Rule{"yunu-shoumen-hours", {"玉女守门", "玉女守門", "Yunu Shoumen (Jade Maiden Guards the Gate)"}, K::kGood, P::kRing,
       "庚午、己卯、戊子、丁酉、丙午、乙卯六时，在值使门之宫",
       {b::kYanyi, "卷二 玉女守門", "故甲子用庚午甲戌用己邜甲申用戊子甲午用丁酉甲辰用丙午甲寅用乙邜",
        "the verse (烟波钓叟歌: 又有三奇游六仪，号为玉女守门扉) names no gate; this reading takes the six hours the commentary lists"},
       kYanbo, "yunu-shoumen", JadeMaidenHours, {}},
  Rule{"sanqi-shengdian", {"三奇升殿", "三奇升殿", "Sanqi Shengdian (Three Wonders Ascend the Hall)"}, K::kGood, P::kHeaven,
       "天盘乙临震三宫，丙临离九宫，丁临兑七宫",
       {"", "", "", b::kNotFound},
       kAll, "", QiInHall, {}},
  Rule{"tian-dun", {"天遁", "天遁", "Tian Dun (Heaven Escape)"}, K::kGood, P::kHeavenOverEarth,
       "天盘丙加地盘丁，同宫生门",
       {b::kYanyi, "卷二 天遁", "經曰上盤六丙中盤生門下盤六丁", ""},
       kAll, "", Conjunction, With(Over(Stem::kBing, Stem::kDing), GateBit(Gate::kLife))},
  Rule{"di-dun", {"地遁", "地遁", "Di Dun (Earth Escape)"}, K::kGood, P::kHeavenOverEarth,
       "天盘乙加地盘己，同宫开门",
       {b::kYanyi, "卷二 地遁", "經曰上盤六乙中盤開門下盤六己", ""},
       kAll, "", Conjunction, With(Over(Stem::kYi, Stem::kJi), GateBit(Gate::kOpen))},
  Rule{"ren-dun", {"人遁", "人遁", "Ren Dun (Human Escape)"}, K::kGood, P::kRing,
       "天盘丁，同宫休门、太阴",
       {b::kYanyi, "卷二 人遁", "經曰上盤六丁中盤休門下盤太隂", ""},
       kAll, "", Conjunction, With(OnHeaven(Stem::kDing), GateBit(Gate::kRest), D(Deity::kTaiYin))},
  Rule{"shen-dun", {"神遁", "神遁", "Shen Dun (Spirit Escape)"}, K::kGood, P::kRing,
       "天盘丙，同宫生门、九天",
       {b::kYanyi, "卷二 神遁", "歌曰天上六丙合九天再合生門神遁", ""},
       kNotTongzong, "shen-dun", Conjunction, With(OnHeaven(Stem::kBing), GateBit(Gate::kLife), D(Deity::kJiuTian))},
  Rule{"shen-dun-yi", {"神遁", "神遁", "Shen Dun (Spirit Escape)"}, K::kGood, P::kRing,
       "天盘乙，同宫休门、九天",
       {b::kTongzong, "奇門四十格", "神遁 休門與乙奇合九天", ""},
       kTongzong, "shen-dun", Conjunction, With(OnHeaven(Stem::kYi), GateBit(Gate::kRest), D(Deity::kJiuTian))},
  Rule{"gui-dun", {"鬼遁", "鬼遁", "Gui Dun (Ghost Escape)"}, K::kGood, P::kRing,
       "天盘乙，同宫杜门、九地",
       {b::kYanyi, "卷二 鬼遁", "歌曰天上六乙合九地臨於杜門鬼遁", ""},
       kAll, "", Conjunction, With(OnHeaven(Stem::kYi), GateBit(Gate::kBlock), D(Deity::kJiuDi))},
  Rule{"feng-dun", {"风遁", "風遁", "Feng Dun (Wind Escape)"}, K::kGood, P::kRing,
       "天盘乙合开、休、生门，临巽四宫",
       {b::kYanyi, "卷二 風遁", "歌曰天上六乙合三門下臨巽宫風遁矣", ""},
       kAll, "", Conjunction, With(OnHeaven(Stem::kYi), kLuckyGates, -1, 4)},
  Rule{"yun-dun", {"云遁", "雲遁", "Yun Dun (Cloud Escape)"}, K::kGood, P::kHeavenOverEarth,
       "天盘乙加地盘辛，同宫开、休、生门",
       {b::kYanyi, "卷二 雲遁", "歌曰天上六乙合六辛臨三吉門雲遁取", ""},
       kAll, "", Conjunction, With(Over(Stem::kYi, Stem::kXin), kLuckyGates)},
  Rule{"long-dun", {"龙遁", "龍遁", "Long Dun (Dragon Escape)"}, K::kGood, P::kRing,
       "天盘乙，同宫休门，临坎一宫",
       {b::kYanyi, "卷二 龍遁", "歌曰日竒合休於坎宫此為龍遁雲從起", ""},
       kAll, "", Conjunction, With(OnHeaven(Stem::kYi), GateBit(Gate::kRest), -1, 1)},
  Rule{"hu-dun", {"虎遁", "虎遁", "Hu Dun (Tiger Escape)"}, K::kGood, P::kHeavenOverEarth,
       "天盘乙加地盘辛，同宫休门，临艮八宫",
       {b::kYanyi, "卷二 虎遁", "歌曰天上六乙合六辛臨休到艮虎遁門", ""},
       kAll, "", Conjunction, With(Over(Stem::kYi, Stem::kXin), GateBit(Gate::kRest), -1, 8)},
  Rule{"ying-ru-taibai", {"荧入太白", "熒入太白", "Ying Ru Taibai (Mars Enters Venus)"}, K::kGood, P::kHeavenOverEarth,
       "天盘丙加地盘庚",
       {b::kYanyi, "卷二 熒入白", "天盤丙加地盤庚是火入金鄉此時聞賊當退", ""},
       kAll, "", PairOver, Over(Stem::kBing, Stem::kGeng)},
  // ── stems on the plates: the 凶格 ──
  Rule{"taibai-ru-ying", {"太白入荧", "太白入熒", "Taibai Ru Ying (Venus Enters Mars)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘丙",
       {b::kYanyi, "卷二 白入熒", "天盤庚加地盤丙乃金入火鄉而受尅凶", ""},
       kAll, "", PairOver, Over(Stem::kGeng, Stem::kBing)},
  Rule{"qinglong-taozou", {"青龙逃走", "青龍逃走", "Qinglong Taozou (Green Dragon Flees)"}, K::kBad, P::kHeavenOverEarth,
       "天盘乙加地盘辛",
       {b::kYanyi, "卷二 青龍逃走", "歌曰六乙加辛龍逃走", ""},
       kAll, "", PairOver, Over(Stem::kYi, Stem::kXin)},
  Rule{"baihu-changkuang", {"白虎猖狂", "白虎猖狂", "Baihu Changkuang (White Tiger Runs Wild)"}, K::kBad, P::kHeavenOverEarth,
       "天盘辛加地盘乙",
       {b::kYanyi, "卷二 白虎猖狂", "王璋曰天上六辛加地下六乙此時不宜舉事", ""},
       kAll, "", PairOver, Over(Stem::kXin, Stem::kYi)},
  Rule{"zhuque-toujiang", {"朱雀投江", "朱雀投江", "Zhuque Toujiang (Red Bird Plunges into the River)"}, K::kBad, P::kHeavenOverEarth,
       "天盘丁加地盘癸",
       {b::kYanyi, "卷二 朱雀入江", "王璋曰天上六丁加地下六癸名曰朱雀入江", ""},
       kAll, "", PairOver, Over(Stem::kDing, Stem::kGui)},
  Rule{"tengshe-yaojiao", {"腾蛇夭矫", "騰蛇夭矯", "Tengshe Yaojiao (Serpent Writhes)"}, K::kBad, P::kHeavenOverEarth,
       "天盘癸加地盘丁",
       {b::kYanyi, "卷二 螣蛇跃蹻", "王璋曰天上六癸加地下六丁名螣蛇跃蹻", ""},
       kAll, "", PairOver, Over(Stem::kGui, Stem::kDing)},
  Rule{"da-ge", {"大格", "大格", "Da Ge (Great Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘癸",
       {b::kYanyi, "卷二 大隔", "謂天上六庚臨地下六癸此時不可用百事凶", ""},
       kAll, "", PairOver, Over(Stem::kGeng, Stem::kGui)},
  Rule{"xiao-ge", {"小格", "小格", "Xiao Ge (Lesser Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘壬",
       {b::kYanyi, "卷二 小隔并嵗隔月隔日隔時隔", "六庚加六壬謂之小格", ""},
       kAll, "", PairOver, Over(Stem::kGeng, Stem::kRen)},
  Rule{"xing-ge", {"刑格", "刑格", "Xing Ge (Punishment Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘己",
       {b::kYanyi, "卷二 刑隔", "謂天上六庚加地下六己", ""},
       kAll, "", PairOver, Over(Stem::kGeng, Stem::kJi)},
  Rule{"sui-ge", {"岁格", "歲格", "Sui Ge (Year Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘年干 (甲年读作其旬之仪)",
       {b::kYanyi, "卷二 小隔并嵗隔月隔日隔時隔", "三元經云六庚加當年太歲之干名曰歲格", ""},
       kAll, "", Conjunction, Over(Stem::kGeng, StemRole::kYear)},
  Rule{"yue-ge", {"月格", "月格", "Yue Ge (Month Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘月干：月柱之干，即盘之节月 (甲月读作其旬之仪)",
       {b::kYanyi, "卷二 小隔并嵗隔月隔日隔時隔", "三元經曰六庚加月朔格為凶時也",
        "the text reads the stem of the month's new-moon day (月朔干); a chart holds the month pillar of its 节 month, whose stem this rule reads"},
       kAll, "", Conjunction, Over(Stem::kGeng, StemRole::kMonth)},
  Rule{"ri-ge", {"日格", "日格", "Ri Ge (Day Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘日干 (甲日读作其旬之仪)",
       {b::kYanyi, "卷二 小隔并嵗隔月隔日隔時隔", "三元經曰六庚加當日日干為日干格", ""},
       kAll, "", Conjunction, Over(Stem::kGeng, StemRole::kDay)},
  Rule{"shi-ge", {"时格", "時格", "Shi Ge (Hour Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘时干 (甲时读作其旬之仪)",
       {b::kYanyi, "卷二 小隔并嵗隔月隔日隔時隔", "三元經曰六庚加本時干者為時格", ""},
       kAll, "", Conjunction, Over(Stem::kGeng, StemRole::kHour)},
  Rule{"fu-gan-ge", {"伏干格", "伏干格", "Fu Gan Ge (Hidden Stem Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘日干",
       {b::kYanyi, "卷二 伏干格", "三元經曰六庚為太白加日干即為伏干格", ""},
       kAll, "", Conjunction, Over(Stem::kGeng, StemRole::kDay)},
  Rule{"fei-gan-ge", {"飞干格", "飛干格", "Fei Gan Ge (Flying Stem Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘日干加地盘庚",
       {b::kYanyi, "卷二 飛干格", "三元經曰今日之干加六庚飛干格", ""},
       kAll, "", Conjunction, Over(StemRole::kDay, Stem::kGeng)},
  Rule{"fu-gong-ge", {"伏宫格", "伏宮格", "Fu Gong Ge (Hidden Palace Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘庚加地盘值符 (时旬之仪)",
       {b::kYanyi, "卷二 伏宫格", "三元經曰六庚加直符名為天乙伏宫格", ""},
       kAll, "", Conjunction, Over(Stem::kGeng, StemRole::kXunInstrument)},
  Rule{"fei-gong-ge", {"飞宫格", "飛宮格", "Fei Gong Ge (Flying Palace Obstruction)"}, K::kBad, P::kHeavenOverEarth,
       "天盘值符 (时旬之仪) 加地盘庚",
       {b::kYanyi, "卷二 飛宫格", "三元經曰直符加六庚名天乙飛宫格", ""},
       kAll, "", Conjunction, Over(StemRole::kXunInstrument, Stem::kGeng)},
  Rule{"bei-ge", {"悖格", "悖格", "Bei Ge (Rebellion)"}, K::kBad, P::kHeavenOverEarth,
       "天盘丙加地盘年、月、日、时之干",
       {b::kYanyi, "卷二 勃隔", "天上六丙加年月日時之干", ""},
       kAll, "", StemOverAnyPillar, OnHeaven(Stem::kBing)},
  Rule{"tianwang-sizhang", {"天网四张", "天網四張", "Tianwang Sizhang (Heaven's Net Spread Wide)"}, K::kBad, P::kHeavenOverEarth,
       "天盘癸加地盘癸",
       {b::kYanyi, "卷二 天網四張格", "天盤癸加地盤癸即天網高八尺矣", ""},
       kNotYanbo, "tianwang-sizhang", PairOver, Over(Stem::kGui, Stem::kGui)},
  Rule{"tianwang-sizhang-hour", {"天网四张", "天網四張", "Tianwang Sizhang (Heaven's Net Spread Wide)"}, K::kBad, P::kHeaven,
       "六癸之时，在天盘癸之宫",
       {b::kYanyi, "卷二 天網四張格", "天網者天上六癸所加之下是也凡六癸之時亦是", ""},
       kYanbo, "tianwang-sizhang", HourStemOnHeaven, OnHeaven(Stem::kGui)},
  Rule{"liuyi-jixing", {"六仪击刑", "六儀擊刑", "Liuyi Jixing (Six Instruments Punished)"}, K::kBad, P::kHeaven,
       "时旬值符之仪临其所刑之宫：甲子三、甲戌二、甲申八、甲午九、甲辰四、甲寅四",
       {b::kYanyi, "卷二 六儀擊刑", "王璋曰甲子直符加三宫甲戌直符加二宫甲申直符加八宫甲午直符加九宫甲辰直符臨四宫甲寅直符臨四宫", ""},
       kAll, "", InstrumentPunished, {}},
  Rule{"sanqi-rumu", {"三奇入墓", "三奇入墓", "Sanqi Rumu (Three Wonders Enter the Tomb)"}, K::kBad, P::kHeaven,
       "天盘乙临坤二宫，丙临乾六宫，丁临艮八宫",
       {b::kYanyi, "卷二 三竒入墓", "王璋曰三竒墓者謂六乙日竒下臨二宫六丙月竒到六宫六丁星竒下臨八宫", ""},
       kNotTongzong, "sanqi-rumu", QiInTomb, Which(static_cast<std::uint16_t>(SanqiTombs::kYiKun))},
  Rule{"sanqi-rumu-qian", {"三奇入墓", "三奇入墓", "Sanqi Rumu (Three Wonders Enter the Tomb)"}, K::kBad, P::kHeaven,
       "天盘乙临乾六宫 (乙木墓于戌)，丙临乾六宫，丁临艮八宫",
       {b::kTongzong, "", "",
        "no transcription of a line sending 乙 to palace 6 was found; the reading follows the 十二长生, where 乙 has its 墓 in 戌"},
       kTongzong, "sanqi-rumu", QiInTomb, Which(static_cast<std::uint16_t>(SanqiTombs::kYiQian))},
  Rule{"shigan-rumu", {"十干入墓", "十干入墓", "Shigan Rumu (Ten Stems Enter the Tomb)"}, K::kBad, P::kHeaven,
       "天盘之干临其十二长生之墓支所在之宫 (中五之干随寄宫之星)",
       {b::kYanyi, "卷二 三竒入墓", "丙戌時丙屬陽火火墓在戌　壬辰時壬屬陽水水墓在辰", ""},
       kAll, "", StemInTomb, {}, Detail::kChangsheng},
  Rule{"shigan-rumu-hour", {"时干入墓", "時干入墓", "Shigan Rumu (Hour Stem Enters the Tomb)"}, K::kBad, P::kHeaven,
       "丙戌、壬辰、丁丑、癸未、戊戌、己丑六时",
       {b::kYanyi, "卷二 三竒入墓", "戊戌時戊屬陽土土墓在戌　己丑時己屬隂土土墓在丑", ""},
       kNotYanbo, "shigan-rumu-hour", HourInSet, Which(static_cast<std::uint16_t>(HourSets::kTombSix))},
  Rule{"shigan-rumu-hour-five", {"时干入墓", "時干入墓", "Shigan Rumu (Hour Stem Enters the Tomb)"}, K::kBad, P::kHeaven,
       "戊戌、壬辰、丙戌、癸未、丁丑五时",
       {b::kYanbo, "", "又有时干入墓宫，课中时下忌相逢，戊戌壬辰兼丙戌，癸未丁丑亦同凶", ""},
       kYanbo, "shigan-rumu-hour", HourInSet, Which(static_cast<std::uint16_t>(HourSets::kTombFive))},
  Rule{"wubuyu-shi", {"五不遇时", "五不遇時", "Wubuyu Shi (Five Misfortunes Hour)"}, K::kBad, P::kHeaven,
       "甲日庚午、乙日辛巳、丙日壬辰、丁日癸卯、戊日甲寅、己日乙丑、庚日丙子、辛日丁酉、壬日戊申、癸日己未",
       {b::kYanyi, "卷二 五不遇", "甲日庚午時乙日辛巳時丙日壬辰時丁日癸邜時戊日甲寅時己日乙丑時庚日丙子時辛日丁酉時壬日戊申時癸日己未時", ""},
       kNotYanbo, "wubuyu-shi", FiveMisfortuneTable, {}},
  Rule{"wubuyu-shi-rule", {"五不遇时", "五不遇時", "Wubuyu Shi (Five Misfortunes Hour)"}, K::kBad, P::kHeaven,
       "时干克日干，阳克阳、阴克阴 (十二时：加己日乙亥、庚日丙戌)",
       {b::kYanbo, "", "五不遇时龙不精，号为日月损光明，时干来克日干上，甲日须知时忌庚", ""},
       kYanbo, "wubuyu-shi", FiveMisfortuneRule, {}},
  // ── stars and gates ──
  Rule{"xing-fuyin", {"星伏吟", "星伏吟", "Xing Fuyin (Stars at Home)"}, K::kBad, P::kRing,
       "九星皆在本宫，在值符之宫",
       {b::kYanyi, "卷二 伏吟格", "上盤天蓬加地盤天蓬乃九星仍在本宫不動謂之伏吟", ""},
       kAll, "", StarsStill, Which(0)},
  Rule{"xing-fanyin", {"星反吟", "星反吟", "Xing Fanyin (Stars Opposite Home)"}, K::kBad, P::kRing,
       "九星皆在对宫，在值符之宫",
       {b::kYanyi, "卷二 反吟格", "天盤一宫上蓬星加地盤九宫英星上為反吟餘八同宫", ""},
       kAll, "", StarsStill, Which(1)},
  Rule{"men-fuyin", {"门伏吟", "門伏吟", "Men Fuyin (Gates at Home)"}, K::kBad, P::kRing,
       "八门皆在本宫，在值使之宫",
       {b::kYanbo, "", "八门反伏皆如此，生在生兮死在死", ""},
       kAll, "", GatesStill, Which(0)},
  Rule{"men-fanyin", {"门反吟", "門反吟", "Men Fanyin (Gates Opposite Home)"}, K::kBad, P::kRing,
       "八门皆在对宫，在值使之宫",
       {b::kYanbo, "", "八门反伏皆如此，生在生兮死在死", ""},
       kAll, "", GatesStill, Which(1)},
  Rule{"men-po", {"门迫", "門迫", "Men Po (Gate Oppresses Palace)"}, K::kBad, P::kRing,
       "门之五行克其宫之五行",
       {b::kYanyi, "卷二 門迫宫迫", "歌曰宫制其門不為迫門制其宫是迫雄", ""},
       kAll, "", GateAndPalace, Which(0), Detail::kGate},
  Rule{"men-shouzhi", {"门受制", "門受制", "Men Shouzhi (Gate Restrained by Palace)"}, K::kMark, P::kRing,
       "宫之五行克其门之五行",
       {b::kYanyi, "卷二 門迫宫迫", "歌曰宫制其門不為迫門制其宫是迫雄", "the text names it and says it is no 迫"},
       kAll, "", GateAndPalace, Which(1), Detail::kGate},
  // ── states ──
  Rule{"xing-wangshuai", {"九星旺相", "九星旺相", "Jiuxing Wangxiang (Stars' Seasonal Strength)"}, K::kState, P::kRing,
       "九星于盘之节月 (月柱之支)：同行为相，我生为旺，生我为废，我克为休，克我为囚",
       {b::kYanbo, "", "与我同行即为相，我生之月诚为旺，废于父母休于财，囚于鬼兮真不妄", ""},
       kAll, "", StarSeason, {}, Detail::kStarState},
  Rule{"men-wangshuai", {"八门旺相", "八門旺相", "Bamen Wangxiang (Gates' Seasonal Strength)"}, K::kState, P::kRing,
       "八门于盘之节月 (月柱之支)：旺相休囚死",
       {"", "", "", b::kNotFound},
       kAll, "", GateSeason, {}, Detail::kGateState},
  Rule{"gan-wangshuai", {"天干旺相", "天干旺相", "Tiangan Wangxiang (Stems' Seasonal Strength)"}, K::kState, P::kHeaven,
       "天盘之干于盘之节月 (月柱之支)：旺相休囚死",
       {"", "", "", b::kNotFound},
       kAll, "", StemSeason, {}, Detail::kStemState},
  Rule{"shier-changsheng", {"十二长生", "十二長生", "Shier Changsheng (Twelve Life Stages)"}, K::kState, P::kHeaven,
       "天盘之干于其宫之每一支 (中五之干随寄宫之星)：阳干顺行，阴干逆行",
       {b::kYanyi, "卷二 三竒入墓", "蓋以戊同丙火生於寅巳同丁火生於酉", "the line gives 戊 and 己 their 长生 with 丙 and 丁"},
       kAll, "", LifeStages, {}, Detail::kChangsheng},
  Rule{"ri-kongwang", {"日空亡", "日空亡", "Ri Kongwang (Day Void)"}, K::kMark, P::kPalace,
       "日柱之旬所空二支之宫",
       {"", "", "", b::kNotFound},
       kAll, "", VoidBranches, Which(0), Detail::kVoidBranch},
  Rule{"shi-kongwang", {"时空亡", "時空亡", "Shi Kongwang (Hour Void)"}, K::kMark, P::kPalace,
       "时柱之旬所空二支之宫",
       {"", "", "", b::kNotFound},
       kAll, "", VoidBranches, Which(1), Detail::kVoidBranch},
  Rule{"yima", {"驿马", "驛馬", "Yima (Travelling Horse)"}, K::kMark, P::kPalace,
       "时支之马：申子辰马在寅，寅午戌在申，巳酉丑在亥，亥卯未在巳",
       {"", "", "", b::kNotFound},
       kAll, "", Horse, {}, Detail::kBranch},
  Rule{"an-gan", {"暗干", "暗干", "An Gan (Hidden Stem)"}, K::kMark, P::kHidden,
       "每宫之暗干 (隐干)",
       {"", "", "", b::kNotFound},
       kAll, "", HiddenStems, {}, Detail::kHiddenStem},
};
// clang-format on

struct PairRow {
  std::string_view id;
  RuleName name;
  Stem heaven;
  Stem earth;
};

// 十干克应: the name of each heaven stem over each earth stem, heaven 乙 … 癸 by earth 乙 … 癸.
constexpr std::array<PairRow, 81> kPairs = {{
    {"pair-yi-yi", {"日奇伏吟", "日奇伏吟", "Riqi Fuyin"}, Stem::kYi, Stem::kYi},
    {"pair-yi-bing", {"奇仪顺遂", "奇儀順遂", "Qiyi Shunsui"}, Stem::kYi, Stem::kBing},
    {"pair-yi-ding", {"奇仪相佐", "奇儀相佐", "Qiyi Xiangzuo"}, Stem::kYi, Stem::kDing},
    {"pair-yi-wu", {"阴害阳门", "陰害陽門", "Yin Hai Yangmen"}, Stem::kYi, Stem::kWu},
    {"pair-yi-ji", {"日奇入雾", "日奇入霧", "Riqi Ru Wu"}, Stem::kYi, Stem::kJi},
    {"pair-yi-geng", {"日奇被刑", "日奇被刑", "Riqi Beixing"}, Stem::kYi, Stem::kGeng},
    {"pair-yi-xin",
     {"青龙逃走", "青龍逃走", "Qinglong Taozou (Green Dragon Flees)"},
     Stem::kYi,
     Stem::kXin},
    {"pair-yi-ren", {"日奇入地", "日奇入地", "Riqi Rudi"}, Stem::kYi, Stem::kRen},
    {"pair-yi-gui", {"华盖逢星", "華蓋逢星", "Huagai Fengxing"}, Stem::kYi, Stem::kGui},
    {"pair-bing-yi", {"日月并行", "日月並行", "Riyue Bingxing"}, Stem::kBing, Stem::kYi},
    {"pair-bing-bing", {"月奇悖师", "月奇悖師", "Yueqi Beishi"}, Stem::kBing, Stem::kBing},
    {"pair-bing-ding", {"星奇朱雀", "星奇朱雀", "Xingqi Zhuque"}, Stem::kBing, Stem::kDing},
    {"pair-bing-wu",
     {"飞鸟跌穴", "飛鳥跌穴", "Feiniao Diexue (Bird Falls into the Nest)"},
     Stem::kBing,
     Stem::kWu},
    {"pair-bing-ji", {"火悖入刑", "火悖入刑", "Huobei Ruxing"}, Stem::kBing, Stem::kJi},
    {"pair-bing-geng",
     {"荧入太白", "熒入太白", "Ying Ru Taibai (Mars Enters Venus)"},
     Stem::kBing,
     Stem::kGeng},
    {"pair-bing-xin", {"谋事就成", "謀事就成", "Moushi Jiucheng"}, Stem::kBing, Stem::kXin},
    {"pair-bing-ren", {"火入天罗", "火入天羅", "Huo Ru Tianluo"}, Stem::kBing, Stem::kRen},
    {"pair-bing-gui", {"华盖悖师", "華蓋悖師", "Huagai Beishi"}, Stem::kBing, Stem::kGui},
    {"pair-ding-yi", {"人遁吉格", "人遁吉格", "Rendun Jige"}, Stem::kDing, Stem::kYi},
    {"pair-ding-bing", {"星随月转", "星隨月轉", "Xing Sui Yue Zhuan"}, Stem::kDing, Stem::kBing},
    {"pair-ding-ding", {"奇入太阴", "奇入太陰", "Qi Ru Taiyin"}, Stem::kDing, Stem::kDing},
    {"pair-ding-wu", {"青龙转光", "青龍轉光", "Qinglong Zhuanguang"}, Stem::kDing, Stem::kWu},
    {"pair-ding-ji", {"火入勾陈", "火入勾陳", "Huo Ru Gouchen"}, Stem::kDing, Stem::kJi},
    {"pair-ding-geng", {"亭亭之格", "亭亭之格", "Tingting Zhi Ge"}, Stem::kDing, Stem::kGeng},
    {"pair-ding-xin", {"朱雀入狱", "朱雀入獄", "Zhuque Ruyu"}, Stem::kDing, Stem::kXin},
    {"pair-ding-ren", {"五神互合", "五神互合", "Wushen Huhe"}, Stem::kDing, Stem::kRen},
    {"pair-ding-gui",
     {"朱雀投江", "朱雀投江", "Zhuque Toujiang (Red Bird Plunges into the River)"},
     Stem::kDing,
     Stem::kGui},
    {"pair-wu-yi", {"青龙合灵", "青龍合靈", "Qinglong Heling"}, Stem::kWu, Stem::kYi},
    {"pair-wu-bing",
     {"青龙返首", "青龍返首", "Qinglong Fanshou (Green Dragon Turns Its Head)"},
     Stem::kWu,
     Stem::kBing},
    {"pair-wu-ding", {"青龙耀明", "青龍耀明", "Qinglong Yaoming"}, Stem::kWu, Stem::kDing},
    {"pair-wu-wu", {"伏吟", "伏吟", "Fuyin"}, Stem::kWu, Stem::kWu},
    {"pair-wu-ji", {"贵人入狱", "貴人入獄", "Guiren Ruyu"}, Stem::kWu, Stem::kJi},
    {"pair-wu-geng", {"值符飞宫", "值符飛宮", "Zhifu Feigong"}, Stem::kWu, Stem::kGeng},
    {"pair-wu-xin", {"青龙折足", "青龍折足", "Qinglong Zhezu"}, Stem::kWu, Stem::kXin},
    {"pair-wu-ren", {"青龙入天牢", "青龍入天牢", "Qinglong Ru Tianlao"}, Stem::kWu, Stem::kRen},
    {"pair-wu-gui", {"青龙华盖", "青龍華蓋", "Qinglong Huagai"}, Stem::kWu, Stem::kGui},
    {"pair-ji-yi", {"墓神不明", "墓神不明", "Mushen Buming"}, Stem::kJi, Stem::kYi},
    {"pair-ji-bing", {"火悖地户", "火悖地戶", "Huobei Dihu"}, Stem::kJi, Stem::kBing},
    {"pair-ji-ding", {"朱雀入墓", "朱雀入墓", "Zhuque Rumu"}, Stem::kJi, Stem::kDing},
    {"pair-ji-wu", {"犬遇青龙", "犬遇青龍", "Quan Yu Qinglong"}, Stem::kJi, Stem::kWu},
    {"pair-ji-ji", {"地户逢鬼", "地戶逢鬼", "Dihu Fenggui"}, Stem::kJi, Stem::kJi},
    {"pair-ji-geng", {"刑格返名", "刑格返名", "Xingge Fanming"}, Stem::kJi, Stem::kGeng},
    {"pair-ji-xin", {"游魂入墓", "遊魂入墓", "Youhun Rumu"}, Stem::kJi, Stem::kXin},
    {"pair-ji-ren", {"地网高张", "地網高張", "Diwang Gaozhang"}, Stem::kJi, Stem::kRen},
    {"pair-ji-gui", {"地刑玄武", "地刑玄武", "Dixing Xuanwu"}, Stem::kJi, Stem::kGui},
    {"pair-geng-yi", {"太白逢星", "太白逢星", "Taibai Fengxing"}, Stem::kGeng, Stem::kYi},
    {"pair-geng-bing",
     {"太白入荧", "太白入熒", "Taibai Ru Ying (Venus Enters Mars)"},
     Stem::kGeng,
     Stem::kBing},
    {"pair-geng-ding", {"亭亭之格", "亭亭之格", "Tingting Zhi Ge"}, Stem::kGeng, Stem::kDing},
    {"pair-geng-wu", {"天乙伏宫", "天乙伏宮", "Tianyi Fugong"}, Stem::kGeng, Stem::kWu},
    {"pair-geng-ji", {"官符刑格", "官符刑格", "Guanfu Xingge"}, Stem::kGeng, Stem::kJi},
    {"pair-geng-geng", {"太白同宫", "太白同宮", "Taibai Tonggong"}, Stem::kGeng, Stem::kGeng},
    {"pair-geng-xin", {"白虎干格", "白虎干格", "Baihu Gange"}, Stem::kGeng, Stem::kXin},
    {"pair-geng-ren", {"移荡格", "移蕩格", "Yidang Ge"}, Stem::kGeng, Stem::kRen},
    {"pair-geng-gui", {"大格", "大格", "Da Ge (Great Obstruction)"}, Stem::kGeng, Stem::kGui},
    {"pair-xin-yi",
     {"白虎猖狂", "白虎猖狂", "Baihu Changkuang (White Tiger Runs Wild)"},
     Stem::kXin,
     Stem::kYi},
    {"pair-xin-bing", {"干合悖师", "干合悖師", "Ganhe Beishi"}, Stem::kXin, Stem::kBing},
    {"pair-xin-ding", {"狱神得奇", "獄神得奇", "Yushen Deqi"}, Stem::kXin, Stem::kDing},
    {"pair-xin-wu", {"困龙被伤", "困龍被傷", "Kunlong Beishang"}, Stem::kXin, Stem::kWu},
    {"pair-xin-ji", {"入狱自刑", "入獄自刑", "Ruyu Zixing"}, Stem::kXin, Stem::kJi},
    {"pair-xin-geng", {"白虎出力", "白虎出力", "Baihu Chuli"}, Stem::kXin, Stem::kGeng},
    {"pair-xin-xin", {"伏吟天庭", "伏吟天庭", "Fuyin Tianting"}, Stem::kXin, Stem::kXin},
    {"pair-xin-ren", {"凶蛇入狱", "凶蛇入獄", "Xiongshe Ruyu"}, Stem::kXin, Stem::kRen},
    {"pair-xin-gui", {"天牢华盖", "天牢華蓋", "Tianlao Huagai"}, Stem::kXin, Stem::kGui},
    {"pair-ren-yi", {"小蛇得势", "小蛇得勢", "Xiaoshe Deshi"}, Stem::kRen, Stem::kYi},
    {"pair-ren-bing", {"水蛇入火", "水蛇入火", "Shuishe Ruhuo"}, Stem::kRen, Stem::kBing},
    {"pair-ren-ding", {"干合蛇刑", "干合蛇刑", "Ganhe Shexing"}, Stem::kRen, Stem::kDing},
    {"pair-ren-wu", {"小蛇化龙", "小蛇化龍", "Xiaoshe Hualong"}, Stem::kRen, Stem::kWu},
    {"pair-ren-ji", {"反吟蛇刑", "反吟蛇刑", "Fanyin Shexing"}, Stem::kRen, Stem::kJi},
    {"pair-ren-geng", {"太白擒蛇", "太白擒蛇", "Taibai Qinshe"}, Stem::kRen, Stem::kGeng},
    {"pair-ren-xin", {"螣蛇相缠", "螣蛇相纏", "Tengshe Xiangchan"}, Stem::kRen, Stem::kXin},
    {"pair-ren-ren", {"蛇入地罗", "蛇入地羅", "She Ru Diluo"}, Stem::kRen, Stem::kRen},
    {"pair-ren-gui", {"幼女奸淫", "幼女姦淫", "Younu Jianyin"}, Stem::kRen, Stem::kGui},
    {"pair-gui-yi", {"华盖逢星", "華蓋逢星", "Huagai Fengxing"}, Stem::kGui, Stem::kYi},
    {"pair-gui-bing", {"华盖悖师", "華蓋悖師", "Huagai Beishi"}, Stem::kGui, Stem::kBing},
    {"pair-gui-ding", {"螣蛇夭矫", "螣蛇夭矯", "Tengshe Yaojiao"}, Stem::kGui, Stem::kDing},
    {"pair-gui-wu", {"天乙合会", "天乙合會", "Tianyi Hehui"}, Stem::kGui, Stem::kWu},
    {"pair-gui-ji", {"华盖地户", "華蓋地戶", "Huagai Dihu"}, Stem::kGui, Stem::kJi},
    {"pair-gui-geng", {"太白入网", "太白入網", "Taibai Ruwang"}, Stem::kGui, Stem::kGeng},
    {"pair-gui-xin", {"网盖天牢", "網蓋天牢", "Wanggai Tianlao"}, Stem::kGui, Stem::kXin},
    {"pair-gui-ren", {"复见螣蛇", "復見螣蛇", "Fujian Tengshe"}, Stem::kGui, Stem::kRen},
    {"pair-gui-gui",
     {"天网四张", "天網四張", "Tianwang Sizhang (Heaven's Net Spread Wide)"},
     Stem::kGui,
     Stem::kGui},
}};

constexpr std::string_view kPairNote =
    "no transcription of a classical text giving these names was found; the name is that of "
    "the common 十干克应 list";

constexpr auto kRules = [] {
  std::array<Rule, kNamedRules.size() + kPairs.size()> rules{};
  std::size_t n = 0;
  for (const Rule& r : kNamedRules) rules[n++] = r;
  for (std::size_t i = 0; i < kPairs.size(); ++i) {
    const PairRow& p = kPairs[i];
    // The first pair row reads every palace's pair; the others are found through it.
    rules[n++] = Rule{p.id,
                      p.name,
                      RuleKind::kMark,
                      Plates::kHeavenOverEarth,
                      "十干克应：天盘之干加地盘之干",
                      {"", "", "", kPairNote},
                      kAll,
                      "",
                      i == 0 ? StemPairs : nullptr,
                      Over(p.heaven, p.earth)};
  }
  return rules;
}();

// The pair rows follow the named rules, in PairIndex order.
static_assert([] {
  for (std::size_t i = 0; i < kPairs.size(); ++i) {
    if (PairIndex(kPairs[i].heaven, kPairs[i].earth) != static_cast<int>(i)) return false;
  }
  return true;
}());

// Ids are unique and every row holds in some profile.
static_assert([] {
  for (std::size_t i = 0; i < kRules.size(); ++i) {
    if (kRules[i].profiles == 0 || kRules[i].id.empty()) return false;
    for (std::size_t j = i + 1; j < kRules.size(); ++j) {
      if (kRules[i].id == kRules[j].id) return false;
    }
  }
  return true;
}());

}  // namespace

std::span<const Rule> Rules() { return kRules; }

}  // namespace veltrane::reading
