// Lookups the plotting makes on sixty-cycle numbers: stem and branch, xun
// head, the instrument a stem is on the plates, and the yuan of a day.
#pragma once

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

// Branch 1..12 of a xun's head (the second character of its text).
constexpr int XunBranch(int xun) {
  const std::string_view head = kXunHeads[static_cast<std::size_t>(xun)].text;
  const std::string_view branch = head.substr(kStemNames[0].size(), kBranchNames[0].size());
  for (int b = 1; b <= kBranchCount; ++b) {
    if (kBranchNames[static_cast<std::size_t>(b - 1)] == branch) return b;
  }
  return 1;
}

// Index into kInstrumentNames of a stem 1..10; −1 for 甲, which is no instrument.
constexpr int InstrumentOfStem(int stem) {
  for (int i = 0; i < kInstrumentCount; ++i) {
    if (kInstrumentNames[static_cast<std::size_t>(i)] ==
        kStemNames[static_cast<std::size_t>(stem - 1)]) {
      return i;
    }
  }
  return -1;
}

// The yuan whose day list holds a sixty-cycle day, found once per day with the
// text search of the value operations over the GBK lists.
Yuan YuanOfDay(int gan_zhi);

}  // namespace veltrane::chart
