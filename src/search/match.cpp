#include "search/match.h"

#include <algorithm>
#include <optional>

namespace veltrane::search {
namespace {

using chart::Chart;
using chart::Palace;

// The palace's cell, or none for a number outside 1..9 (never made by the reader).
const chart::PalaceCell* CellOf(const Chart& chart, int number) {
  const std::optional<Palace> palace = Palace::Of(number);
  return palace ? &chart.cell(*palace) : nullptr;
}

template <typename T>
int OrNone(const std::optional<T>& value) {
  return value ? static_cast<int>(*value) : -1;
}

// The value a field has in a chart (−1 where the chart has none, as palace 5's gate).
int FieldValue(const Node& node, const Chart& chart) {
  const chart::PalaceCell* cell = CellOf(chart, node.palace);
  switch (node.field) {
    case Field::kJu:
      return chart.ju;
    case Field::kDun:
      return static_cast<int>(chart.dun());
    case Field::kTerm:
      return static_cast<int>(chart.term);
    case Field::kYuan:
      return static_cast<int>(chart.yuan);
    case Field::kDutyStar:
      return static_cast<int>(chart.duty_star);
    case Field::kDutyGate:
      return OrNone(chart.duty_gate);
    case Field::kDutyGatePalace:
      return chart.duty_gate_palace ? chart.duty_gate_palace->number() : -1;
    case Field::kPalaceGate:
      return cell ? OrNone(cell->gate) : -1;
    case Field::kPalaceHeaven:
      return cell ? static_cast<int>(cell->heaven_stem) : -1;
    case Field::kPalaceStar:
      return cell ? OrNone(cell->star) : -1;
    case Field::kPalaceDeity:
      return cell ? OrNone(cell->deity) : -1;
    case Field::kPalaceEarth:
      return cell ? static_cast<int>(cell->earth_stem) : -1;
    case Field::kYear:
      return chart.pillars.year;
    case Field::kMonth:
      return chart.pillars.month;
    case Field::kDay:
      return chart.pillars.day;
    case Field::kHour:
      return chart.pillars.hour;
    case Field::kHourStem:
      return (chart.pillars.hour - 1) % chart::kStemCount + 1;
    case Field::kReading:
      break;
  }
  return -1;
}

bool FindingHolds(const Node& node, const reading::Finding& finding) {
  if (node.palace != 0 && finding.palace != node.palace) return false;
  return std::find(node.rules.begin(), node.rules.end(), finding.rule) != node.rules.end();
}

bool TestHolds(const Node& node, const Chart& chart, const ReadingSource& source) {
  if (node.field != Field::kReading) return FieldValue(node, chart) == node.value;
  const reading::Reading* reading = source();
  if (reading == nullptr) return false;
  const auto findings = reading->findings();
  return std::any_of(findings.begin(), findings.end(),
                     [&node](const reading::Finding& f) { return FindingHolds(node, f); });
}

bool Holds(const Query& query, int index, const Chart& chart, const ReadingSource& reading) {
  if (index < 0 || static_cast<std::size_t>(index) >= query.nodes.size()) return false;
  const Node& node = query.nodes[static_cast<std::size_t>(index)];
  switch (node.kind) {
    case Node::Kind::kTest:
      return TestHolds(node, chart, reading);
    case Node::Kind::kAnd:
      return Holds(query, node.left, chart, reading) && Holds(query, node.right, chart, reading);
    case Node::Kind::kOr:
      return Holds(query, node.left, chart, reading) || Holds(query, node.right, chart, reading);
    case Node::Kind::kNot:
      return !Holds(query, node.left, chart, reading);
  }
  return false;
}

void Collect(const Query& query, int index, const Chart& chart, const ReadingSource& source,
             std::vector<std::string>& out) {
  if (index < 0 || static_cast<std::size_t>(index) >= query.nodes.size()) return;
  const Node& node = query.nodes[static_cast<std::size_t>(index)];
  switch (node.kind) {
    case Node::Kind::kNot:
      return;
    case Node::Kind::kAnd:
    case Node::Kind::kOr:
      Collect(query, node.left, chart, source, out);
      Collect(query, node.right, chart, source, out);
      return;
    case Node::Kind::kTest:
      break;
  }
  if (!TestHolds(node, chart, source)) return;
  const reading::Reading* reading = node.field == Field::kReading ? source() : nullptr;
  if (node.field != Field::kReading || node.palace != 0 || reading == nullptr) {
    out.push_back(node.text);
    return;
  }
  // A reading test in any palace: name each palace it holds in, once.
  std::uint16_t seen = 0;
  for (const reading::Finding& finding : reading->findings()) {
    if (!FindingHolds(node, finding) || (seen & (1u << finding.palace)) != 0) continue;
    seen = static_cast<std::uint16_t>(seen | (1u << finding.palace));
    out.push_back(node.text + "@" + std::to_string(finding.palace));
  }
}

}  // namespace

bool TestHolds(const Node& test, const Chart& chart, const reading::Reading* reading) {
  return TestHolds(test, chart, [reading] { return reading; });
}

bool Matches(const Query& query, const Chart& chart, const reading::Reading* reading) {
  return Holds(query, query.root, chart, [reading] { return reading; });
}

bool Matches(const Query& query, const Chart& chart, const ReadingSource& reading) {
  return Holds(query, query.root, chart, reading);
}

std::vector<std::string> Matched(const Query& query, const Chart& chart,
                                 const reading::Reading* reading) {
  std::vector<std::string> out;
  Collect(
      query, query.root, chart, [reading] { return reading; }, out);
  return out;
}

std::vector<std::string> Matched(const Query& query, const Chart& chart,
                                 const ReadingSource& reading) {
  std::vector<std::string> out;
  Collect(query, query.root, chart, reading, out);
  return out;
}

}  // namespace veltrane::search
