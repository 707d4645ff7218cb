#include "reading/predicates.h"

#include <array>
#include <bit>

#include "chart/plot_lookups.h"

namespace veltrane::reading {
namespace {

using chart::Branch;
using chart::Gate;
using chart::Star;
using chart::Stem;

constexpr PalaceMask kAllPalaces = 0x1FF;

constexpr int StemNumber(Stem s) { return static_cast<int>(s); }

// The lowest palace of a mask; 0 for none.
int FirstPalace(PalaceMask mask) {
  for (int p = 1; p <= chart::kPalaceCount; ++p) {
    if (mask & BitOf(p)) return p;
  }
  return 0;
}

// Where the hour stem stands on the heaven plate (the 值符's palace when it is not found there).
int HourPalace(const ChartFacts& f) {
  const int p = FirstPalace(f.heaven_mask[static_cast<std::size_t>(f.hour_stem)]);
  return p != 0 ? p : f.chart->duty_star_palace.number();
}

// The palace each star and gate calls home, by palace index (palace 5 has none).
constexpr std::array<int, chart::kPalaceCount> kHomeStar = {static_cast<int>(Star::kPeng),
                                                            static_cast<int>(Star::kRui),
                                                            static_cast<int>(Star::kChong),
                                                            static_cast<int>(Star::kFu),
                                                            -1,
                                                            static_cast<int>(Star::kXin),
                                                            static_cast<int>(Star::kZhu),
                                                            static_cast<int>(Star::kRen),
                                                            static_cast<int>(Star::kYing)};
constexpr std::array<int, chart::kPalaceCount> kHomeGate = {static_cast<int>(Gate::kRest),
                                                            static_cast<int>(Gate::kDeath),
                                                            static_cast<int>(Gate::kHarm),
                                                            static_cast<int>(Gate::kBlock),
                                                            -1,
                                                            static_cast<int>(Gate::kOpen),
                                                            static_cast<int>(Gate::kFright),
                                                            static_cast<int>(Gate::kLife),
                                                            static_cast<int>(Gate::kView)};

// The 长生 branch of each stem 甲..癸 (index stem − 1).
constexpr std::array<int, chart::kStemCount> kBirthBranch = {12, 7, 3, 10, 3, 10, 6, 1, 9, 4};

// The state of a subject's phase in a season: 旺 0, 相 1, 休 2, 囚 3, 死 4.
constexpr std::uint8_t SeasonStateOf(Phase subject, Phase season) {
  if (subject == season) return 0;
  if (Generates(season, subject)) return 1;
  if (Generates(subject, season)) return 2;
  if (Overcomes(subject, season)) return 3;
  return 4;
}

// The verse's scheme for stars: same phase 相, the month it generates 旺, the month that
// generates it 废 (5), the month it overcomes 休, the month that overcomes it 囚.
constexpr std::uint8_t StarStateOf(Phase star, Phase season) {
  if (star == season) return 1;
  if (Generates(star, season)) return 0;
  if (Generates(season, star)) return 5;
  if (Overcomes(star, season)) return 2;
  return 3;
}

// Both as tables by [subject phase][season].
template <std::uint8_t (*State)(Phase, Phase)>
constexpr std::array<std::array<std::uint8_t, 5>, 5> kStateTable = [] {
  std::array<std::array<std::uint8_t, 5>, 5> t{};
  for (std::size_t a = 0; a < 5; ++a) {
    for (std::size_t b = 0; b < 5; ++b)
      t[a][b] = State(static_cast<Phase>(a), static_cast<Phase>(b));
  }
  return t;
}();

std::uint8_t SeasonState(Phase subject, Phase season) {
  return kStateTable<SeasonStateOf>[static_cast<std::size_t>(subject)]
                                   [static_cast<std::size_t>(season)];
}
std::uint8_t StarState(Phase star, Phase season) {
  return kStateTable<StarStateOf>[static_cast<std::size_t>(star)][static_cast<std::size_t>(season)];
}

// Hour pillars (sixty-cycle numbers) of the sets HourSets names.
constexpr std::array<int, 6> kTombSix = {23, 29, 14, 20, 35, 26};  // 丙戌 壬辰 丁丑 癸未 戊戌 己丑
constexpr std::array<int, 6> kTombFive = {35, 29, 23, 20, 14, 0};  // 戊戌 壬辰 丙戌 癸未 丁丑
constexpr std::array<int, 6> kJadeMaiden = {7,  16, 25,
                                            34, 43, 52};  // 庚午 己卯 戊子 丁酉 丙午 乙卯

constexpr const std::array<int, 6>& HourSet(std::uint16_t which) {
  switch (static_cast<HourSets>(which)) {
    case HourSets::kTombFive:
      return kTombFive;
    case HourSets::kJadeMaiden:
      return kJadeMaiden;
    case HourSets::kTombSix:
      break;
  }
  return kTombSix;
}

bool InSet(const std::array<int, 6>& set, int gan_zhi) {
  for (int h : set) {
    if (h == gan_zhi) return true;
  }
  return false;
}

// 五不遇时: the hour of each day stem 甲..癸.
constexpr std::array<int, chart::kStemCount> kMisfortuneHours = {7, 18, 29, 40, 51,
                                                                 2, 13, 34, 45, 56};

}  // namespace

namespace {

constexpr int LifeStageOf(int s, int b) {
  const int birth = kBirthBranch[static_cast<std::size_t>((s - 1 + 10) % 10)];
  const int steps = s % 2 == 1 ? b - birth : birth - b;  // yang stems forward, yin backward
  return (steps % 12 + 12) % 12;
}

// The stage of each stem 1..10 at each branch 1..12 (index 0 unused).
constexpr std::array<std::array<std::uint8_t, 13>, 11> kLifeStages = [] {
  std::array<std::array<std::uint8_t, 13>, 11> t{};
  for (int s = 1; s <= 10; ++s) {
    for (int b = 1; b <= 12; ++b) {
      t[static_cast<std::size_t>(s)][static_cast<std::size_t>(b)] =
          static_cast<std::uint8_t>(LifeStageOf(s, b));
    }
  }
  return t;
}();

constexpr std::array<PalaceBranches, chart::kPalaceCount + 1> kPalaceBranches = {{
    {},
    {{Branch::kZi, Branch::kZi}, 1},
    {{Branch::kWei, Branch::kShen}, 2},
    {{Branch::kMao, Branch::kMao}, 1},
    {{Branch::kChen, Branch::kSi}, 2},
    {},
    {{Branch::kXu, Branch::kHai}, 2},
    {{Branch::kYou, Branch::kYou}, 1},
    {{Branch::kChou, Branch::kYin}, 2},
    {{Branch::kWu, Branch::kWu}, 1},
}};

}  // namespace

int LifeStage(Stem stem, Branch branch) {
  const auto s = static_cast<std::size_t>(stem);
  const auto b = static_cast<std::size_t>(branch);
  return s <= 10 && b <= 12 ? kLifeStages[s][b] : 0;
}

PalaceBranches BranchesOfPalace(int palace) {
  return static_cast<unsigned>(palace) <= chart::kPalaceCount
             ? kPalaceBranches[static_cast<std::size_t>(palace)]
             : PalaceBranches{};
}

int PalaceOfBranch(Branch branch) {
  constexpr std::array<int, chart::kBranchCount> kPalaces = {1, 8, 8, 3, 4, 4, 9, 2, 2, 7, 6, 6};
  return kPalaces[static_cast<std::size_t>((static_cast<int>(branch) - 1 + 12) % 12)];
}

void PairOver(const ChartFacts& f, const RuleParams& p, std::uint16_t rule, FindingSink& out) {
  out.AddEach(rule, f.heaven_mask[static_cast<std::size_t>(p.heaven_stem)] &
                        f.earth_mask[static_cast<std::size_t>(p.earth_stem)]);
}

void Conjunction(const ChartFacts& f, const RuleParams& p, std::uint16_t rule, FindingSink& out) {
  PalaceMask mask = f.HeavenMask(p.heaven, p.heaven_stem) & f.EarthMask(p.earth, p.earth_stem);
  if (mask == 0) return;
  if (p.gates != 0) {
    PalaceMask gated = 0;
    for (unsigned g = p.gates; g != 0; g &= g - 1) {
      gated |= f.gate_mask[static_cast<std::size_t>(std::countr_zero(g))];
    }
    mask &= gated;
  }
  if (p.deity >= 0) mask &= f.deity_mask[static_cast<std::size_t>(p.deity) % chart::kRingSize];
  if (p.palaces != 0) mask &= p.palaces;
  if (mask != 0) out.AddEach(rule, mask);
}

void StemOverAnyPillar(const ChartFacts& f, const RuleParams& p, std::uint16_t rule,
                       FindingSink& out) {
  const auto earth = [&](Stem s) { return f.earth_mask[static_cast<std::size_t>(s)]; };
  const PalaceMask pillars =
      earth(f.year_stem) | earth(f.month_stem) | earth(f.day_stem) | earth(f.hour_stem);
  out.AddEach(rule, f.heaven_mask[static_cast<std::size_t>(p.heaven_stem)] & pillars);
}

void QiServesXun(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  const auto pair = [&](Stem qi, Stem a, Stem b) {
    return static_cast<PalaceMask>(
        f.heaven_mask[static_cast<std::size_t>(qi)] &
        (f.earth_mask[static_cast<std::size_t>(a)] | f.earth_mask[static_cast<std::size_t>(b)]));
  };
  out.AddEach(rule, pair(Stem::kYi, Stem::kJi, Stem::kXin) |
                        pair(Stem::kBing, Stem::kWu, Stem::kGeng) |
                        pair(Stem::kDing, Stem::kRen, Stem::kGui));
}

void QiInTomb(const ChartFacts& f, const RuleParams& p, std::uint16_t rule, FindingSink& out) {
  const int yi_palace = static_cast<SanqiTombs>(p.hours) == SanqiTombs::kYiQian ? 6 : 2;
  const auto at = [&](Stem qi, int palace) {
    return static_cast<PalaceMask>(f.heaven_mask[static_cast<std::size_t>(qi)] & BitOf(palace));
  };
  out.AddEach(rule, at(Stem::kYi, yi_palace) | at(Stem::kBing, 6) | at(Stem::kDing, 8));
}

void QiInHall(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  const auto at = [&](Stem qi, int palace) {
    return static_cast<PalaceMask>(f.heaven_mask[static_cast<std::size_t>(qi)] & BitOf(palace));
  };
  out.AddEach(rule, at(Stem::kYi, 3) | at(Stem::kBing, 9) | at(Stem::kDing, 7));
}

void StemInTomb(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  constexpr int kTomb = 8;
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    const PalaceBranches b = BranchesOfPalace(palace);
    for (Stem stem : f.heaven[static_cast<std::size_t>(palace - 1)]) {
      for (int i = 0; i < b.n; ++i) {
        const Branch branch = b.branches[static_cast<std::size_t>(i)];
        if (LifeStage(stem, branch) == kTomb) {
          out.Add(rule, palace, static_cast<std::uint8_t>(stem), kTomb,
                  static_cast<std::uint8_t>(branch));
        }
      }
    }
  }
}

