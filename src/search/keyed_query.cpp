#include "search/keyed_query.h"

#include <algorithm>
#include <optional>
#include <span>

#include "chart/plate_model.h"
#include "chart/plot_lookups.h"
#include "search/match.h"

namespace veltrane::search {
namespace {

constexpr int kMaxJu = chart::kInstrumentCount;
constexpr int kJuCount = 2 * kMaxJu + 1;  // −9..9
constexpr int kPlateCount = kJuCount * chart::kGanZhiCount;
constexpr int kMonthBranches = chart::kBranchCount;
constexpr std::uint16_t kAllBranches = (1u << kMonthBranches) - 1;

// Beyond this many plate tests a query's further tests are answered on each moment's chart,
// which bounds the table at 1,140 plates by this many columns.
constexpr std::size_t kMaxPlateTests = 1024;

int PlateNumber(int ju, int hour) {
  const int j = std::clamp(ju, -kMaxJu, kMaxJu) + kMaxJu;
  const int h = ((hour - 1) % chart::kGanZhiCount + chart::kGanZhiCount) % chart::kGanZhiCount;
  return j * chart::kGanZhiCount + h;
}

// What a test reads: the plates and the hour, the month's season too, the keys of the moment,
// the year, month and day through the reading, or the reading's findings of every kind.
enum class Reads : std::uint8_t { kPlates, kSeason, kKeys, kPillars, kWholeReading };

Reads ReadsOf(const Node& node) {
  switch (node.field) {
    case Field::kTerm:
    case Field::kYuan:
    case Field::kYear:
    case Field::kMonth:
    case Field::kDay:
      return Reads::kKeys;
    case Field::kReading: {
      bool plates = false;
      bool season = false;
      bool pillars = false;
      for (const std::uint16_t rule : node.rules) {
        const reading::RuleReads reads = reading::ReadsOf(rule);
        plates = plates || reads == reading::RuleReads::kPlates;
        season = season || reads == reading::RuleReads::kSeason;
        pillars = pillars || reads == reading::RuleReads::kPillars;
      }
      if (pillars) return plates || season ? Reads::kWholeReading : Reads::kPillars;
      return season ? Reads::kSeason : Reads::kPlates;
    }
    default:
      return Reads::kPlates;
  }
}

// The keys' own value of a field the keys hold.
int KeyValue(Field field, const chart::Chart& keys) {
  switch (field) {
    case Field::kTerm:
      return static_cast<int>(keys.term);
    case Field::kYuan:
      return static_cast<int>(keys.yuan);
    case Field::kYear:
      return keys.pillars.year;
    case Field::kMonth:
      return keys.pillars.month;
    case Field::kDay:
      return keys.pillars.day;
    default:
      return -1;
  }
}

// Puts a moment's keys on its plate's chart: the plates and the fields PlotPlates fills stay
// the plate's, the rest are the keys'.
void PutKeys(chart::Chart& c, const chart::Chart& keys) {
  c.date = keys.date;
  c.moment = keys.moment;
  c.term_moment = keys.term_moment;
  c.pillars = keys.pillars;
  c.term = keys.term;
  c.yuan = keys.yuan;
  c.solar_clock = keys.solar_clock;
}

}  // namespace

struct KeyedQuery::Moment {
  // Constructed, not aggregate-initialised: the reading's room is left unwritten until needed.
  Moment(const chart::Chart& k, std::size_t p) : keys(k), plate(p) {}
  const chart::Chart& keys;
  std::size_t plate;  // its plate's number
  std::optional<chart::Chart> chart;
  std::optional<reading::Reading> reading;
  // Room for the pillars' findings, left unwritten until they are read.
  bool pillars_read = false;
  reading::Reading pillar_room;
  std::span<const reading::Finding> pillar_findings;
};

KeyedQuery::KeyedQuery(const Query& query, const chart::ChartOptions& options,
                       const reading::ReadingProfile& profile)
    : query_(query), profile_(profile), plans_(query.nodes.size()) {
  plates_.reserve(kPlateCount);
  for (int ju = -kMaxJu; ju <= kMaxJu; ++ju) {
    for (int hour = 1; hour <= chart::kGanZhiCount; ++hour) {
      chart::Chart c;
      c.ju = ju;
      c.pillars.hour = hour;
      chart::PlateModel model;
      model.ResetChart();
      chart::PlotPlates(model, c, options.centre_palace);
      plates_.push_back(c);
    }
  }

  // Which tests the plates answer, each in a column of its own.
  std::vector<std::size_t> plate_nodes;
  bool reads_plates = false;
  bool reads_season = false;
  bool all_on_plates = true;
  for (std::size_t i = 0; i < query_.nodes.size(); ++i) {
    const Node& node = query_.nodes[i];
    if (node.kind != Node::Kind::kTest) continue;
    const Reads reads = ReadsOf(node);
    TestPlan& plan = plans_[i];
    if (node.field == Field::kReading && !node.rules.empty()) {
      const auto [least, most] = std::minmax_element(node.rules.begin(), node.rules.end());
      plan.first_rule = *least;
      plan.last_rule = *most;
      plan.names.assign(static_cast<std::size_t>(*most - *least) + 1, 0);
      for (const std::uint16_t rule : node.rules) plan.names[rule - *least] = 1;
    }
    if (reads == Reads::kKeys) {
      plan.answer = Answer::kKeys;
    } else if (reads == Reads::kPillars) {
      plan.answer = Answer::kPillarFindings;
      pillar_rules_.resize(reading::Rules().size(), 0);
      for (const std::uint16_t rule : node.rules) {
        if (rule < pillar_rules_.size()) pillar_rules_[rule] = 1;
      }
    } else if (reads != Reads::kWholeReading && plate_nodes.size() < kMaxPlateTests) {
      plan.answer = Answer::kPlate;
      plan.slot = plate_nodes.size();
      plate_nodes.push_back(i);
      reads_plates = reads_plates || node.field == Field::kReading;
      reads_season = reads_season || reads == Reads::kSeason;
    }
    all_on_plates = all_on_plates && plan.answer == Answer::kPlate;
  }
  plate_tests_ = plate_nodes.size();
  plate_bits_.assign(static_cast<std::size_t>(kPlateCount) * plate_tests_, 0);
  for (std::size_t p = 0; p < plates_.size() && plate_tests_ > 0; ++p) {
    chart::Chart c = plates_[p];
    for (int branch = 1; branch <= kMonthBranches; ++branch) {
      // The plates' and seasons' findings read the month's branch alone of the pillars; the
      // month pillar numbered as its branch is one with that branch.
      c.pillars.month = branch;
      std::optional<reading::Reading> read;
      if (reads_plates) read = reading::Read(c, profile_);
      for (std::size_t s = 0; s < plate_tests_; ++s) {
        if (search::TestHolds(query_.nodes[plate_nodes[s]], c, read ? &*read : nullptr)) {
          plate_bits_[p * plate_tests_ + s] |= static_cast<std::uint16_t>(1u << (branch - 1));
        }
      }
      if (!reads_season) {
        // Without a season no test reads the month: one branch answers for all.
        for (std::size_t s = 0; s < plate_tests_; ++s) {
          if (plate_bits_[p * plate_tests_ + s] != 0)
            plate_bits_[p * plate_tests_ + s] = kAllBranches;
        }
        break;
      }
    }
  }

  // A query the plates answer whole is answered once per plate and month branch.
  if (all_on_plates) {
    whole_.assign(plates_.size(), 0);
    const chart::Chart keys;
    for (std::size_t p = 0; p < plates_.size(); ++p) {
      for (int branch = 1; branch <= kMonthBranches; ++branch) {
        chart::Chart on_branch = keys;
        on_branch.pillars.month = branch;
        Moment m(on_branch, p);
        if (NodeHolds(query_.root, m)) whole_[p] |= static_cast<std::uint16_t>(1u << (branch - 1));
      }
    }
  }
}

bool KeyedQuery::TestHolds(const Node& node, const TestPlan& plan, Moment& m) const {
  switch (plan.answer) {
    case Answer::kKeys:
      return KeyValue(node.field, m.keys) == node.value;
    case Answer::kPlate: {
      const int branch = chart::BranchOfGanZhi(m.keys.pillars.month);
      return ((plate_bits_[m.plate * plate_tests_ + plan.slot] >> (branch - 1)) & 1u) != 0;
    }
    case Answer::kPillarFindings:
    case Answer::kReading:
      break;
  }
  if (!m.chart) PutKeys(m.chart.emplace(plates_[m.plate]), m.keys);
  if (node.field != Field::kReading) return search::TestHolds(node, *m.chart, nullptr);
  std::span<const reading::Finding> findings;
  if (plan.answer == Answer::kPillarFindings) {
    // Every rule of the test reads the pillars: only those rules' part of the reading is made.
    if (!m.pillars_read) {
      m.pillar_findings =
          reading::ReadPillarFindings(*m.chart, profile_, m.pillar_room, pillar_rules_);
      m.pillars_read = true;
    }
    findings = m.pillar_findings;
  } else {
    if (!m.reading) m.reading = reading::Read(*m.chart, profile_);
    findings = m.reading->findings();
  }
  // As Matches tests a finding, by a table of the rules the test names.
  return std::any_of(findings.begin(), findings.end(), [&](const reading::Finding& f) {
    return f.rule >= plan.first_rule && f.rule <= plan.last_rule &&
           plan.names[f.rule - plan.first_rule] != 0 &&
           (node.palace == 0 || f.palace == node.palace);
  });
}

bool KeyedQuery::NodeHolds(int index, Moment& m) const {
  if (index < 0 || static_cast<std::size_t>(index) >= query_.nodes.size()) return false;
  const Node& node = query_.nodes[static_cast<std::size_t>(index)];
  switch (node.kind) {
    case Node::Kind::kTest:
      return TestHolds(node, plans_[static_cast<std::size_t>(index)], m);
    case Node::Kind::kAnd:
      return NodeHolds(node.left, m) && NodeHolds(node.right, m);
    case Node::Kind::kOr:
      return NodeHolds(node.left, m) || NodeHolds(node.right, m);
    case Node::Kind::kNot:
      return !NodeHolds(node.left, m);
  }
  return false;
}

bool KeyedQuery::Holds(const chart::Chart& keys) const {
  const auto plate = static_cast<std::size_t>(PlateNumber(keys.ju, keys.pillars.hour));
  if (!whole_.empty()) {
    return ((whole_[plate] >> (chart::BranchOfGanZhi(keys.pillars.month) - 1)) & 1u) != 0;
  }
  Moment m(keys, plate);
  return NodeHolds(query_.root, m);
}

}  // namespace veltrane::search
