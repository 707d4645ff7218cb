// The plates of the chart as plain data: the selection index that every plate
// box shows, the five ring counters and the counter labels, with the nine
// ring-turning operations. Where the window puts the centre markers is the
// window's own (ui/centre_markers.h). A handler loads the model
// from the window's boxes, runs operations on it and writes back what changed;
// the plotting runs its stop tests on it after every step. No operation
// allocates.
#pragma once

#include <array>
#include <cstdint>

#include "chart/vocabulary.h"

namespace veltrane::chart {

// The module-level ring counters. Each holds the number of the arrangement the
// last step of its family produced; the last arrangement of a cycle is kept as 0.
struct RingCounters {
  std::int32_t earth = 0;   // StepEarthYin, StepEarthYang; cycle 9
  std::int32_t hidden = 0;  // StepHiddenYin, StepHiddenYang; cycle 9
  std::int32_t star = 0;    // StepStars; cycle 8
  std::int32_t gate = 0;    // StepGates; cycle 8
  std::int32_t deity = 0;   // StepDeitiesYin, StepDeitiesYang; cycle 8
  bool operator==(const RingCounters&) const = default;
};

// The four labels that show a family's arrangement number.
enum class CounterLabel : int {
  Gate = 0,   // 标签15
  Star = 1,   // 标签16
  Deity = 2,  // 标签18
  Stems = 3,  // 标签20, shared by the earth and the hidden steps
};
inline constexpr int kCounterLabelCount = 4;

// The nine operations, in the order of their handlers.
enum class RingOp : int {
  ResetChart,
  StepEarthYin,
  StepEarthYang,
  StepStars,
  StepGates,
  StepDeitiesYin,
  StepDeitiesYang,
  StepHiddenYin,
  StepHiddenYang,
};
inline constexpr int kRingOpCount = 9;

// Parts of the plates, as bits: what an operation reads or writes, and what a
// binding loads and stores.
using PlateParts = std::uint32_t;
inline constexpr PlateParts kEarthPart = 1u << 0;         // 地干支1..9
inline constexpr PlateParts kHeavenPart = 1u << 1;        // 天干支1..9
inline constexpr PlateParts kHiddenPart = 1u << 2;        // 暗干1..9
inline constexpr PlateParts kStarPart = 1u << 3;          // 星1..8
inline constexpr PlateParts kGatePart = 1u << 4;          // 门1..8
inline constexpr PlateParts kDeityPart = 1u << 5;         // 八神1..8
inline constexpr PlateParts kCounterDeityPart = 1u << 6;  // 反扑1..8
inline constexpr PlateParts kGateLabelPart = 1u << 7;     // 标签15
inline constexpr PlateParts kStarLabelPart = 1u << 8;     // 标签16
inline constexpr PlateParts kDeityLabelPart = 1u << 9;    // 标签18
inline constexpr PlateParts kStemLabelPart = 1u << 10;    // 标签20
inline constexpr PlateParts kAllPlateParts = (1u << 11) - 1;

struct PlateModel {
  // Selection index (0-based, −1 = none) of every plate box. Stem boxes are
  // held by palace − 1, ring boxes by ring position − 1.
  std::array<std::int32_t, kPalaceCount> earth{};
  std::array<std::int32_t, kPalaceCount> heaven{};
  std::array<std::int32_t, kPalaceCount> hidden{};
  std::array<std::int32_t, kRingSize> stars{};
  std::array<std::int32_t, kRingSize> gates{};
  std::array<std::int32_t, kRingSize> deities{};
  std::array<std::int32_t, kRingSize> counter_deities{};

  RingCounters counters;
  // The arrangement number each counter label shows ("1".."9"); 0 when it
  // shows anything else. Indexed by CounterLabel.
  std::array<std::int32_t, kCounterLabelCount> counter_labels = {1, 1, 1, 1};

  // Selections by palace 1..9 or ring position 1..8; −1 outside the range.
  std::int32_t EarthAt(int palace) const;
  std::int32_t HeavenAt(int palace) const;
  std::int32_t HiddenAt(int palace) const;
  std::int32_t StarAt(int position) const;
  std::int32_t GateAt(int position) const;
  std::int32_t DeityAt(int position) const;
  std::int32_t CounterDeityAt(int position) const;
  std::int32_t LabelNumber(CounterLabel label) const {
    return counter_labels[static_cast<std::size_t>(label)];
  }

  // Home arrangement of stems, stars, gates and deities; zeroes the earth,
  // star, gate and deity counters; leaves hidden stems, counter-deities,
  // the hidden counter and the counter labels alone.
  void ResetChart();
  // Next yin / yang arrangement of the earth stems; heaven stems set equal.
  void StepEarthYin();
  void StepEarthYang();
  // Stars one ring position forward, the outer heaven stems carried along.
  void StepStars();
  // Gates one ring position forward.
  void StepGates();
  // Next yin (forward) / yang (backward) arrangement of the deities.
  void StepDeitiesYin();
  void StepDeitiesYang();
  // Next yin / yang arrangement of the hidden stems.
  void StepHiddenYin();
  void StepHiddenYang();
  // The ring position whose star box shows 天芮, the last of 星1, 星8, 星7,
  // 星6, 星2, 星5, 星4, 星3 that does (where the window puts the centre
  // stem); 0 when none does.
  int TianRuiPosition() const;

  bool operator==(const PlateModel&) const = default;
};

// Runs one of the nine operations.
void RunRingOp(PlateModel& model, RingOp op);

// Every part an operation reads or writes (the counters always travel with the model).
PlateParts PartsOf(RingOp op);

}  // namespace veltrane::chart
