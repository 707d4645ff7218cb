// The reading's rule table: every 格局, state and mark a chart is read for, one row each,
// with its classical source, the profiles that hold it and its predicate.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "chart/vocabulary.h"

namespace veltrane::reading {

struct ChartFacts;
class FindingSink;

// What a finding says of the chart: a good or bad 格, a state (旺衰, 长生) or a plain mark.
enum class RuleKind : std::uint8_t { kGood, kBad, kState, kMark };

// The kind's name as practitioners write it: 吉格, 凶格, 状态, 标记 (in 繁體 狀態,
// 標記; in English Good patterns, Bad patterns, States, Marks).
std::string_view Text(RuleKind kind, chart::Script script = chart::Script::kHans);
// The kind's ASCII word for JSON: good, bad, state, mark.
std::string_view Word(RuleKind kind);

// The plates a rule looks at in the palace it names.
enum class Plates : std::uint8_t { kHeavenOverEarth, kHeaven, kEarth, kRing, kHidden, kPalace };

// The plates' ASCII word for JSON.
std::string_view Word(Plates plates);

// Where a rule comes from: the book, the chapter, the line in the text's own characters, and a
// note where the line is not found or the rule reads the text under the chart's conventions.
struct Source {
  std::string_view book;
  std::string_view chapter;
  std::string_view quote;
  std::string_view note;
};

// The profiles as bits of a mask.
using ProfileMask = std::uint8_t;
inline constexpr ProfileMask kClassic = 1;
inline constexpr ProfileMask kYanbo = 2;
inline constexpr ProfileMask kTongzong = 4;
inline constexpr ProfileMask kAllProfiles = kClassic | kYanbo | kTongzong;

// Which stem a rule's plate condition asks for: a fixed stem, or the stem of a pillar (甲 read
// as the instrument of its xun), or the instrument of the hour's xun (the 值符).
enum class StemRole : std::uint8_t { kAny, kFixed, kYear, kMonth, kDay, kHour, kXunInstrument };

// The parameters of a rule's predicate; each predicate reads the fields it needs.
struct RuleParams {
  StemRole heaven = StemRole::kAny;
  chart::Stem heaven_stem = chart::Stem::kJia;
  StemRole earth = StemRole::kAny;
  chart::Stem earth_stem = chart::Stem::kJia;
  std::uint8_t gates = 0;     // bit per chart::Gate; 0 = any gate
  std::int8_t deity = -1;     // chart::Deity, or −1 for any
  std::uint16_t palaces = 0;  // bit per palace number; 0 = any palace
  std::uint16_t hours = 0;    // an index into a predicate's own table
};

using Predicate = void (*)(const ChartFacts&, const RuleParams&, std::uint16_t rule, FindingSink&);

// How a finding's detail (its subject and value bytes) reads.
enum class Detail : std::uint8_t {
  kNone,
  kStarState,   // subject Star, value 旺相休囚死/废
  kGateState,   // subject Gate
  kStemState,   // subject Stem
  kGate,        // subject Gate
  kChangsheng,  // subject Stem, value stage 0..11, branch in `extra`
  kHiddenStem,  // subject Stem
  kVoidBranch,  // subject Branch
  kBranch,      // subject Branch
};

// A rule's name as practitioners write it, by script (English: pinyin and a short gloss). Where
// one text is wanted, as in the JSON's documentation and the queries, it reads as the 简体 name.
struct RuleName {
  std::string_view hans;
  std::string_view hant;
  std::string_view en;
  constexpr std::string_view In(chart::Script script) const {
    return chart::ScriptTexts{hans, hant, en}.In(script);
  }
  constexpr operator std::string_view() const { return hans; }  // NOLINT: the 简体 name
};

struct Rule {
  std::string_view id;  // stable ASCII id
  RuleName name;
  RuleKind kind;
  Plates plates;
  std::string_view line;  // the rule in one line
  Source source;
  ProfileMask profiles;
  std::string_view dispute;  // the disputed point's id, "" where the texts agree
  Predicate predicate;
  RuleParams params;
  Detail detail = Detail::kNone;
};

// Every rule, in the order findings are given.
std::span<const Rule> Rules();

// One disputed point: what each text says and which profile follows which reading.
struct Dispute {
  std::string_view id;
  std::string_view title;
  std::string_view account;  // what the texts say, one paragraph
};

// Every disputed point, in the order docs/reading.md gives them.
std::span<const Dispute> Disputes();

}  // namespace veltrane::reading
