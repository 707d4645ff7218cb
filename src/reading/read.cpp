#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "reading/facts.h"
#include "reading/predicates.h"
#include "reading/reading.h"

namespace veltrane::reading {

std::string_view Text(RuleKind kind, chart::Script script) {
  // By RuleKind.
  constexpr std::array<chart::ScriptTexts, 4> kKinds = {{
      {"吉格", "吉格", "Good patterns"},
      {"凶格", "凶格", "Bad patterns"},
      {"状态", "狀態", "States"},
      {"标记", "標記", "Marks"},
  }};
  const auto i = static_cast<std::size_t>(kind);
  return i < kKinds.size() ? kKinds[i].In(script) : std::string_view();
}

std::string_view Word(RuleKind kind) {
  switch (kind) {
    case RuleKind::kGood:
      return "good";
    case RuleKind::kBad:
      return "bad";
    case RuleKind::kState:
      return "state";
    case RuleKind::kMark:
      return "mark";
  }
  return "";
}

std::string_view Word(Plates plates) {
  switch (plates) {
    case Plates::kHeavenOverEarth:
      return "heaven-over-earth";
    case Plates::kHeaven:
      return "heaven";
    case Plates::kEarth:
      return "earth";
    case Plates::kRing:
      return "ring";
    case Plates::kHidden:
      return "hidden";
    case Plates::kPalace:
      return "palace";
  }
  return "";
}

namespace {

// The predicates that read the year, month or day: everything else is fixed by the plates and
// the hour, which a chart's signed ju, hour pillar and host palace fix.
bool ReadsSeason(const Rule& r) {
  return r.predicate == StarSeason || r.predicate == GateSeason || r.predicate == StemSeason;
}

bool ReadsPillars(const Rule& r) {
  const auto pillar = [](StemRole role) {
    return role == StemRole::kYear || role == StemRole::kMonth || role == StemRole::kDay;
  };
  if (r.predicate == Conjunction) return pillar(r.params.heaven) || pillar(r.params.earth);
  if (r.predicate == VoidBranches) return r.params.hours == 0;
  return r.predicate == StemOverAnyPillar || r.predicate == FiveMisfortuneTable ||
         r.predicate == FiveMisfortuneRule;
}

// One rule as Read runs it.
struct Step {
  Predicate predicate;
  const RuleParams* params;
  std::uint16_t rule;
};

// The rows with a predicate, split into those the plates fix and those that read the pillars,
// each in table order, and the profiles of every row.
struct Program {
  std::vector<Step> plate;
  std::vector<Step> season;
  std::vector<Step> pillar;
  std::vector<ProfileMask> profiles;  // by rule
};

const Program& TheProgram() {
  static const Program kProgram = [] {
    Program p;
    const std::span<const Rule> rules = Rules();
    p.profiles.resize(rules.size());
    for (std::size_t i = 0; i < rules.size(); ++i) {
      const Rule& r = rules[i];
      p.profiles[i] = r.profiles;
      if (r.predicate == nullptr) continue;  // a pair row, found through the first pair row
      const Step step{r.predicate, &r.params, static_cast<std::uint16_t>(i)};
      (ReadsSeason(r) ? p.season : ReadsPillars(r) ? p.pillar : p.plate).push_back(step);
    }
    return p;
  }();
  return kProgram;
}

// What the plates and the hour give under one profile, made once per plate and profile and
// kept: a range meets each plate many times.
inline constexpr std::size_t kMaxPlateFindings = 128;

inline constexpr std::size_t kSeasons = 5;
inline constexpr std::size_t kMaxSeasonFindings = 40;

// The states of the stars, gates and stems are fixed by the plates and the month's phase.
struct SeasonFindings {
  std::array<Finding, kMaxSeasonFindings> items{};
  std::size_t count = 0;
};

struct PlateReading {
  ChartFacts facts;
  std::array<Finding, kMaxPlateFindings> items{};
  std::size_t count = 0;
  bool truncated = false;
  std::array<SeasonFindings, kSeasons> seasons{};
};

// Runs steps into a fresh list of findings.
Reading RunSteps(std::span<const Step> steps, const ChartFacts& facts,
                 const std::vector<ProfileMask>& profiles, ProfileMask bit) {
  Reading found;
  found.count = 0;
  FindingSink sink(found);
  for (const Step& s : steps) {
    if (profiles[s.rule] & bit) s.predicate(facts, *s.params, s.rule, sink);
  }
  return found;
}

// Signed ju −9..9, hour pillar 1..60, host palace 2 or 8, and the profile's bit 0..2.
inline constexpr std::size_t kPlateKeys = std::size_t{19} * 60 * 2 * 3;

std::size_t PlateKey(const chart::Chart& c, ProfileMask bit) {
  const auto ju = static_cast<std::size_t>(std::clamp(c.ju, -9, 9) + 9);
  const auto hour = static_cast<std::size_t>((c.pillars.hour - 1 + 60) % 60);
  const auto profile = static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(bit)) % 3);
  return ((ju * 60 + hour) * 2 + (c.centre_host.number() == 8 ? 1 : 0)) * 3 + profile;
}

