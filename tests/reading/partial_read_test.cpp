// What a rule reads, and the reading of the pillars' rules alone, against the whole reading: the
// search answers a test once per plate or per plate and season only where the rule says it reads
// no more, and reads the pillars' part alone where it reads the pillars.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "reading/reading.h"
#include "reading_charts.h"

namespace veltrane::reading {
namespace {

using testing::ChartOf;

// The findings of a reading whose rules read `reads`, in order.
std::vector<Finding> FindingsReading(const Reading& reading, RuleReads reads) {
  std::vector<Finding> found;
  for (const Finding& f : reading.findings()) {
    if (ReadsOf(f.rule) == reads) found.push_back(f);
  }
  return found;
}

TEST(PartialReading, ChangingThePillarsChangesOnlyWhatTheRulesSayTheyRead) {
  // Over every ju and hour pillar, two days, months of two seasons and two years: the plates'
  // findings never move, the seasons' move only with the month, and the pillars' part read
  // alone is exactly the whole reading's.
  for (const ReadingProfile& profile : Profiles()) {
    for (int ju = -9; ju <= 9; ju += (ju == -1 ? 2 : 1)) {
      for (int hour = 1; hour <= 60; ++hour) {
        const Reading base = Read(ChartOf(ju, hour, 1, 3, 1), profile);
        const Reading other_day = Read(ChartOf(ju, hour, 38, 3, 41), profile);
        const Reading other_month = Read(ChartOf(ju, hour, 1, 18, 1), profile);
        ASSERT_EQ(FindingsReading(base, RuleReads::kPlates),
                  FindingsReading(other_month, RuleReads::kPlates));
        ASSERT_EQ(FindingsReading(base, RuleReads::kPlates),
                  FindingsReading(other_day, RuleReads::kPlates));
        ASSERT_EQ(FindingsReading(base, RuleReads::kSeason),
                  FindingsReading(other_day, RuleReads::kSeason));
        for (const auto& [day, month, year] : {std::array{1, 3, 1}, std::array{38, 18, 41}}) {
          const chart::Chart c = ChartOf(ju, hour, day, month, year);
          Reading room;
          const auto pillars = ReadPillarFindings(c, profile, room);
          ASSERT_EQ(std::vector<Finding>(pillars.begin(), pillars.end()),
                    FindingsReading(Read(c, profile), RuleReads::kPillars));
        }
      }
    }
  }
}

TEST(PartialReading, WantedRulesAloneGiveTheirFindingsAsTheWholeReadingDoes) {
  std::vector<std::uint8_t> only(Rules().size(), 0);
  std::vector<std::uint16_t> wanted;
  for (std::size_t i = 0; i < Rules().size(); ++i) {
    if (Rules()[i].id == "wubuyu-shi" || Rules()[i].id == "ri-kongwang") {
      only[i] = 1;
      wanted.push_back(static_cast<std::uint16_t>(i));
    }
  }
  ASSERT_FALSE(wanted.empty());
  int seen = 0;
  for (int ju : {-7, 3}) {
    for (int day = 1; day <= 60; ++day) {
      for (int branch = 1; branch <= 12; ++branch) {
        const chart::Chart c = ChartOf(ju, testing::HourPillar(day, branch), day);
        Reading room;
        std::vector<Finding> alone;
        for (const Finding& f : ReadPillarFindings(c, ClassicProfile(), room, only)) {
          if (only[f.rule] != 0) alone.push_back(f);
        }
        std::vector<Finding> whole;
        const Reading read = Read(c);
        for (const Finding& f : read.findings()) {
          if (only[f.rule] != 0) whole.push_back(f);
        }
        ASSERT_EQ(alone, whole) << ju << " " << day << " " << branch;
        seen += static_cast<int>(whole.size());
      }
    }
  }
  EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace veltrane::reading
