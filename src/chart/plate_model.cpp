#include "chart/plate_model.h"

#include <algorithm>
#include <span>

#include "chart/box_items.h"

namespace veltrane::chart {
namespace {

// Non-negative remainder.
constexpr std::int32_t Mod(std::int32_t x, std::int32_t m) { return ((x % m) + m) % m; }

// Which boxes a step lays.
enum class Family { EarthAndHeaven, Hidden, Stars, Gates, Deities };

// One ring step: box number i (palace or ring position, 1-based) shows
// (base + per_box·i + per_arrangement·a) mod cycle after the step, a being the
// arrangement number the step's counter gives.
struct StepRule {
  Family family;
  std::int32_t RingCounters::*counter;
  std::int32_t cycle;
  CounterLabel label;
  std::int32_t base;
  std::int32_t per_box;
  std::int32_t per_arrangement;
  int table;  // index into kArrangements
};

constexpr StepRule kEarthYin = {Family::EarthAndHeaven,
                                &RingCounters::earth,
                                9,
                                CounterLabel::Stems,
                                -1,
                                1,
                                1,
                                0};  // (p − 1 + a) mod 9
constexpr StepRule kEarthYang = {Family::EarthAndHeaven,
                                 &RingCounters::earth,
                                 9,
                                 CounterLabel::Stems,
                                 8,
                                 -1,
                                 -1,
                                 1};  // (8 − p − a) mod 9
constexpr StepRule kHiddenYin = {
    Family::Hidden, &RingCounters::hidden, 9, CounterLabel::Stems, -1, 1, 1, 2};
constexpr StepRule kHiddenYang = {
    Family::Hidden, &RingCounters::hidden, 9, CounterLabel::Stems, 8, -1, -1, 3};
constexpr StepRule kStars = {
    Family::Stars, &RingCounters::star, 8, CounterLabel::Star, 1, -1, 1, 4};  // (a + 1 − k) mod 8
constexpr StepRule kGates = {
    Family::Gates, &RingCounters::gate, 8, CounterLabel::Gate, 2, -1, 1, 5};  // (a + 2 − k) mod 8
constexpr StepRule kDeitiesYin = {Family::Deities,
                                  &RingCounters::deity,
                                  8,
                                  CounterLabel::Deity,
                                  -1,
                                  1,
                                  -1,
                                  6};  // (k − 1 − a) mod 8
constexpr StepRule kDeitiesYang = {Family::Deities,
                                   &RingCounters::deity,
                                   8,
                                   CounterLabel::Deity,
                                   1,
                                   -1,
                                   -1,
                                   7};  // (1 − k − a) mod 8

// Every arrangement a = 1..cycle of a rule, box by box: box 1 from the
// formula, each further box per_box (±1) on, wrapped. A plotting lays some
// forty arrangements, each a copy.
using Arrangements = std::array<std::array<std::int32_t, kPalaceCount>, kPalaceCount + 1>;
constexpr Arrangements Tabulate(const StepRule& rule) {
  Arrangements all{};
  for (std::int32_t a = 1; a <= rule.cycle; ++a) {
    std::int32_t value = Mod(rule.base + rule.per_box + rule.per_arrangement * a, rule.cycle);
    for (std::int32_t& box : all[static_cast<std::size_t>(a)]) {
      box = value;
      value = Mod(value + rule.per_box, rule.cycle);
    }
  }
  return all;
}

constexpr std::array<Arrangements, 8> kArrangements = {
    Tabulate(kEarthYin), Tabulate(kEarthYang), Tabulate(kHiddenYin),  Tabulate(kHiddenYang),
    Tabulate(kStars),    Tabulate(kGates),     Tabulate(kDeitiesYin), Tabulate(kDeitiesYang)};

// Lays arrangement a (1..cycle) of a rule's family.
void Lay(PlateModel& m, const StepRule& rule, std::int32_t a) {
  const auto& laid =
      kArrangements[static_cast<std::size_t>(rule.table)][static_cast<std::size_t>(a)];
  auto lay_ring = [&laid](std::array<std::int32_t, kRingSize>& ring) {
    std::copy_n(laid.begin(), kRingSize, ring.begin());
  };
  switch (rule.family) {
    case Family::EarthAndHeaven:
      m.earth = laid;
      m.heaven = laid;
      return;
    case Family::Hidden:
      m.hidden = laid;
      return;
    case Family::Stars:
      return lay_ring(m.stars);
    case Family::Gates:
      return lay_ring(m.gates);
    case Family::Deities:
      return lay_ring(m.deities);
  }
}

// Advances the rule's counter and returns the arrangement number 1..cycle; the
// counter keeps the last arrangement as 0. A counter outside 0..cycle − 1
// (only a caller's own value can be) is taken modulo the cycle.
std::int32_t Advance(PlateModel& m, const StepRule& rule) {
  std::int32_t& counter = m.counters.*rule.counter;
  const bool in_cycle = counter >= 0 && counter < rule.cycle;  // always, but for a caller's value
  const std::int32_t a = (in_cycle ? counter : Mod(counter, rule.cycle)) + 1;
  counter = a == rule.cycle ? 0 : a;
  return a;
}

void Step(PlateModel& m, const StepRule& rule) {
  const std::int32_t a = Advance(m, rule);
  m.counter_labels[static_cast<std::size_t>(rule.label)] = a;
  Lay(m, rule, a);
}

// Reads element number (1-based) of a box family, −1 outside it.
std::int32_t At(std::span<const std::int32_t> boxes, int number) {
  return number >= 1 && static_cast<std::size_t>(number) <= boxes.size()
             ? boxes[static_cast<std::size_t>(number - 1)]
             : -1;
}

// Ring positions of the star boxes in the order TianRuiPosition examines them:
// 星1, 星8, 星7, 星6, 星2, 星5, 星4, 星3.
constexpr std::array<int, kRingSize> kCentreStemSearchOrder = {1, 8, 7, 6, 2, 5, 4, 3};

}  // namespace

std::int32_t PlateModel::EarthAt(int palace) const { return At(earth, palace); }
std::int32_t PlateModel::HeavenAt(int palace) const { return At(heaven, palace); }
std::int32_t PlateModel::HiddenAt(int palace) const { return At(hidden, palace); }
std::int32_t PlateModel::StarAt(int position) const { return At(stars, position); }
std::int32_t PlateModel::GateAt(int position) const { return At(gates, position); }
std::int32_t PlateModel::DeityAt(int position) const { return At(deities, position); }
std::int32_t PlateModel::CounterDeityAt(int position) const {
  return At(counter_deities, position);
}

void PlateModel::ResetChart() {
  // Each family's home arrangement is the last of its cycle, laid once here.
  static const PlateModel kHome = [] {
    PlateModel home;
    for (const StepRule* rule : {&kGates, &kStars, &kDeitiesYin, &kEarthYin}) {
      Lay(home, *rule, rule->cycle);
    }
    return home;
  }();
  gates = kHome.gates;
  stars = kHome.stars;
  deities = kHome.deities;
  earth = kHome.earth;
  heaven = kHome.heaven;
  counters.gate = counters.star = counters.deity = counters.earth = 0;
}

void PlateModel::StepEarthYin() { Step(*this, kEarthYin); }
void PlateModel::StepEarthYang() { Step(*this, kEarthYang); }
void PlateModel::StepHiddenYin() { Step(*this, kHiddenYin); }
void PlateModel::StepHiddenYang() { Step(*this, kHiddenYang); }
void PlateModel::StepGates() { Step(*this, kGates); }
void PlateModel::StepDeitiesYin() { Step(*this, kDeitiesYin); }
void PlateModel::StepDeitiesYang() { Step(*this, kDeitiesYang); }

void PlateModel::StepStars() {
  Step(*this, kStars);
  // The outer heaven stems move one ring position forward with the stars,
  // from whatever the boxes showed; palace 5 keeps its stem.
  std::array<std::int32_t, kRingSize> carried{};
  for (int k = 1; k <= kRingSize; ++k) {
    carried[static_cast<std::size_t>(k % kRingSize)] = heaven[kRingPalaces[k - 1] - 1];
  }
  for (int k = 1; k <= kRingSize; ++k) heaven[kRingPalaces[k - 1] - 1] = carried[k - 1];
}

int PlateModel::TianRuiPosition() const {
  int found = 0;
  for (int k : kCentreStemSearchOrder) {
    if (stars[static_cast<std::size_t>(k - 1)] == kStarTianRui) found = k;
  }
  return found;
}

void RunRingOp(PlateModel& model, RingOp op) {
  switch (op) {
    case RingOp::ResetChart:
      model.ResetChart();
      return;
    case RingOp::StepEarthYin:
      model.StepEarthYin();
      return;
    case RingOp::StepEarthYang:
      model.StepEarthYang();
      return;
    case RingOp::StepStars:
      model.StepStars();
      return;
    case RingOp::StepGates:
      model.StepGates();
      return;
    case RingOp::StepDeitiesYin:
      model.StepDeitiesYin();
      return;
    case RingOp::StepDeitiesYang:
      model.StepDeitiesYang();
      return;
    case RingOp::StepHiddenYin:
      model.StepHiddenYin();
      return;
    case RingOp::StepHiddenYang:
      model.StepHiddenYang();
      return;
  }
}

PlateParts PartsOf(RingOp op) {
  constexpr PlateParts kEarthStep = kEarthPart | kHeavenPart | kStemLabelPart;
  switch (op) {
    case RingOp::ResetChart:
      return kEarthPart | kHeavenPart | kStarPart | kGatePart | kDeityPart;
    case RingOp::StepEarthYin:
    case RingOp::StepEarthYang:
      return kEarthStep;
    case RingOp::StepStars:
      return kStarPart | kHeavenPart | kStarLabelPart;
    case RingOp::StepGates:
      return kGatePart | kGateLabelPart;
    case RingOp::StepDeitiesYin:
    case RingOp::StepDeitiesYang:
      return kDeityPart | kDeityLabelPart;
    case RingOp::StepHiddenYin:
    case RingOp::StepHiddenYang:
      return kHiddenPart | kStemLabelPart;
  }
  return 0;
}

}  // namespace veltrane::chart
