// A compiled query ready for walking time by keys: each test is answered once per plate (signed
// ju and hour pillar under the run's options) where the plates and the hour fix it, once per
// plate and month branch where the reading's seasons enter, from the moment's keys where it
// asks for a term, yuan or pillar, and from the moment's own reading only where a rule reads
// the year, month or day.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/chart_options.h"
#include "chart/plot_chart.h"
#include "reading/reading.h"
#include "search/query.h"

namespace veltrane::search {

class KeyedQuery {
 public:
  // Plots every plate of the options (19 signed ju by 60 hour pillars) and answers there the
  // tests the plates fix.
  KeyedQuery(const Query& query, const chart::ChartOptions& options,
             const reading::ReadingProfile& profile);

  // Whether the chart whose keys (pillars, term, yuan, ju) are `keys` satisfies the query;
  // exactly Matches on the plotted chart and its reading. Safe on any number of threads.
  bool Holds(const chart::Chart& keys) const;

 private:
  // How a test is answered.
  enum class Answer : std::uint8_t { kPlate, kKeys, kPillarFindings, kReading };
  struct TestPlan {
    Answer answer = Answer::kReading;
    std::size_t slot = 0;  // kPlate: its column in plate_bits_
    // A reading test's rules: the least and greatest it names and, by rule from the least,
    // whether it names it.
    std::uint16_t first_rule = 0;
    std::uint16_t last_rule = 0;
    std::vector<std::uint8_t> names;
  };
  // The state of one moment's evaluation: its keys and, once needed, its chart and reading.
  struct Moment;

  bool NodeHolds(int index, Moment& moment) const;
  bool TestHolds(const Node& node, const TestPlan& plan, Moment& moment) const;

  Query query_;
  reading::ReadingProfile profile_;
  std::vector<TestPlan> plans_;       // by node
  std::vector<chart::Chart> plates_;  // by plate number
  std::size_t plate_tests_ = 0;       // columns of plate_bits_
  std::vector<std::uint16_t>
      plate_bits_;  // by plate, then column: bit b−1 = holds in month branch b
  std::vector<std::uint8_t> pillar_rules_;  // by rule: named by a test of the pillars' findings
  std::vector<std::uint16_t> whole_;        // when the plates answer every test: the query's bits
};

}  // namespace veltrane::search
