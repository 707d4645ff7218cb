// The item order of the window's drop-down boxes, which the plate model's
// selection indexes count in: the nine instruments in every stem box, and the
// stars, gates and deities in their ring boxes (the enums' own order). The
// conversions between items and the vocabulary's enums, and the boxes' item
// texts, made from the enums' tables.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "chart/vocabulary.h"

namespace veltrane::chart {

// InstrumentList: the stems in the item order of every stem box (item 0..8).
// LayingOrder is this list read backwards.
inline constexpr std::array<Stem, kInstrumentCount> kInstrumentOrder = {
    Stem::kYi,  Stem::kBing, Stem::kDing, Stem::kGui, Stem::kRen,
    Stem::kXin, Stem::kGeng, Stem::kJi,   Stem::kWu};

// The stem of a stem box's item 0..8; nullopt for any other item (−1: none).
constexpr std::optional<Stem> InstrumentOfItem(int item) {
  if (item < 0 || item >= kInstrumentCount) return std::nullopt;
  return kInstrumentOrder[static_cast<std::size_t>(item)];
}

// The stem box item 0..8 of a stem; −1 for 甲, which is no instrument.
constexpr int ItemOf(Stem stem) {
  for (std::size_t i = 0; i < kInstrumentOrder.size(); ++i) {
    if (kInstrumentOrder[i] == stem) return static_cast<int>(i);
  }
  return -1;
}

// The star, gate or deity of a ring box's item 0..7; nullopt for any other item.
template <typename RingItem>
constexpr std::optional<RingItem> RingItemOf(int item) {
  if (item < 0 || item >= kRingSize) return std::nullopt;
  return static_cast<RingItem>(item);
}

// The ring box item 0..7 of a star (−1 for 天禽, which has no box), gate or deity.
constexpr int ItemOf(Star star) {
  const int item = static_cast<int>(star);
  return item < kRingSize ? item : -1;
}
constexpr int ItemOf(Gate gate) { return static_cast<int>(gate); }
constexpr int ItemOf(Deity deity) { return static_cast<int>(deity); }

// The box item of an optional stem, star, gate or deity; −1 (no item) for none.
template <typename Item>
constexpr int ItemOf(const std::optional<Item>& item) {
  return item ? ItemOf(*item) : -1;
}

namespace detail {
template <std::size_t N, typename Name>
constexpr std::array<std::string_view, N> ItemTexts(Name name) {
  std::array<std::string_view, N> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = name(static_cast<int>(i));
  return texts;
}
}  // namespace detail

// The item texts of each kind of box, in item order.
inline constexpr auto kInstrumentItems = detail::ItemTexts<kInstrumentCount>(
    [](int i) { return Text(kInstrumentOrder[static_cast<std::size_t>(i)]); });
inline constexpr auto kStarItems =
    detail::ItemTexts<kRingSize>([](int i) { return Text(static_cast<Star>(i)); });
inline constexpr auto kGateItems =
    detail::ItemTexts<kRingSize>([](int i) { return Text(static_cast<Gate>(i)); });
inline constexpr auto kDeityItems =
    detail::ItemTexts<kRingSize>([](int i) { return Text(static_cast<Deity>(i)); });
inline constexpr auto kCounterDeityItems =
    detail::ItemTexts<kRingSize>([](int i) { return ShortText(static_cast<Deity>(i)); });

}  // namespace veltrane::chart
