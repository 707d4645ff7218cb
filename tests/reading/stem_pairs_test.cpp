// Over every combination of signed ju and hour pillar (18 × 60), every finding of a rule on a
// fixed pair of stems stands where the chart's heaven stem over earth stem is the rule's, in
// that order, and every pair on the plates is found; every finding names a palace 1..9.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "reading/predicates.h"
#include "reading/reading.h"
#include "reading_charts.h"

namespace veltrane::reading {
namespace {

using chart::Stem;
using Pair = std::pair<Stem, Stem>;

// The pairs of heaven over earth in a palace, read from the chart itself: palace 5's earth
// stem counts in its host palace, its heaven stem goes with the host's star.
std::set<Pair> PairsIn(const chart::Chart& c, int palace) {
  const chart::Star host_star = c.centre_host.number() == 8 ? chart::Star::kRen : chart::Star::kRui;
  const chart::PalaceCell& centre = c.cells[4];
  std::set<Pair> pairs;
  if (palace == 5) return pairs;
  const chart::PalaceCell& cell = c.cells[static_cast<std::size_t>(palace - 1)];
  std::set<Stem> heaven = {cell.heaven_stem};
  std::set<Stem> earth = {cell.earth_stem};
  if (cell.star == host_star) heaven.insert(centre.heaven_stem);
  if (c.centre_host.number() == palace) earth.insert(centre.earth_stem);
  for (Stem h : heaven) {
    for (Stem e : earth) pairs.insert({h, e});
  }
  return pairs;
}

// A rule on a fixed pair with no other condition.
bool IsPlainPair(const Rule& r) {
  return r.predicate == nullptr || r.predicate == StemPairs || r.predicate == PairOver ||
         (r.predicate == Conjunction && r.params.heaven == StemRole::kFixed &&
          r.params.earth == StemRole::kFixed && r.params.gates == 0 && r.params.deity < 0 &&
          r.params.palaces == 0);
}

bool IsFixedPair(const Rule& r) {
  return IsPlainPair(r) || (r.predicate == Conjunction && r.params.heaven == StemRole::kFixed &&
                            r.params.earth == StemRole::kFixed);
}

TEST(StemPairs, EveryPairFindingStandsOnItsPairAndEveryPlainPairIsFound) {
  for (const auto centre : {chart::CentrePalace::kKun, chart::CentrePalace::kGenKun}) {
    for (int ju = -9; ju <= 9; ++ju) {
      if (ju == 0) continue;
      for (int hour = 1; hour <= 60; ++hour) {
        const chart::Chart c = testing::ChartOf(ju, hour, 1, 3, 1, centre);
        for (const ReadingProfile& profile : Profiles()) {
          const Reading reading = Read(c, profile);
          ASSERT_FALSE(reading.truncated);
          std::set<std::pair<std::size_t, int>> found;
          for (const Finding& f : reading.findings()) {
            ASSERT_GE(f.palace, 1);
            ASSERT_LE(f.palace, 9);
            found.insert({f.rule, f.palace});
            const Rule& r = f.rule_row();
            if (!IsFixedPair(r)) continue;
            EXPECT_TRUE(PairsIn(c, f.palace).count({r.params.heaven_stem, r.params.earth_stem}))
                << r.id << " in palace " << int(f.palace) << " of ju " << ju << " hour " << hour;
          }
          // Completeness: every plain pair rule the profile holds is found wherever its pair is.
          for (std::size_t i = 0; i < Rules().size(); ++i) {
            const Rule& r = Rules()[i];
            if (!IsPlainPair(r) || (r.profiles & profile.bit) == 0) continue;
            for (int p = 1; p <= 9; ++p) {
              const bool there = PairsIn(c, p).count({r.params.heaven_stem, r.params.earth_stem});
              EXPECT_EQ(there, found.count({i, p}) == 1) << r.id << " palace " << p;
            }
          }
        }
      }
    }
  }
}

TEST(StemPairs, NamedPairsRunHeavenOverEarthNeverTheReverse) {
  const auto rule = [](std::string_view id) -> const Rule& {
    for (const Rule& r : Rules()) {
      if (r.id == id) return r;
    }
    return Rules().front();
  };
  EXPECT_EQ(rule("qinglong-fanshou").params.heaven_stem, Stem::kWu);
  EXPECT_EQ(rule("qinglong-fanshou").params.earth_stem, Stem::kBing);
  EXPECT_EQ(rule("feiniao-diexue").params.heaven_stem, Stem::kBing);
  EXPECT_EQ(rule("da-ge").params.heaven_stem, Stem::kGeng);
  EXPECT_EQ(rule("da-ge").params.earth_stem, Stem::kGui);
  EXPECT_EQ(rule("pair-wu-bing").name.hans, "青龙返首");
  EXPECT_EQ(rule("pair-bing-wu").name.hans, "飞鸟跌穴");
  EXPECT_EQ(rule("pair-geng-gui").name.hans, "大格");
  EXPECT_EQ(rule("pair-gui-geng").name.hans, "太白入网");
}

}  // namespace
}  // namespace veltrane::reading
