#include "views/chart_svg.h"

#include <array>
#include <optional>
#include <string_view>

#include "chart/box_items.h"
#include "chart/pillars.h"
#include "chart/plot_lookups.h"
#include "chart/vocabulary.h"
#include "views/chart_labels.h"
#include "views/chart_text.h"
#include "views/chart_view.h"

namespace veltrane::views {
namespace {

using chart::kPalaceCount;

// The window's client area, in its pixels (with room for the longest
// caption), and the band below it for the header.
constexpr int kWidth = 740;
constexpr int kGridHeight = 472;
constexpr int kHeight = 536;

// The window's text colours.
constexpr std::string_view kRed = "#ff0000";
constexpr std::string_view kGreen = "#00ff00";
constexpr std::string_view kBlue = "#0060c0";
constexpr std::string_view kBlack = "#000000";

// A drop-down box: 56 × 20 pixels.
constexpr int kBoxWidth = 56;
constexpr int kBoxHeight = 20;

struct Point {
  int x;
  int y;
};

// Each ring palace's boxes stand in three rows from its corner: deity; hidden
// stem, star, heaven stem; counter-deity, gate, earth stem.
constexpr Point kDeityAt = {72, 0};
constexpr Point kHiddenAt = {0, 32};
constexpr Point kStarAt = {72, 32};
constexpr Point kHeavenAt = {144, 32};
constexpr Point kCounterAt = {0, 64};
constexpr Point kGateAt = {72, 64};
constexpr Point kEarthAt = {144, 64};

// The corner of each palace's boxes (palace p at index p − 1); the centre
// palace has its own places.
constexpr std::array<Point, kPalaceCount> kPalaceCorners = {{
    {264, 352},
    {504, 16},
    {16, 168},
    {16, 16},
    {0, 0},
    {504, 352},
    {504, 168},
    {16, 352},
    {264, 16},
}};
constexpr Point kCentreHidden = {264, 208};
constexpr Point kCentreEarth = {392, 256};

// The palace captions, in the window's blue, by script (English abbreviates the
// directions to fit the window's width).
struct Caption {
  Point at;
  chart::ScriptTexts text;
};
constexpr std::array<Caption, kPalaceCount> kCaptions = {{
    {{328, 440}, {"坎一宫 正北方 为水", "坎一宮 正北方 為水", "Kan 1 N water"}},
    {{576, 104}, {"坤二宫 西南方 为土", "坤二宮 西南方 為土", "Kun 2 SW earth"}},
    {{72, 256}, {"震三宫 东方 为雷 属木", "震三宮 東方 為雷 屬木", "Zhen 3 E thunder wood"}},
    {{72, 104}, {"巽四宫 东南方 为风 属木", "巽四宮 東南方 為風 屬木", "Xun 4 SE wind wood"}},
    {{336, 264}, {"五中宫", "五中宮", "Centre 5"}},
    {{576, 440}, {"乾六宫 西北方 为天 属金", "乾六宮 西北方 為天 屬金", "Qian 6 NW heaven metal"}},
    {{576, 256}, {"兑七宫 西方 为口 属金", "兌七宮 西方 為口 屬金", "Dui 7 W mouth metal"}},
    {{72, 440}, {"艮八宫 东北方 为山 属土", "艮八宮 東北方 為山 屬土", "Gen 8 NE mountain earth"}},
    {{336, 104}, {"离九宫 南方 为火", "離九宮 南方 為火", "Li 9 S fire"}},
}};

// The drawing's font and marks in one script: 空 and 馬 left of a palace's
// deity, 禽 over the centre star.
struct DrawingWords {
  std::string_view font;  // the root element's font attributes
  std::string_view void_mark;
  std::string_view horse_mark;
  std::string_view qin;
  std::string_view mark_size;  // a smaller font for marks that are words, or ""
};
constexpr std::array<DrawingWords, chart::kScriptCount> kDrawingWords = {{
    {"font-family=\"SimSun, 'Noto Sans CJK SC', sans-serif\" font-size=\"14\"", "空", "馬", "禽",
     ""},
    {"font-family=\"PMingLiU, 'Noto Sans CJK TC', sans-serif\" font-size=\"14\"", "空", "馬", "禽",
     ""},
    {"font-family=\"Arial, 'Noto Sans', sans-serif\" font-size=\"12\"", "Void", "Horse", "Qin",
     "10"},
}};

// The centre palace's summary: pillars box, term, xun and duty labels.
constexpr Point kPillarsBox = {264, 176};
constexpr int kPillarsBoxWidth = 208;
constexpr Point kTermLabel = {264, 240};
constexpr Point kXunLabel = {264, 264};
constexpr Point kDutyLabel = {264, 296};
constexpr Point kJuLabel = {336, 208};  // the dun and ju in words, right of the hidden stem

// Markers stand left of the deity box of the palace they mark; 禽 and the
// centre stem stand above the heaven stem box of the palace whose star is the
// centre star, right of its deity box.
constexpr int kVoidOffset = -60;
constexpr int kHorseOffset = -30;
constexpr Point kQinAt = {kBoxWidth + 4, -32};
constexpr Point kCentreStemAt = {kBoxWidth + 24, -32};

// Rules of the grid: two rows and two columns, in red.
constexpr int kRuleRows[] = {136, 328};
constexpr int kRuleColumns[] = {249, 490};
constexpr int kRuleStart = 16;
constexpr int kRuleEnd = 464;
constexpr int kRuleWidth = 720;

constexpr Point Plus(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

class SvgWriter {
 public:
  explicit SvgWriter(const DrawingWords& words) : words_(words) { out_.reserve(16384); }

  void Open() {
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kWidth) +
            "\" height=\"" + std::to_string(kHeight) + "\" viewBox=\"0 0 " +
            std::to_string(kWidth) + " " + std::to_string(kHeight) + "\" ";
    out_.append(words_.font).append(">\n");
    out_ += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  }
  void Close() { out_ += "</svg>\n"; }

  void Line(int x1, int y1, int x2, int y2, std::string_view colour) {
    out_ += "<line x1=\"" + std::to_string(x1) + "\" y1=\"" + std::to_string(y1) + "\" x2=\"" +
            std::to_string(x2) + "\" y2=\"" + std::to_string(y2) + "\" stroke=\"";
    out_.append(colour).append("\" stroke-dasharray=\"4 3\"/>\n");
  }

  // Text with its top-left corner at `at`, as a label shows it.
  void Text(Point at, std::string_view text, std::string_view colour, std::string_view css_class,
            bool bold = false, std::string_view size = {}) {
    out_ += "<text class=\"";
    out_.append(css_class).append("\" x=\"").append(std::to_string(at.x));
    out_.append("\" y=\"").append(std::to_string(at.y + 15)).append("\" fill=\"").append(colour);
    if (!size.empty()) out_.append("\" font-size=\"").append(size);
    out_.append(bold ? "\" font-weight=\"bold\">" : "\">");
    AppendEscaped(text);
    out_ += "</text>\n";
  }

  // A box as the window shows a drop-down box: framed, its text in black.
  void Box(Point at, int width, std::string_view text, std::string_view css_class) {
    out_ += "<rect x=\"" + std::to_string(at.x) + "\" y=\"" + std::to_string(at.y) + "\" width=\"" +
            std::to_string(width) + "\" height=\"" + std::to_string(kBoxHeight) +
            "\" fill=\"#ffffff\" stroke=\"#a0a0a0\"/>\n";
    Text({at.x + 4, at.y + 1}, text, kBlack, css_class);
  }

  std::string Take() { return std::move(out_); }
  const DrawingWords& words() const { return words_; }

 private:
  // Texts are the chart's vocabulary and numbers, but nothing unescaped
  // reaches the markup.
  void AppendEscaped(std::string_view text) {
    for (char c : text) {
      switch (c) {
        case '<':
          out_ += "&lt;";
          break;
        case '>':
          out_ += "&gt;";
          break;
        case '&':
          out_ += "&amp;";
          break;
        case '"':
          out_ += "&quot;";
          break;
        default:
          out_ += c;
      }
    }
  }

  const DrawingWords& words_;
  std::string out_;
};

// The term and duty labels, as the window writes them.
std::string TermText(const chart::Chart& c, chart::Script script) {
  std::string text;
  AppendTermLabel(text, c, LabelWordsIn(script));
  return text;
}

std::string DutyText(const chart::Chart& c, chart::Script script) {
  std::string text;
  AppendDutyLabel(text, c, LabelWordsIn(script));
  return text;
}

// The xun head and its instrument: 甲子戊, in English Jiazi Wu.
std::string XunText(const chart::Chart& c, chart::Script script) {
  if (c.xun < 0 || c.xun >= chart::kXunCount) return {};
  const std::string_view text = chart::kXunHeads[static_cast<std::size_t>(c.xun)].text;
  if (script != chart::Script::kEn) return std::string(text);
  // The head is a 甲 day: the xun's k-th head is sixty-cycle number 1 + 10k.
  const int head = 1 + 10 * c.xun;
  const std::optional<chart::Stem> instrument =
      chart::InstrumentOfItem(chart::kXunHeads[static_cast<std::size_t>(c.xun)].instrument - 1);
  return chart::GanZhiTextIn(head, script) + " " +
         std::string(instrument ? chart::Text(*instrument, script) : std::string_view());
}

// The corner of a palace's ring boxes; palace 5's markers go to its host's, palace 2.
Point CornerOf(int palace) {
  const int p = palace == chart::kCentrePalace ? 2 : palace;
  return kPalaceCorners[static_cast<std::size_t>((p >= 1 && p <= kPalaceCount ? p : 2) - 1)];
}

void Header(SvgWriter& svg, const ChartView& view, chart::Script script) {
  const int top = kGridHeight + 8;
  svg.Text({16, top}, DateLineOf(view, script), kGreen, "date", true);
  svg.Text({16, top + 24}, PillarsLineOf(view, script), kGreen, "pillars", true);
}

void Grid(SvgWriter& svg, chart::Script script) {
  for (int y : kRuleRows) svg.Line(kRuleStart + 8, y, kRuleWidth, y, kRed);
  for (int x : kRuleColumns) svg.Line(x, kRuleStart, x, kRuleEnd, kRed);
  for (const Caption& c : kCaptions) svg.Text(c.at, c.text.In(script), kBlue, "caption");
}

void RingPalace(SvgWriter& svg, const ChartView& view, int p) {
  const PalaceView& c = view.palaces[static_cast<std::size_t>(p - 1)];
  const Point corner = kPalaceCorners[static_cast<std::size_t>(p - 1)];
  svg.Box(Plus(corner, kDeityAt), kBoxWidth, c.deity, "deity");
  svg.Box(Plus(corner, kHiddenAt), kBoxWidth, c.hidden, "hidden");
  svg.Box(Plus(corner, kStarAt), kBoxWidth, c.star, "star");
  svg.Box(Plus(corner, kHeavenAt), kBoxWidth, c.heaven, "heaven");
  svg.Box(Plus(corner, kCounterAt), kBoxWidth, c.counter_deity, "counter-deity");
  svg.Box(Plus(corner, kGateAt), kBoxWidth, c.gate, "gate");
  svg.Box(Plus(corner, kEarthAt), kBoxWidth, c.earth, "earth");
}

void Centre(SvgWriter& svg, const chart::Chart& chart, const ChartView& view,
            chart::Script script) {
  const PalaceView& c = view.palaces[chart::kCentrePalace - 1];
  svg.Box(kCentreHidden, kBoxWidth, c.hidden, "hidden");
  svg.Box(kCentreEarth, kBoxWidth, c.earth, "earth");
  // 禽 and the centre stem travel with the centre star.
  for (int p = 1; p <= kPalaceCount; ++p) {
    if (p == chart::kCentrePalace ||
        view.palaces[static_cast<std::size_t>(p - 1)].star != view.centre_star) {
      continue;
    }
    const Point star = Plus(kPalaceCorners[static_cast<std::size_t>(p - 1)], kStarAt);
    svg.Text(Plus(star, kQinAt), svg.words().qin, kRed, "marker", true, svg.words().mark_size);
    svg.Text(Plus(star, kCentreStemAt), c.heaven, kBlack, "centre-heaven");
  }
  svg.Box(kPillarsBox, kPillarsBoxWidth, view.pillars, "centre-pillars");
  svg.Text(kTermLabel, TermText(chart, script), kGreen, "centre-term");
  svg.Text(kXunLabel, XunText(chart, script), kGreen, "centre-xun");
  svg.Text(kDutyLabel, DutyText(chart, script), kGreen, "centre-duty");
  svg.Text(kJuLabel, view.centre, kGreen, "centre-ju", true);
}

void Markers(SvgWriter& svg, const ChartView& view) {
  for (int p : view.void_palaces) {
    if (p < 1 || p > kPalaceCount) continue;
    svg.Text(Plus(Plus(CornerOf(p), kDeityAt), {kVoidOffset, 0}), svg.words().void_mark, kRed,
             "marker", true, svg.words().mark_size);
  }
  const int h = view.horse_palace;
  if (h >= 1 && h <= kPalaceCount) {
    svg.Text(Plus(Plus(CornerOf(h), kDeityAt), {kHorseOffset, 0}), svg.words().horse_mark, kRed,
             "marker", true, svg.words().mark_size);
  }
}

}  // namespace

std::string FormatChartSvg(const chart::Chart& chart, chart::Script script) {
  const ChartView view = ViewOfChart(chart, script);
  SvgWriter svg(kDrawingWords[static_cast<std::size_t>(script) % kDrawingWords.size()]);
  svg.Open();
  Grid(svg, script);
  for (int p = 1; p <= kPalaceCount; ++p) {
    if (p != chart::kCentrePalace) RingPalace(svg, view, p);
  }
  Centre(svg, chart, view, script);
  Markers(svg, view);
  Header(svg, view, script);
  svg.Close();
  return svg.Take();
}

}  // namespace veltrane::views
