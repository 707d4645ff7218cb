// The worked chart (2001-12-27, hour 4) as 复制排盘 writes it, in UTF-8 with
// its CR LF line ends; shared by the window tests and the command-line tests.
#pragma once

#include <string>

namespace veltrane::testing_support {

inline std::string WorkedChartHeader(int minute) {
  return "\r\n公历时间：2001年12月27日4时" + std::to_string(minute) +
         "分\r\n\r\n干支：辛巳庚子甲子丙寅\r\n\r\n";
}

inline constexpr const char* kWorkedChartGrid[13] = {
    "┌──────┬──────┬──────┐",
    "│乙　太阴　　│壬　六合　　│丁　白虎　馬│",
    "│　　天冲　庚│　　天辅　辛│　　天英　乙│",
    "│六　生门　辛│白　伤门　乙│玄　杜门　己│",
    "├──────┼──────┼──────┤",
    "│丙　腾蛇　　│戊　阳遁一局│庚　玄武　　│",
    "│　　天任　丙│　　　　　　│壬　禽芮　己│",
    "│阴　休门　庚│　　　　　壬│地　景门　丁│",
    "├──────┼──────┼──────┤",
    "│辛　值符　　│癸　九天　　│己　九地○　│",
    "│　　天蓬　戊│　　天心　癸│　　天柱　丁│",
    "│蛇　开门　丙│符　惊门　戊│天　死门　癸│",
    "└──────┴──────┴──────┘",
};

// Header and grid joined, each grid line ended by CR LF.
inline std::string WorkedChartText(int minute) {
  std::string text = WorkedChartHeader(minute);
  for (const char* line : kWorkedChartGrid) text.append(line).append("\r\n");
  return text;
}

}  // namespace veltrane::testing_support
