#include "search/keyed_query.h"

#include <algorithm>
#include <optional>

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
// or the year, month and day through the reading.
enum class Reads : std::uint8_t { kPlates, kSeason, kKeys, kPillars };

Reads ReadsOf(const Node& node) {
  switch (node.field) {
    case Field::kTerm:
    case Field::kYuan:
    case Field::kYear:
    case Field::kMonth:
    case Field::kDay:
      return Reads::kKeys;
    case Field::kReading: {
      Reads most = Reads::kPlates;
      for (const std::uint16_t rule : node.rules) {
        switch (reading::ReadsOf(rule)) {
          case reading::RuleReads::kPlates:
            break;
          case reading::RuleReads::kSeason:
            most = Reads::kSeason;
            break;
          case reading::RuleReads::kPillars:
            return Reads::kPillars;
        }
      }
      return most;
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

// A plate's chart under the keys of a moment: the plates and the fields PlotPlates fills from
// the plate, the rest from the keys.
chart::Chart OnPlate(const chart::Chart& plate, const chart::Chart& keys) {
  chart::Chart c = plate;
  c.date = keys.date;
  c.moment = keys.moment;
  c.term_moment = keys.term_moment;
  c.pillars = keys.pillars;
  c.term = keys.term;
  c.yuan = keys.yuan;
  c.solar_clock = keys.solar_clock;
  return c;
}

}  // namespace

struct KeyedQuery::Moment {
  const chart::Chart& keys;
  const chart::Chart& plate;
  std::optional<chart::Chart> chart;
  std::optional<reading::Reading> reading;
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
  for (std::size_t i = 0; i < query_.nodes.size(); ++i) {
    const Node& node = query_.nodes[i];
    if (node.kind != Node::Kind::kTest) continue;
    const Reads reads = ReadsOf(node);
    TestPlan& plan = plans_[i];
    if (reads == Reads::kKeys) {
      plan.answer = Answer::kKeys;
    } else if (reads != Reads::kPillars && plate_nodes.size() < kMaxPlateTests) {
      plan.answer = Answer::kPlate;
      plan.slot = plate_nodes.size();
      plate_nodes.push_back(i);
      reads_plates = reads_plates || node.field == Field::kReading;
    }
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
      if (!reads_plates) {
        // Without a reading no test reads the month: one branch answers for all.
        for (std::size_t s = 0; s < plate_tests_; ++s) {
          if (plate_bits_[p * plate_tests_ + s] != 0)
            plate_bits_[p * plate_tests_ + s] = kAllBranches;
        }
        break;
      }
    }
  }
}

const chart::Chart& KeyedQuery::PlateOf(int ju, int hour) const {
  return plates_[static_cast<std::size_t>(PlateNumber(ju, hour))];
}

bool KeyedQuery::TestHolds(const Node& node, const TestPlan& plan, Moment& m) const {
  switch (plan.answer) {
    case Answer::kKeys:
      return KeyValue(node.field, m.keys) == node.value;
    case Answer::kPlate: {
      const std::size_t p = static_cast<std::size_t>(&m.plate - plates_.data());
      const int branch = chart::BranchOfGanZhi(m.keys.pillars.month);
      return ((plate_bits_[p * plate_tests_ + plan.slot] >> (branch - 1)) & 1u) != 0;
    }
    case Answer::kReading:
      break;
  }
  if (!m.chart) m.chart = OnPlate(m.plate, m.keys);
  if (node.field == Field::kReading && !m.reading) m.reading = reading::Read(*m.chart, profile_);
  return search::TestHolds(node, *m.chart, m.reading ? &*m.reading : nullptr);
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
  Moment m{keys, PlateOf(keys.ju, keys.pillars.hour), std::nullopt, std::nullopt};
  return NodeHolds(query_.root, m);
}

}  // namespace veltrane::search
