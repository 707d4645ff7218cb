// Reading a chart: the findings of every rule its profile holds, palace by palace, in the rule
// table's order: first the rules that the plates and the hour fix, then the states of the
// month's season, then the rules that read the year, month and day. A Reading is a fixed-size
// value; what the plates fix is worked out once per plate (signed ju, hour pillar, host palace) and
// profile, and kept for the process.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "chart/plot_chart.h"
#include "reading/rule.h"

namespace veltrane::reading {

// A choice among the readings of the disputed rules.
struct ReadingProfile {
  std::string_view name;         // the word --profile takes
  std::string_view description;  // one line: which text it follows
  ProfileMask bit = kClassic;
};

// Every profile; the first, classic, is the default.
std::span<const ReadingProfile> Profiles();

// The default profile (classic).
const ReadingProfile& ClassicProfile();

// The profile named `name`; nullopt for a name no profile has.
std::optional<ReadingProfile> ProfileNamed(std::string_view name);

// One finding: a rule holding in a palace (1..9), with the detail its rule's Detail reads.
struct Finding {
  std::uint16_t rule;  // index into Rules()
  std::uint8_t palace;
  std::uint8_t subject;
  std::uint8_t value;
  std::uint8_t extra;
  const Rule& rule_row() const { return Rules()[rule]; }
  bool operator==(const Finding&) const = default;
};

// The most findings a chart can give; Read stops adding at this many and says so.
inline constexpr std::size_t kMaxFindings = 192;

struct Reading {
  ReadingProfile profile;
  std::array<Finding, kMaxFindings> items;  // the first `count` are the findings
  std::size_t count = 0;
  bool truncated = false;  // more findings held than kMaxFindings

  std::span<const Finding> findings() const { return {items.data(), count}; }
};

// What a rule's findings read beyond the plates and the hour, which a chart's signed ju, hour
// pillar and host palace fix: nothing more, the month's season too, or the year, month and day.
enum class RuleReads : std::uint8_t { kPlates, kSeason, kPillars };

// What rule `rule` (an index into Rules()) reads; kPillars for an index outside the table.
RuleReads ReadsOf(std::uint16_t rule);

// The findings of the rules that read the year, month and day (RuleReads::kPillars) alone,
// exactly as Read gives them (in order, and without those Read has no room left for), written
// into `room`; the rest of the reading is not made. With `only` (a table by rule index, nonzero
// for the rules wanted) the rules it leaves out may be skipped, where that cannot change which
// of the wanted findings Read keeps.
std::span<const Finding> ReadPillarFindings(const chart::Chart& chart,
                                            const ReadingProfile& profile, Reading& room,
                                            std::span<const std::uint8_t> only = {});

// Reads a chart under a profile.
Reading Read(const chart::Chart& chart, const ReadingProfile& profile = ClassicProfile());

// Whether a reading has a finding of the rule with id `rule_id`, in `palace` when given.
bool HasFinding(const Reading& reading, std::string_view rule_id,
                std::optional<int> palace = std::nullopt);

}  // namespace veltrane::reading