// The plate's findings, worked out the first time a key is asked for. The table
// holds only pointers, so it costs nothing in the program's image and little in
// memory until charts are read; each entry lives as long as the program.
const PlateReading& PlateReadingOf(const chart::Chart& c, ProfileMask bit) {
  static std::array<std::atomic<const PlateReading*>, kPlateKeys> plates{};
  static std::mutex filling;
  std::atomic<const PlateReading*>& slot = plates[PlateKey(c, bit)];
  if (const PlateReading* ready = slot.load(std::memory_order_acquire)) return *ready;
  const Program& program = TheProgram();
  auto entry = std::make_unique<PlateReading>();
  ChartFacts facts(c);
  const Reading found = RunSteps(program.plate, facts, program.profiles, bit);
  entry->count = std::min(found.count, kMaxPlateFindings);
  std::copy_n(found.items.begin(), entry->count, entry->items.begin());
  entry->truncated = found.truncated || found.count > kMaxPlateFindings;
  for (std::size_t s = 0; s < kSeasons; ++s) {
    facts.season = static_cast<Phase>(s);
    const Reading seasonal = RunSteps(program.season, facts, program.profiles, bit);
    SeasonFindings& kept = entry->seasons[s];
    kept.count = std::min(seasonal.count, kMaxSeasonFindings);
    std::copy_n(seasonal.items.begin(), kept.count, kept.items.begin());
    entry->truncated = entry->truncated || seasonal.count > kMaxSeasonFindings;
  }
  entry->facts = facts;
  const std::lock_guard<std::mutex> lock(filling);
  if (const PlateReading* ready = slot.load(std::memory_order_relaxed)) return *ready;
  slot.store(entry.get(), std::memory_order_release);
  return *entry.release();
}

}  // namespace

RuleReads ReadsOf(std::uint16_t rule) {
  const std::span<const Rule> rules = Rules();
  // A row without a predicate is found by the nearest row before it that has one (the pair
  // rows by the first pair row).
  std::size_t i = rule;
  while (i < rules.size() && i > 0 && rules[i].predicate == nullptr) --i;
  if (i >= rules.size() || rules[i].predicate == nullptr) return RuleReads::kPillars;
  if (ReadsSeason(rules[i])) return RuleReads::kSeason;
  return ReadsPillars(rules[i]) ? RuleReads::kPillars : RuleReads::kPlates;
}

Reading Read(const chart::Chart& chart, const ReadingProfile& profile) {
  const Program& program = TheProgram();
  const PlateReading& plate = PlateReadingOf(chart, profile.bit);
  ChartFacts facts = plate.facts;
  facts.SetPillars(chart);
  Reading reading;
  reading.profile = profile;
  reading.count = plate.count;
  reading.truncated = plate.truncated;
  std::copy_n(plate.items.begin(), plate.count, reading.items.begin());
  const SeasonFindings& season = plate.seasons[static_cast<std::size_t>(facts.season) % kSeasons];
  std::copy_n(season.items.begin(), season.count, reading.items.begin() + reading.count);
  reading.count += season.count;
  FindingSink sink(reading);
  for (const Step& s : program.pillar) {
    if (program.profiles[s.rule] & profile.bit) s.predicate(facts, *s.params, s.rule, sink);
  }
  return reading;
}

std::span<const Finding> ReadPillarFindings(const chart::Chart& chart,
                                            const ReadingProfile& profile, Reading& room,
                                            std::span<const std::uint8_t> only) {
  const Program& program = TheProgram();
  const PlateReading& plate = PlateReadingOf(chart, profile.bit);
  ChartFacts facts = plate.facts;
  facts.SetPillars(chart);
  const SeasonFindings& season = plate.seasons[static_cast<std::size_t>(facts.season) % kSeasons];
  // The pillars' findings go where Read puts them, after the plates' and the season's.
  const std::size_t first = plate.count + season.count;
  room.profile = profile;
  room.count = first;
  room.truncated = plate.truncated;
  FindingSink sink(room);
  // A step gives at most nine findings (one per palace, or two void branches); where every
  // step's could fit, skipping a step leaves the others' findings as they are.
  const bool may_skip =
      !only.empty() && first + program.pillar.size() * chart::kPalaceCount <= kMaxFindings;
  for (const Step& s : program.pillar) {
    if (may_skip && (s.rule >= only.size() || only[s.rule] == 0)) continue;
    if (program.profiles[s.rule] & profile.bit) s.predicate(facts, *s.params, s.rule, sink);
  }
  return room.findings().subspan(first);
}

bool HasFinding(const Reading& reading, std::string_view rule_id, std::optional<int> palace) {
  for (const Finding& f : reading.findings()) {
    if (f.rule_row().id == rule_id && (!palace || *palace == f.palace)) return true;
  }
  return false;
}

}  // namespace veltrane::reading