void HourInSet(const ChartFacts& f, const RuleParams& p, std::uint16_t rule, FindingSink& out) {
  if (InSet(HourSet(p.hours), f.chart->pillars.hour)) out.Add(rule, HourPalace(f));
}

void FiveMisfortuneTable(const ChartFacts& f, const RuleParams&, std::uint16_t rule,
                         FindingSink& out) {
  const int day = chart::StemOfGanZhi(f.chart->pillars.day);
  if (kMisfortuneHours[static_cast<std::size_t>(day - 1)] == f.chart->pillars.hour) {
    out.Add(rule, HourPalace(f));
  }
}

void FiveMisfortuneRule(const ChartFacts& f, const RuleParams&, std::uint16_t rule,
                        FindingSink& out) {
  const int day = chart::StemOfGanZhi(f.chart->pillars.day);
  const int hour = chart::StemOfGanZhi(f.chart->pillars.hour);
  if (day % 2 == hour % 2 &&
      Overcomes(PhaseOf(static_cast<Stem>(hour)), PhaseOf(static_cast<Stem>(day)))) {
    out.Add(rule, HourPalace(f));
  }
}

void DutyGateOverDing(const ChartFacts& f, const RuleParams&, std::uint16_t rule,
                      FindingSink& out) {
  const std::optional<chart::Palace> gate = f.chart->duty_gate_palace;
  if (gate && (f.earth_mask[static_cast<std::size_t>(Stem::kDing)] & BitOf(gate->number()))) {
    out.Add(rule, gate->number());
  }
}

