#include "reading/facts.h"
#include "reading/reading.h"

namespace veltrane::reading {

std::string_view Text(RuleKind kind) {
  switch (kind) {
    case RuleKind::kGood: return "吉格";
    case RuleKind::kBad: return "凶格";
    case RuleKind::kState: return "状态";
    case RuleKind::kMark: return "标记";
  }
  return "";
}

std::string_view Word(RuleKind kind) {
  switch (kind) {
    case RuleKind::kGood: return "good";
    case RuleKind::kBad: return "bad";
    case RuleKind::kState: return "state";
    case RuleKind::kMark: return "mark";
  }
  return "";
}

std::string_view Word(Plates plates) {
  switch (plates) {
    case Plates::kHeavenOverEarth: return "heaven-over-earth";
    case Plates::kHeaven: return "heaven";
    case Plates::kEarth: return "earth";
    case Plates::kRing: return "ring";
    case Plates::kHidden: return "hidden";
    case Plates::kPalace: return "palace";
  }
  return "";
}

Reading Read(const chart::Chart& chart, const ReadingProfile& profile) {
  Reading reading;
  reading.profile = profile;
  const ChartFacts facts(chart);
  FindingSink sink(reading);
  const std::span<const Rule> rules = Rules();
  for (std::size_t i = 0; i < rules.size(); ++i) {
    const Rule& rule = rules[i];
    if (rule.predicate == nullptr || (rule.profiles & profile.bit) == 0) continue;
    rule.predicate(facts, rule.params, static_cast<std::uint16_t>(i), sink);
  }
  return reading;
}

bool HasFinding(const Reading& reading, std::string_view rule_id, std::optional<int> palace) {
  for (const Finding& f : reading.findings()) {
    if (f.rule_row().id == rule_id && (!palace || *palace == f.palace)) return true;
  }
  return false;
}

}  // namespace veltrane::reading
