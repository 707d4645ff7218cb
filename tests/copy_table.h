// The shape of a copied chart: its header and the 13 lines of its grid.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veltrane::testing_support {

namespace copy_table_detail {

inline std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;) {
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  lines.push_back(text);  // after the last line end: empty in a whole text
  return lines;
}

inline std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

inline constexpr std::string_view kTopRule = "┌──────┬──────┬──────┐";
inline constexpr std::string_view kMiddleRule = "├──────┼──────┼──────┤";
inline constexpr std::string_view kBottomRule = "└──────┴──────┴──────┘";

// A line of three cells: four bars, one at each end.
inline bool CellLine(std::string_view line) {
  return line.starts_with("│") && line.ends_with("│") && Count(line, "│") == 4;
}

}  // namespace copy_table_detail

// "" when `utf8` is a whole copied chart: "\r\n", the 公历时间 and 干支 lines
// each followed by an empty line, then the grid's 13 lines, every line ended
// by "\r\n"; otherwise what is wrong.
inline std::string CopyTableFault(std::string_view utf8) {
  const std::vector<std::string_view> lines = copy_table_detail::Lines(utf8);
  if (lines.size() != 19) return "a copy of " + std::to_string(lines.size()) + " lines";
  if (!lines[0].empty() || !lines[2].empty() || !lines[4].empty() || !lines[18].empty()) {
    return "a copy without its empty lines";
  }
  if (!lines[1].starts_with("公历时间：") || !lines[1].ends_with("分")) return "no 公历时间 line";
  if (!lines[3].starts_with("干支：")) return "no 干支 line";
  for (int i = 1; i <= 13; ++i) {
    const std::string_view line = lines[static_cast<std::size_t>(4 + i)];
    using namespace copy_table_detail;
    const bool whole = i == 1       ? line == kTopRule
                       : i == 13    ? line == kBottomRule
                       : i % 4 == 1 ? line == kMiddleRule
                                    : CellLine(line);
    if (!whole) return "grid line " + std::to_string(i) + " is '" + std::string(line) + "'";
  }
  return {};
}

}  // namespace veltrane::testing_support
