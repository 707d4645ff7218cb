// The nine palaces: the Palace number type (always 1..9) and the ring of the
// eight outer palaces, whose positions 1..8 number the ring boxes.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <optional>

namespace veltrane::chart {

inline constexpr int kPalaceCount = 9;
inline constexpr int kCentrePalace = 5;
inline constexpr int kRingSize = 8;

// The palace of each ring position 1..8, stored from index 0.
inline constexpr std::array<int, kRingSize> kRingPalaces = {1, 6, 7, 2, 9, 4, 3, 8};

// Ring position (1..8) of a palace; 0 for the centre palace and for numbers outside 1..9.
constexpr int RingPositionOfPalace(int palace) {
  for (int k = 0; k < kRingSize; ++k) {
    if (kRingPalaces[static_cast<std::size_t>(k)] == palace) return k + 1;
  }
  return 0;
}

// Palace of a ring position 1..8; 0 outside that range.
constexpr int PalaceOfRingPosition(int position) {
  return position >= 1 && position <= kRingSize
             ? kRingPalaces[static_cast<std::size_t>(position - 1)]
             : 0;
}

// A palace number 1..9. Only Of (checked) and At (checked when compiled) make
// one from a number, so a Palace is never outside 1..9; a default Palace is 1.
class Palace {
 public:
  constexpr Palace() = default;

  // The palace numbered `number`; nullopt outside 1..9.
  static constexpr std::optional<Palace> Of(int number) {
    if (number < 1 || number > kPalaceCount) return std::nullopt;
    return Palace(number);
  }
  // The palace numbered N.
  template <int N>
  static constexpr Palace At() {
    static_assert(N >= 1 && N <= kPalaceCount, "a palace is numbered 1..9");
    return Palace(N);
  }

  constexpr int number() const { return number_; }
  // Index 0..8, for arrays held by palace.
  constexpr std::size_t index() const { return static_cast<std::size_t>(number_ - 1); }
  constexpr bool is_centre() const { return number_ == kCentrePalace; }
  // Ring position 1..8; 0 for the centre palace.
  constexpr int ring_position() const { return RingPositionOfPalace(number_); }

  friend constexpr auto operator<=>(Palace, Palace) = default;

 private:
  constexpr explicit Palace(int number) : number_(number) {}
  int number_ = 1;
};

inline constexpr Palace kCentre = Palace::At<kCentrePalace>();

// The nine palaces in order, for loops over all of them.
inline constexpr std::array<Palace, kPalaceCount> kPalaces = [] {
  std::array<Palace, kPalaceCount> palaces{};
  for (int n = 1; n <= kPalaceCount; ++n) {
    palaces[static_cast<std::size_t>(n - 1)] = *Palace::Of(n);
  }
  return palaces;
}();

// The number of an optional palace; 0 for none.
constexpr int NumberOf(std::optional<Palace> palace) { return palace ? palace->number() : 0; }

}  // namespace veltrane::chart