void JadeMaidenHours(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  if (!InSet(kJadeMaiden, f.chart->pillars.hour)) return;
  out.Add(rule, chart::NumberOf(f.chart->duty_gate_palace));
}

void InstrumentPunished(const ChartFacts& f, const RuleParams&, std::uint16_t rule,
                        FindingSink& out) {
  constexpr std::array<int, chart::kXunCount> kPunished = {3, 2, 8, 9, 4, 4};  // 子戌申午辰寅
  const int palace = kPunished[static_cast<std::size_t>(f.chart->xun % chart::kXunCount)];
  out.AddEach(rule, f.heaven_mask[static_cast<std::size_t>(f.xun_instrument)] & BitOf(palace));
}

void HourStemOnHeaven(const ChartFacts& f, const RuleParams& p, std::uint16_t rule,
                      FindingSink& out) {
  if (chart::StemOfGanZhi(f.chart->pillars.hour) != StemNumber(p.heaven_stem)) return;
  out.AddEach(rule, f.heaven_mask[static_cast<std::size_t>(p.heaven_stem)]);
}

void StarsStill(const ChartFacts& f, const RuleParams& p, std::uint16_t rule, FindingSink& out) {
  const bool opposite = p.hours == 1;
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    if (palace == chart::kCentrePalace) continue;
    const auto& star = f.chart->cells[static_cast<std::size_t>(palace - 1)].star;
    const int from = opposite ? 10 - palace : palace;
    if (!star || static_cast<int>(*star) != kHomeStar[static_cast<std::size_t>(from - 1)]) return;
  }
  out.Add(rule, f.chart->duty_star_palace.number());
}

