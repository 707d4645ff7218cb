#include "views/chart_text.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "views/display_width.h"

namespace veltrane::views {
namespace {

using chart::Script;

// The words and marks of the table in one script.
struct TableWords {
  std::string_view space;                // between the items of a line, and to pad it
  std::string_view void_mark;            // after the deity of a void palace
  std::string_view horse_mark;           // after that of the horse palace
  bool mark_slots;                       // a palace without a mark shows a space in its place
  std::string_view qin;                  // before the centre star where it carries 天禽: 禽芮
  std::string_view star_head;            // the centre star's part that 禽 stands for
  Ambiguous ambiguous;                   // how box characters and ○ count
  bool fixed_cells;                      // the window's cells: six characters, never padded
  std::array<std::string_view, 6> date;  // 公历时间：Y年M月D日H时M分
  std::string_view pillars;              // 干支：
};

// By Script.
// clang-format off
constexpr std::array<TableWords, chart::kScriptCount> kWords = {{
    {"　", "○", "馬", true, "禽", "天", Ambiguous::kWide, true,
     {"公历时间：", "年", "月", "日", "时", "分"}, "干支："},
    {"　", "○", "馬", true, "禽", "天", Ambiguous::kWide, false,
     {"公曆時間：", "年", "月", "日", "時", "分"}, "干支："},
    {" ", " Void", " Horse", false, "Qin/", "", Ambiguous::kNarrow, false,
     {"Time: ", "-", "-", " ", ":", ""}, "Pillars: "},
}};
// clang-format on

const TableWords& WordsOf(Script script) {
  return kWords[static_cast<std::size_t>(script) % kWords.size()];
}

// The window's cell: six full-width characters.
constexpr int kWindowCellWidth = 12;

// The palaces of the three cell rows, as the window lays them out.
constexpr int kCellRows[3][3] = {{4, 9, 2}, {3, 5, 7}, {8, 1, 6}};

// One line of a cell; the centre's stem line stands at the cell's right edge.
struct CellLine {
  std::string text;
  bool right = false;
};
using Cell = std::array<CellLine, 3>;

std::string Repeat(std::string_view text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

Cell CentreCell(const ChartView& view, const TableWords& w) {
  const PalaceView& c = view.palaces[chart::kCentrePalace - 1];
  Cell cell;
  cell[0].text.append(c.hidden).append(w.space).append(view.centre);
  if (w.mark_slots) {
    cell[1].text = Repeat(w.space, 6);
    cell[2].text = Repeat(w.space, 5) + c.earth;
  } else {
    cell[2] = {c.earth, true};
  }
  return cell;
}

Cell RingCell(const ChartView& view, int p, const TableWords& w) {
  const PalaceView& c = view.palaces[static_cast<std::size_t>(p - 1)];
  Cell cell;
  const bool is_void = p == view.void_palaces[0] || p == view.void_palaces[1];
  // Only the corner palaces can hold the horse; the others end with a space.
  const bool horse = p % 2 == 0 && p == view.horse_palace;
  std::string& first = cell[0].text;
  first.append(c.hidden).append(w.space).append(c.deity);
  if (w.mark_slots) {
    first.append(is_void ? w.void_mark : w.space).append(horse ? w.horse_mark : w.space);
  } else {
    if (is_void) first += w.void_mark;
    if (horse) first += w.horse_mark;
  }
  // 天禽 and the centre stem travel with the centre star (天芮 unless the
  // centre counts as 艮): wherever it stands, its cell shows the centre stem
  // and 禽 beside the star's own character, e.g. 禽芮.
  const std::string_view star = view.centre_star;
  std::string& second = cell[1].text;
  if (!star.empty() && c.star == star) {
    const std::size_t head = star.starts_with(w.star_head) ? w.star_head.size() : 0;
    second.append(view.palaces[chart::kCentrePalace - 1].heaven).append(w.space);
    second.append(w.qin).append(star.substr(head));
  } else {
    second.append(w.space).append(w.space).append(c.star);
  }
  second.append(w.space).append(c.heaven);
  cell[2]
      .text.append(c.counter_deity)
      .append(w.space)
      .append(c.gate)
      .append(w.space)
      .append(c.earth);
  return cell;
}

// Appends `text` padded to `width` columns, on the left for a right-standing line.
void AppendPadded(std::string& out, const CellLine& line, int width, const TableWords& w) {
  if (w.fixed_cells) {
    out += line.text;
    return;
  }
  const int missing = std::max(0, width - DisplayWidth(line.text, w.ambiguous));
  const int space_width = DisplayWidth(w.space, w.ambiguous);
  const std::string pad =
      Repeat(w.space, missing / space_width) + Repeat(" ", missing % space_width);
  if (line.right) out += pad;
  out += line.text;
  if (!line.right) out += pad;
}

// A rule line of the grid: left, middle and right corners around each column's run of ─.
void AppendRule(std::string& out, const std::array<int, 3>& widths, std::string_view left,
                std::string_view middle, std::string_view right, const TableWords& w) {
  constexpr std::string_view kRun = "─";
  const int run_width = DisplayWidth(kRun, w.ambiguous);
  out += left;
  for (std::size_t c = 0; c < widths.size(); ++c) {
    if (c > 0) out += middle;
    out += Repeat(kRun, (widths[c] + run_width - 1) / run_width);
  }
  out.append(right).append("\r\n");
}

// Two digits for the English header: 04.
std::string TwoDigits(const std::string& n) { return n.size() == 1 ? "0" + n : n; }

}  // namespace

std::string DateLineOf(const ChartView& view, Script script) {
  const TableWords& w = WordsOf(script);
  const bool digits = script == Script::kEn;
  const auto part = [&](const std::string& n) { return digits ? TwoDigits(n) : n; };
  std::string line(w.date[0]);
  line.append(view.year).append(w.date[1]).append(part(view.month)).append(w.date[2]);
  line.append(part(view.day)).append(w.date[3]).append(part(view.hour)).append(w.date[4]);
  line.append(part(view.minute)).append(w.date[5]);
  return line;
}

std::string PillarsLineOf(const ChartView& view, Script script) {
  return std::string(WordsOf(script).pillars) + view.pillars;
}

std::string FormatChartText(const ChartView& view, Script script) {
  const TableWords& w = WordsOf(script);
  std::array<Cell, chart::kPalaceCount> cells;
  for (int p = 1; p <= chart::kPalaceCount; ++p) {
    cells[static_cast<std::size_t>(p - 1)] =
        p == chart::kCentrePalace ? CentreCell(view, w) : RingCell(view, p, w);
  }
  // Each column as wide as its widest line; the window's are fixed.
  std::array<int, 3> widths = {kWindowCellWidth, kWindowCellWidth, kWindowCellWidth};
  for (std::size_t col = 0; col < widths.size() && !w.fixed_cells; ++col) {
    widths[col] = 0;
    for (const auto& row : kCellRows) {
      for (const CellLine& line : cells[static_cast<std::size_t>(row[col] - 1)]) {
        widths[col] = std::max(widths[col], DisplayWidth(line.text, w.ambiguous));
      }
    }
  }

  std::string text;
  text.reserve(1024);
  text.append("\r\n").append(DateLineOf(view, script)).append("\r\n\r\n");
  text.append(PillarsLineOf(view, script)).append("\r\n\r\n");
  constexpr std::string_view kBar = "│";
  AppendRule(text, widths, "┌", "┬", "┐", w);
  for (int row = 0; row < 3; ++row) {
    if (row > 0) AppendRule(text, widths, "├", "┼", "┤", w);
    for (std::size_t line = 0; line < 3; ++line) {
      for (std::size_t col = 0; col < 3; ++col) {
        text += kBar;
        const Cell& cell = cells[static_cast<std::size_t>(kCellRows[row][col] - 1)];
        AppendPadded(text, cell[line], widths[col], w);
      }
      text.append(kBar).append("\r\n");
    }
  }
  AppendRule(text, widths, "└", "┴", "┘", w);
  return text;
}

}  // namespace veltrane::views
