// Lookups the plotting makes on sixty-cycle numbers: stem and branch, xun
// head, the instrument a stem is on the plates, and the yuan of a day.
#pragma once

#include <array>
#include <string_view>

#include "chart/box_items.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {

// Stem 1..10 (甲..癸) of a sixty-cycle number 1..60.
constexpr int StemOfGanZhi(int gan_zhi) {
  return ((gan_zhi - 1) % kStemCount + kStemCount) % kStemCount + 1;
}

// Branch 1..12 (子..亥) of a sixty-cycle number 1..60.
constexpr int BranchOfGanZhi(int gan_zhi) {
  return ((gan_zhi - 1) % kBranchCount + kBranchCount) % kBranchCount + 1;
}

// Index into kXunHeads of the xun a sixty-cycle number belongs to.
constexpr int XunOfGanZhi(int gan_zhi) {
  const int d = (BranchOfGanZhi(gan_zhi) - StemOfGanZhi(gan_zhi) + kBranchCount) % kBranchCount;
  const int xun = XunIndexOfDifference(d);
  return xun < 0 ? 0 : xun;  // every sixty-cycle number has an even d
}

namespace detail {

// Branch 1..12 of each xun's head (the second character of its text).
constexpr std::array<int, kXunCount> kXunBranches = [] {
  std::array<int, kXunCount> branches{};
  for (std::size_t x = 0; x < kXunCount; ++x) {
    const std::string_view branch =
        kXunHeads[x].text.substr(kStemTexts[0].size(), kBranchTexts[0].size());
    for (std::size_t b = 0; b < kBranchCount; ++b) {
      if (kBranchTexts[b] == branch) branches[x] = static_cast<int>(b) + 1;
    }
  }
  return branches;
}();

}  // namespace detail

// Branch 1..12 of a xun's head (index into kXunHeads).
constexpr int XunBranch(int xun) {
  return xun >= 0 && xun < kXunCount ? detail::kXunBranches[static_cast<std::size_t>(xun)] : 1;
}

// Stem box item 0..8 of a stem 1..10; −1 for 甲, which is no instrument, and
// for a number outside 1..10.
constexpr int InstrumentOfStem(int stem) {
  return stem >= 1 && stem <= kStemCount ? ItemOf(static_cast<Stem>(stem)) : -1;
}

}  // namespace veltrane::chart
