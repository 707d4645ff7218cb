#include "ui/chart_text.h"

#include <string>

#include "runtime/text/gbk_literal.h"
#include "runtime/values/value_ops.h"

namespace veltrane::ui {
namespace {

namespace ops = runtime::ops;
using runtime::Gbk;
using runtime::HeapText;

// The fixed pieces of the table, in GBK.
struct TablePieces {
  const char* space = Gbk("　");
  const char* void_mark = Gbk("○");
  const char* horse_mark = Gbk("馬");
  const char* bar = Gbk("│");
  const char* top = Gbk("┌──────┬──────┬──────┐\r\n");
  const char* middle = Gbk("├──────┼──────┼──────┤\r\n");
  const char* bottom = Gbk("└──────┴──────┴──────┘\r\n");
  const char* header_date = Gbk("\r\n公历时间：");
  const char* year = Gbk("年");
  const char* month = Gbk("月");
  const char* day = Gbk("日");
  const char* hour = Gbk("时");
  const char* minute = Gbk("分\r\n\r\n干支：");
  const char* header_end = "\r\n\r\n";
  const char* rui_at_home = Gbk("　　天芮");
  const char* qin_rui = Gbk("　禽芮");
};

const TablePieces& Pieces() {
  static const TablePieces pieces;
  return pieces;
}

// The palaces of the three cell rows, as the window lays them out.
constexpr int kCellRows[3][3] = {{4, 9, 2}, {3, 5, 7}, {8, 1, 6}};

// One line (1..3) of the cell of palace p.
void AppendCellLine(std::string& out, const ChartTextSource& source, int p, int line,
                    const char* void_mark, const char* horse_mark, const char* centre) {
  const TablePieces& t = Pieces();
  const PalaceCellTexts& c = source.palaces[p - 1];
  if (p == 5) {
    switch (line) {
      case 1:
        out.append(c.hidden.view()).append(t.space).append(centre);
        break;
      case 2:
        for (int i = 0; i < 6; ++i) out.append(t.space);
        break;
      default:
        for (int i = 0; i < 5; ++i) out.append(t.space);
        out.append(c.earth.view());
        break;
    }
    return;
  }
  switch (line) {
    case 1:
      out.append(c.hidden.view()).append(t.space).append(c.deity.view()).append(void_mark);
      out.append(p % 2 == 0 ? horse_mark : t.space);
      break;
    case 2:
      out.append(t.space).append(t.space).append(c.star.view()).append(t.space);
      out.append(c.heaven.view());
      break;
    default:
      out.append(c.counter.view()).append(t.space).append(c.gate.view()).append(t.space);
      out.append(c.earth.view());
      break;
  }
}

}  // namespace

HeapText CentreText(const char* ju_text) {
  HeapText left = ops::LeftText(ju_text, 4);
  HeapText digit = ops::MidText(ju_text, 5, 1);
  HeapText numeral = ops::ChineseNumeral(ops::ToNumber(digit.c_str()));
  HeapText right = ops::RightText(ju_text, 2);
  return HeapText::Copy(std::string(left.view()) + numeral.c_str() + right.c_str());
}

HeapText BuildChartText(const ChartTextSource& source) {
  const TablePieces& t = Pieces();

  // Marks: a void palace gets ○, the horse palace 馬; every other mark is a
  // full-width space.
  const char* void_marks[10];
  const char* horse_marks[10];
  for (int p = 1; p <= 9; ++p) {
    const bool is_void = p == source.void_palaces[0] || p == source.void_palaces[1];
    void_marks[p] = is_void ? t.void_mark : t.space;
    horse_marks[p] = p == source.horse_palace ? t.horse_mark : t.space;
  }

  std::string text;
  text.reserve(1024);
  text.append(t.header_date).append(source.year.view()).append(t.year);
  text.append(source.month.view()).append(t.month).append(source.day.view()).append(t.day);
  text.append(source.hour.view()).append(t.hour).append(source.minute.view()).append(t.minute);
  text.append(source.pillars.view()).append(t.header_end);

  const HeapText centre = CentreText(source.ju_text != nullptr ? source.ju_text : "");

  text.append(t.top);
  for (int row = 0; row < 3; ++row) {
    if (row > 0) text.append(t.middle);
    for (int line = 1; line <= 3; ++line) {
      for (int p : kCellRows[row]) {
        text.append(t.bar);
        AppendCellLine(text, source, p, line, void_marks[p], horse_marks[p], centre.c_str());
      }
      text.append(t.bar).append("\r\n");
    }
  }
  text.append(t.bottom);

  // 天禽 and the centre stem travel with 天芮: wherever 天芮 stands, its cell
  // shows the centre stem and 禽芮.
  const std::string qin_rui = std::string(source.palaces[4].heaven.view()) + t.qin_rui;
  return ops::ReplaceText(text.c_str(), t.rui_at_home, qin_rui.c_str());
}

}  // namespace veltrane::ui
