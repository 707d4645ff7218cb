// The predicates of the rule table: each finds where its rule holds in a chart and adds one
// finding per palace. A rule row names one of these with its parameters.
#pragma once

#include <cstdint>

#include "reading/facts.h"
#include "reading/rule.h"

namespace veltrane::reading {

// Tables a predicate picks by RuleParams::hours.
enum class SanqiTombs : std::uint16_t { kYiKun = 0, kYiQian = 1 };
enum class HourSets : std::uint16_t { kTombSix = 0, kTombFive = 1, kJadeMaiden = 2 };

// Heaven stem over earth stem, both fixed, in any palace.
void PairOver(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// Heaven stem, earth stem, gate, deity and palace all as the parameters ask.
void Conjunction(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 悖格: heaven 丙 over the stem of any pillar.
void StemOverAnyPillar(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 三奇得使: each 奇 over the instruments of the two xun it serves.
void QiServesXun(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 三奇入墓: each 奇 on the heaven plate in its tomb palace (table by params.hours).
void QiInTomb(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 三奇升殿: 乙 in palace 3, 丙 in 9, 丁 in 7 on the heaven plate.
void QiInHall(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 十干入墓: a heaven stem in a palace holding its 墓 branch of the 十二长生.
void StemInTomb(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// The hour pillar in a set of sixty-cycle hours (params.hours), at the hour stem's palace.
void HourInSet(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 五不遇时 by the table of ten hours.
void FiveMisfortuneTable(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 五不遇时 by the rule: the hour stem overcomes the day stem of the same polarity.
void FiveMisfortuneRule(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 玉女守门: the duty gate stands over earth 丁.
void DutyGateOverDing(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 玉女守门 by the six hours, at the duty gate's palace.
void JadeMaidenHours(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 六仪击刑: the hour's 值符 instrument on the heaven plate in the palace its xun punishes.
void InstrumentPunished(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// An hour whose stem is params.heaven_stem, at the palaces of that stem on the heaven plate.
void HourStemOnHeaven(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// Every star at home (伏吟) or opposite home (反吟): params.hours 0 or 1.
void StarsStill(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// Every gate at home (伏吟) or opposite home (反吟): params.hours 0 or 1.
void GatesStill(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 门迫 (params.hours 0: the gate overcomes its palace) or 受制 (1: the palace overcomes it).
void GateAndPalace(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 旺相休囚 of each star (the verse's scheme), gate and heaven stem in the chart's 节 month.
void StarSeason(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
void GateSeason(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
void StemSeason(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 十二长生 of each heaven stem at each branch of its palace.
void LifeStages(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 空亡 of the day (params.hours 0) or of the hour (1), at the void branches' palaces.
void VoidBranches(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 驿马 of the hour branch.
void Horse(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 暗干: the hidden stem of each palace.
void HiddenStems(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);
// 十干克应: the pair of every palace, as the pair rule `rule + pair index`.
void StemPairs(const ChartFacts&, const RuleParams&, std::uint16_t, FindingSink&);

// Stage 0..11 (长生 … 养) of a stem at a branch.
int LifeStage(chart::Stem stem, chart::Branch branch);
// The branches of a palace (one or two; palace 5 has none); count in `n`.
struct PalaceBranches {
  std::array<chart::Branch, 2> branches{};
  int n = 0;
};
PalaceBranches BranchesOfPalace(int palace);
// The palace of a branch.
int PalaceOfBranch(chart::Branch branch);
// The pair rule offset of heaven over earth stem (0..80), both instruments.
constexpr int PairIndex(chart::Stem heaven, chart::Stem earth) {
  return (static_cast<int>(heaven) - 2) * 9 + (static_cast<int>(earth) - 2);
}

}  // namespace veltrane::reading