void GatesStill(const ChartFacts& f, const RuleParams& p, std::uint16_t rule, FindingSink& out) {
  const bool opposite = p.hours == 1;
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    if (palace == chart::kCentrePalace) continue;
    const auto& gate = f.chart->cells[static_cast<std::size_t>(palace - 1)].gate;
    const int from = opposite ? 10 - palace : palace;
    if (!gate || static_cast<int>(*gate) != kHomeGate[static_cast<std::size_t>(from - 1)]) return;
  }
  out.Add(rule, chart::NumberOf(f.chart->duty_gate_palace));
}

void GateAndPalace(const ChartFacts& f, const RuleParams& p, std::uint16_t rule, FindingSink& out) {
  const bool pressed = p.hours == 0;
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    const auto& gate = f.chart->cells[static_cast<std::size_t>(palace - 1)].gate;
    if (!gate) continue;
    const Phase g = PhaseOf(*gate);
    const Phase h = PhaseOfPalace(palace);
    if (pressed ? Overcomes(g, h) : Overcomes(h, g)) {
      out.Add(rule, palace, static_cast<std::uint8_t>(*gate));
    }
  }
}

void StarSeason(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    const auto& star = f.chart->cells[static_cast<std::size_t>(palace - 1)].star;
    if (star) {
      out.Add(rule, palace, static_cast<std::uint8_t>(*star), StarState(PhaseOf(*star), f.season));
    }
  }
}

void GateSeason(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    const auto& gate = f.chart->cells[static_cast<std::size_t>(palace - 1)].gate;
    if (gate) {
      out.Add(rule, palace, static_cast<std::uint8_t>(*gate),
              SeasonState(PhaseOf(*gate), f.season));
    }
  }
}

void StemSeason(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    for (Stem stem : f.heaven[static_cast<std::size_t>(palace - 1)]) {
      out.Add(rule, palace, static_cast<std::uint8_t>(stem), SeasonState(PhaseOf(stem), f.season));
    }
  }
}

void LifeStages(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    const PalaceBranches b = BranchesOfPalace(palace);
    for (Stem stem : f.heaven[static_cast<std::size_t>(palace - 1)]) {
      for (int i = 0; i < b.n; ++i) {
        const Branch branch = b.branches[static_cast<std::size_t>(i)];
        out.Add(rule, palace, static_cast<std::uint8_t>(stem),
                static_cast<std::uint8_t>(LifeStage(stem, branch)),
                static_cast<std::uint8_t>(branch));
      }
    }
  }
}

void VoidBranches(const ChartFacts& f, const RuleParams& p, std::uint16_t rule, FindingSink& out) {
  const int gan_zhi = p.hours == 0 ? f.chart->pillars.day : f.chart->pillars.hour;
  const auto xun = static_cast<std::size_t>(chart::XunOfGanZhi(gan_zhi));
  for (int branch : chart::kXunHeads[xun].void_branches) {
    out.Add(rule, PalaceOfBranch(static_cast<Branch>(branch)), static_cast<std::uint8_t>(branch));
  }
}

void Horse(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  // 申子辰 马在寅, 寅午戌 在申, 巳酉丑 在亥, 亥卯未 在巳.
  constexpr std::array<int, 4> kHorse = {3, 12, 9, 6};
  const int branch =
      kHorse[static_cast<std::size_t>((static_cast<int>(f.chart->hour_branch) - 1) % 4)];
  out.Add(rule, f.chart->horse_palace.number(), static_cast<std::uint8_t>(branch));
}

void HiddenStems(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    out.Add(rule, palace,
            static_cast<std::uint8_t>(
                f.chart->cells[static_cast<std::size_t>(palace - 1)].hidden_stem));
  }
}

void StemPairs(const ChartFacts& f, const RuleParams&, std::uint16_t rule, FindingSink& out) {
  for (int palace = 1; palace <= chart::kPalaceCount; ++palace) {
    const auto i = static_cast<std::size_t>(palace - 1);
    for (Stem h : f.heaven[i]) {
      for (Stem e : f.earth[i]) {
        if (h == Stem::kJia || e == Stem::kJia) continue;  // 甲 never stands on a plate
        out.Add(rule + static_cast<std::uint16_t>(PairIndex(h, e)), palace);
      }
    }
  }
}

static_assert(kAllPalaces == 0x1FF);

}  // namespace veltrane::reading
