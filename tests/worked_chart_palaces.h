// The worked chart (2001-12-27, hour 4, 阳遁1局) palace by palace, as the
// plotting lays it on the plate model and the window shows it, and the lookup
// of its item texts in the chart's item lists.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string_view>

namespace veltrane::testing_support {

// The index of a UTF-8 item text in one of the chart's item lists; a text the
// list lacks fails the test and gives -2, which no box shows.
template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& names, std::string_view utf8) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == utf8) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no item " << utf8;
  return -2;
}

// One palace of an expected chart as UTF-8 item texts; the ring fields are ""
// for palace 5.
struct PalaceRow {
  const char* earth;
  const char* heaven;
  const char* star;
  const char* gate;
  const char* deity;
  const char* hidden;
  const char* counter;
};

// Palaces 1..9 of the worked chart.
inline constexpr std::array<PalaceRow, 9> kWorkedChartPalaces = {{
    {"戊", "癸", "天心", "惊门", "九天", "癸", "符"},
    {"己", "乙", "天英", "杜门", "白虎", "丁", "玄"},
    {"庚", "丙", "天任", "休门", "腾蛇", "丙", "阴"},
    {"辛", "庚", "天冲", "生门", "太阴", "乙", "六"},
    {"壬", "壬", "", "", "", "戊", ""},
    {"癸", "丁", "天柱", "死门", "九地", "己", "天"},
    {"丁", "己", "天芮", "景门", "玄武", "庚", "地"},
    {"丙", "戊", "天蓬", "开门", "值符", "辛", "蛇"},
    {"乙", "辛", "天辅", "伤门", "六合", "壬", "白"},
}};

}  // namespace veltrane::testing_support
