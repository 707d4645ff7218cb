#include "views/chart_text.h"

#include <string_view>

namespace veltrane::views {
namespace {

constexpr std::string_view kSpace = "　";  // full width
constexpr std::string_view kVoidMark = "○";
constexpr std::string_view kHorseMark = "馬";
constexpr std::string_view kBar = "│";
constexpr std::string_view kTop = "┌──────┬──────┬──────┐\r\n";
constexpr std::string_view kMiddle = "├──────┼──────┼──────┤\r\n";
constexpr std::string_view kBottom = "└──────┴──────┴──────┘\r\n";
constexpr std::string_view kQin = "禽";

// The palaces of the three cell rows, as the window lays them out.
constexpr int kCellRows[3][3] = {{4, 9, 2}, {3, 5, 7}, {8, 1, 6}};

void AppendSpaces(std::string& out, int count) {
  for (int i = 0; i < count; ++i) out += kSpace;
}

// One line (1..3) of the cell of palace p.
void AppendCellLine(std::string& out, const ChartView& view, int p, int line) {
  const PalaceView& c = view.palaces[static_cast<std::size_t>(p - 1)];
  if (p == chart::kCentrePalace) {
    if (line == 1) {
      out.append(c.hidden).append(kSpace).append(view.centre);
    } else if (line == 2) {
      AppendSpaces(out, 6);
    } else {
      AppendSpaces(out, 5);
      out += c.earth;
    }
    return;
  }
  if (line == 1) {
    const bool is_void = p == view.void_palaces[0] || p == view.void_palaces[1];
    // Only the corner palaces can hold the horse; the others end with a space.
    const bool horse = p % 2 == 0 && p == view.horse_palace;
    out.append(c.hidden).append(kSpace).append(c.deity);
    out.append(is_void ? kVoidMark : kSpace).append(horse ? kHorseMark : kSpace);
  } else if (line == 2) {
    AppendSpaces(out, 2);
    out.append(c.star).append(kSpace).append(c.heaven);
  } else {
    out.append(c.counter_deity).append(kSpace).append(c.gate).append(kSpace).append(c.earth);
  }
}

// Replaces every occurrence of `from`, scanning on after each replacement.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t pos = text.find(from); pos != std::string::npos;
       pos = text.find(from, pos + to.size())) {
    text.replace(pos, from.size(), to);
  }
}

}  // namespace

std::string FormatChartText(const ChartView& view) {
  std::string text;
  text.reserve(1024);
  text.append("\r\n公历时间：").append(view.year).append("年").append(view.month).append("月");
  text.append(view.day).append("日").append(view.hour).append("时").append(view.minute);
  text.append("分\r\n\r\n干支：").append(view.pillars).append("\r\n\r\n");

  text += kTop;
  for (int row = 0; row < 3; ++row) {
    if (row > 0) text += kMiddle;
    for (int line = 1; line <= 3; ++line) {
      for (int p : kCellRows[row]) {
        text += kBar;
        AppendCellLine(text, view, p, line);
      }
      text.append(kBar).append("\r\n");
    }
  }
  text += kBottom;

  // 天禽 and the centre stem travel with the centre star (天芮 unless the
  // centre counts as 艮): wherever it stands, its cell shows the centre stem
  // and 禽 beside the star's second character, e.g. 禽芮.
  const std::string_view star = view.centre_star;
  const std::size_t first = star.starts_with("天") ? std::string_view("天").size() : 0;
  std::string at_home;
  at_home.append(kSpace).append(kSpace).append(star);
  std::string with_qin = view.palaces[chart::kCentrePalace - 1].heaven;
  with_qin.append(kSpace).append(kQin).append(star.substr(first));
  if (!star.empty()) ReplaceAll(text, at_home, with_qin);
  return text;
}

}  // namespace veltrane::views
