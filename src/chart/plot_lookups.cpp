#include "chart/plot_lookups.h"

#include <array>

#include "chart/pillars.h"

namespace veltrane::chart {
namespace {

static_assert(XunBranch(0) == 1 && XunBranch(1) == 11 && XunBranch(5) == 3);
static_assert(InstrumentOfStem(1) == -1 && InstrumentOfStem(5) == 8 && InstrumentOfStem(10) == 3);
static_assert(XunOfGanZhi(60) == 5 && XunOfGanZhi(12) == 1 && XunOfGanZhi(1) == 0);

// The yuan of each of the sixty days, searched in the 上元, 中元 and 下元 lists
// in that order; the first list that holds the day wins.
struct YuanByDay {
  std::array<Yuan, kGanZhiCount + 1> yuan{};
  YuanByDay() {
    for (int n = 1; n <= kGanZhiCount; ++n) {
      const std::string_view day = GanZhiText(n);
      for (int y = 0; y < kYuanCount; ++y) {
        // UTF-8 never matches inside a character, and no day spans a blank.
        if (kYuanDayLists[static_cast<std::size_t>(y)].find(day) != std::string_view::npos) {
          yuan[static_cast<std::size_t>(n)] = static_cast<Yuan>(y + 1);
          break;
        }
      }
    }
  }
};

}  // namespace

Yuan YuanOfDay(int gan_zhi) {
  static const YuanByDay table;
  if (gan_zhi < 1 || gan_zhi > kGanZhiCount) return Yuan::None;
  return table.yuan[static_cast<std::size_t>(gan_zhi)];
}

}  // namespace veltrane::chart
