#include "ui/main_window_template.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "base/text/gbk.h"
#include "chart/box_items.h"
#include "form/controls/button_block.h"
#include "form/controls/combo_box_block.h"
#include "form/controls/edit_box_block.h"
#include "form/controls/label_block.h"
#include "form/controls/log_font.h"
#include "form/controls/property_index.h"
#include "form/controls/window_block.h"
#include "ui/handlers.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

using runtime::TypeCode;
using runtime::UnitDescription;

// Text colours (COLORREF).
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xC06000;
constexpr std::uint32_t kBlack = 0x000000;

constexpr int kDefaultFont = 0;  // no stored font: the platform's default GUI font
constexpr bool kWrap = true;

constexpr std::uint32_t kLabelFlags = runtime::kUnitVisible;
constexpr std::uint32_t kInputFlags = runtime::kUnitVisible | runtime::kUnitTabStop;
constexpr std::uint32_t kHiddenButtonFlags = runtime::kUnitTabStop;

// The rule labels draw the grid with rows of "-" and columns of "|".
constexpr std::string_view kRuleRow = "----------------------------";  // 28
constexpr std::string_view kRuleColumn =
    "|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|\r\n|";  // 15

// A control that the handlers address takes its id from main_window_ids.h;
// the ids of the others are written only in these rows.
struct LabelRow {
  std::string_view name;
  ControlId id;
  int left, top, width, height;
  std::string_view caption;
  std::uint32_t colour;
  int font_px;  // bold font of this character height, or kDefaultFont
  bool wrap = false;
};

// clang-format off
constexpr LabelRow kLabels[] = {
    // Palace grid: rules and palace captions.
    {"标签1",  0x16010002,  24, 128, 696,  16, kRuleRow, kRed, 48},
    {"标签2",  0x16010003,  24, 320, 696,  16, kRuleRow, kRed, 48},
    {"标签3",  0x16010004, 234,  16,  30, 448, kRuleColumn, kRed, 56, kWrap},
    {"标签4",  0x16010005, 475,  16,  30, 448, kRuleColumn, kRed, 56, kWrap},
    {"标签5",  0x16010006, 328, 440, 112,  24, "坎一宫 正北方 为水", kBlue, kDefaultFont},
    {"标签6",  0x16010007, 576, 104, 112,  24, "坤二宫 西南方 为土", kBlue, kDefaultFont},
    {"标签7",  0x16010008,  72, 256, 136,  24, "震三宫 东方 为雷 属木", kBlue, kDefaultFont},
    {"标签8",  0x16010009,  72, 104, 144,  24, "巽四宫 东南方 为风 属木", kBlue, kDefaultFont},
    {"标签9",  0x1601000A, 336, 264,  48,  24, "五中宫", kBlue, kDefaultFont},
    {"标签10", 0x1601000B, 576, 440, 144,  24, "乾六宫 西北方 为天 属金", kBlue, kDefaultFont},
    {"标签11", 0x1601000C, 576, 256, 128,  24, "兑七宫 西方 为口 属金", kBlue, kDefaultFont},
    {"标签12", 0x1601000D,  72, 440, 144,  24, "艮八宫 东北方 为山 属土", kBlue, kDefaultFont},
    {"标签13", 0x1601000E, 336, 104, 112,  24, "离九宫 南方 为火", kBlue, kDefaultFont},
    // Markers and the centre palace's summary texts.
    {"标签22", kCentreMarkerLabel, 512, 192,  20,  20, "禽", kRed, 16},
    {"标签26", kHorseMarkerLabel, 512, 160,  20,  20, "馬", kRed, 16},
    {"标签27", kVoidMarkerLabel1, 536, 192,  20,  20, "空", kRed, 16},
    {"标签28", kVoidMarkerLabel2, 536, 160,  20,  20, "空", kRed, 16},
    {"标签24", kTermLabel, 264, 240, 112,  20, "", kGreen, kDefaultFont},
    {"标签23", kXunLabel, 264, 264,  56,  20, "", kGreen, kDefaultFont},
    {"标签25", kDutyLabel, 264, 296, 200,  20, "", kGreen, kDefaultFont},
    // Units of the date and hour inputs.
    {"标签31", 0x16010824, 152, 488,  16,  24, "年", kGreen, kDefaultFont},
    {"标签32", 0x16010825, 224, 488,  16,  24, "月", kGreen, kDefaultFont},
    {"标签33", 0x16010826, 304, 488,  16,  24, "日", kGreen, kDefaultFont},
    {"标签34", 0x16010827, 384, 488,  24,  24, "时", kGreen, kDefaultFont},
    // Ring-order captions and counters, off-screen.
    {"标签14", 0x160100B2, -848, 384, 80, 24, "当前八门顺序：", kGreen, kDefaultFont},
    {"标签15", kCounterLabels[0], -752, 384, 16, 26, "1", kRed, kDefaultFont},
    {"标签17", 0x160100C2, -616, 384, 80, 24, "当前九星顺序：", kGreen, kDefaultFont},
    {"标签16", kCounterLabels[1], -520, 384, 16, 26, "1", kRed, kDefaultFont},
    {"标签19", 0x1601013B, -512, 440, 80, 24, "当前八神顺序：", kGreen, kDefaultFont},
    {"标签18", kCounterLabels[2], -416, 440, 16, 26, "1", kRed, kDefaultFont},
    {"标签21", 0x16010250, -848, 440, 80, 24, "当前三奇六仪：", kGreen, kDefaultFont},
    {"标签20", kCounterLabels[3], -752, 440, 16, 26, "1", kRed, kDefaultFont},
    // Credits.
    {"标签29", 0x16010822,  56, 520, 224,  24, "Veltrane 奇门遁甲时家排盘", kGreen, 14},
    {"标签30", 0x16010823, 344, 520, 376,  32, "按日期时辰自动排出奇门时盘，并可复制为文本",
     kRed, 14},
};
// clang-format on

// The item lists of the drop-down boxes are the chart's vocabulary, so that a
// box's selection is the index the plate model works with.
enum class Items { Stems, Stars, Gates, Deities, CounterDeities };
constexpr std::array<std::span<const std::string_view>, 5> kItemLists = {
    chart::kInstrumentItems, chart::kStarItems, chart::kGateItems, chart::kDeityItems,
    chart::kCounterDeityItems};

struct ComboRow {
  std::string_view name;
  ControlId id;
  int left, top;
  Items items;
  int selection;  // stored current selection
};

// Every drop-down box is stored 56 × 20.
constexpr int kComboWidth = 56;
constexpr int kComboHeight = 20;

// clang-format off
constexpr ComboRow kCombos[] = {
    // Ring boxes, by ring position: 坎1, 乾6, 兑7, 坤2, 离9, 巽4, 震3, 艮8.
    {"门1", kGateBoxes[0], 336, 416, Items::Gates, 1},
    {"门2", kGateBoxes[1], 576, 416, Items::Gates, 0},
    {"门3", kGateBoxes[2], 576, 232, Items::Gates, 7},
    {"门4", kGateBoxes[3], 576,  80, Items::Gates, 6},
    {"门5", kGateBoxes[4], 336,  80, Items::Gates, 5},
    {"门6", kGateBoxes[5],  88,  80, Items::Gates, 4},
    {"门7", kGateBoxes[6],  88, 232, Items::Gates, 3},
    {"门8", kGateBoxes[7],  88, 416, Items::Gates, 2},
    {"八神1", kDeityBoxes[0], 336, 352, Items::Deities, 0},
    {"八神2", kDeityBoxes[1], 576, 352, Items::Deities, 1},
    {"八神3", kDeityBoxes[2], 576, 168, Items::Deities, 2},
    {"八神4", kDeityBoxes[3], 576,  16, Items::Deities, 3},
    {"八神5", kDeityBoxes[4], 336,  16, Items::Deities, 4},
    {"八神6", kDeityBoxes[5],  88,  16, Items::Deities, 5},
    {"八神7", kDeityBoxes[6],  88, 168, Items::Deities, 6},
    {"八神8", kDeityBoxes[7],  88, 352, Items::Deities, 7},
    {"星1", kStarBoxes[0], 336, 384, Items::Stars, 0},
    {"星2", kStarBoxes[1], 576, 384, Items::Stars, 8},  // past the last item: shows 天心
    {"星3", kStarBoxes[2], 576, 200, Items::Stars, 6},
    {"星4", kStarBoxes[3], 576,  48, Items::Stars, 5},
    {"星5", kStarBoxes[4], 336,  48, Items::Stars, 4},
    {"星6", kStarBoxes[5],  88,  48, Items::Stars, 3},
    {"星7", kStarBoxes[6],  88, 200, Items::Stars, 2},
    {"星8", kStarBoxes[7],  88, 384, Items::Stars, 1},
    {"反扑1", kCounterDeityBoxes[0], 264, 416, Items::CounterDeities, 0},
    {"反扑2", kCounterDeityBoxes[1], 504, 416, Items::CounterDeities, 1},
    {"反扑3", kCounterDeityBoxes[2], 504, 232, Items::CounterDeities, 2},
    {"反扑4", kCounterDeityBoxes[3], 504,  80, Items::CounterDeities, 3},
    {"反扑5", kCounterDeityBoxes[4], 264,  80, Items::CounterDeities, 4},
    {"反扑6", kCounterDeityBoxes[5],  16,  80, Items::CounterDeities, 5},
    {"反扑7", kCounterDeityBoxes[6],  16, 232, Items::CounterDeities, 6},
    {"反扑8", kCounterDeityBoxes[7],  16, 416, Items::CounterDeities, 7},
    // Stem boxes, by palace 1..9; box i stores selection i − 1.
    {"天干支1", kHeavenStemBoxes[0], 408, 384, Items::Stems, 0},
    {"天干支2", kHeavenStemBoxes[1], 648,  48, Items::Stems, 1},
    {"天干支3", kHeavenStemBoxes[2], 160, 200, Items::Stems, 2},
    {"天干支4", kHeavenStemBoxes[3], 160,  48, Items::Stems, 3},
    {"天干支5", kHeavenStemBoxes[4], 504, 232, Items::Stems, 4},
    {"天干支6", kHeavenStemBoxes[5], 648, 384, Items::Stems, 5},
    {"天干支7", kHeavenStemBoxes[6], 648, 200, Items::Stems, 6},
    {"天干支8", kHeavenStemBoxes[7], 160, 384, Items::Stems, 7},
    {"天干支9", kHeavenStemBoxes[8], 408,  48, Items::Stems, 8},
    {"地干支1", kEarthStemBoxes[0], 408, 416, Items::Stems, 0},
    {"地干支2", kEarthStemBoxes[1], 648,  80, Items::Stems, 1},
    {"地干支3", kEarthStemBoxes[2], 160, 232, Items::Stems, 2},
    {"地干支4", kEarthStemBoxes[3], 160,  80, Items::Stems, 3},
    {"地干支5", kEarthStemBoxes[4], 392, 256, Items::Stems, 4},
    {"地干支6", kEarthStemBoxes[5], 648, 416, Items::Stems, 5},
    {"地干支7", kEarthStemBoxes[6], 648, 232, Items::Stems, 6},
    {"地干支8", kEarthStemBoxes[7], 160, 416, Items::Stems, 7},
    {"地干支9", kEarthStemBoxes[8], 408,  80, Items::Stems, 8},
    {"暗干1", kHiddenStemBoxes[0], 264, 384, Items::Stems, 0},
    {"暗干2", kHiddenStemBoxes[1], 504,  48, Items::Stems, 1},
    {"暗干3", kHiddenStemBoxes[2],  16, 200, Items::Stems, 2},
    {"暗干4", kHiddenStemBoxes[3],  16,  48, Items::Stems, 3},
    {"暗干5", kHiddenStemBoxes[4], 264, 208, Items::Stems, 4},
    {"暗干6", kHiddenStemBoxes[5], 504, 384, Items::Stems, 5},
    {"暗干7", kHiddenStemBoxes[6], 504, 200, Items::Stems, 6},
    {"暗干8", kHiddenStemBoxes[7],  16, 384, Items::Stems, 7},
    {"暗干9", kHiddenStemBoxes[8], 264,  48, Items::Stems, 8},
};
// clang-format on

struct EditRow {
  std::string_view name;
  ControlId id;
  int left, top, width, height;
  std::string_view content;
  runtime::InputMode input_mode;
  int max_length;
  runtime::SpinMode spin_mode;
  int spin_min, spin_max;
};

// clang-format off
constexpr EditRow kEdits[] = {
    {"编辑框2", kPillarsBox, 264, 176, 208, 24, "", runtime::InputMode::ReadOnly, 0,
     runtime::SpinMode::None, 0, 100},
    {"编辑框1", kYearBox,  88, 488,  32, 24, "2015", runtime::InputMode::Integer, 4,
     runtime::SpinMode::Automatic, 1800, 2999},
    {"编辑框3", kMonthBox, 176, 488,  24, 24, "12", runtime::InputMode::Integer, 2,
     runtime::SpinMode::Automatic, 1, 12},
    {"编辑框4", kDayBox, 252, 488,  24, 24, "31", runtime::InputMode::Integer, 2,
     runtime::SpinMode::Automatic, 1, 31},
    // Hours run 0..23, the range the pillar arithmetic and the date-time text accept.
    {"编辑框5", kHourBox, 328, 488,  24, 24, "24", runtime::InputMode::Integer, 2,
     runtime::SpinMode::Automatic, 0, 23},
};
// clang-format on

struct ButtonRow {
  std::string_view name;
  ControlId id;
  int left, top;
  std::string_view caption;
  std::uint32_t flags;
  Handler on_click;
};

constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 32;

// clang-format off
constexpr ButtonRow kButtons[] = {
    {"按钮8",  kPlotButton,  416, 480, "自动排盘",   kInputFlags, Handler::PlotChart},
    {"按钮9",  kCopyButton,  528, 480, "复制排盘",   kInputFlags, Handler::CopyChartText},
    // Turning buttons, outside the client area; the last two also hidden.
    {"按钮1",  kStepGatesButton, -728, 384, "转八门",     kInputFlags, Handler::StepGates},
    {"按钮2",  kStepStarsButton, -496, 384, "转九星",     kInputFlags, Handler::StepStars},
    {"按钮3",  kStepDeitiesYinButton, -392, 440, "阴逆转八神", kInputFlags, Handler::StepDeitiesYin},
    {"按钮4",  kStepEarthYinButton, -728, 440, "阴逆转地干", kInputFlags, Handler::StepEarthYin},
    {"按钮5",  kStepEarthYangButton, -632, 440, "阳顺转地干", kInputFlags, Handler::StepEarthYang},
    {"按钮6",  kStepDeitiesYangButton, -296, 440, "阳顺转八神", kInputFlags, Handler::StepDeitiesYang},
    {"按钮7",  kResetButton, -296, 384, "重置排盘",   kInputFlags, Handler::ResetChart},
    {"按钮10", kStepHiddenYinButton, -272, 448, "逆转暗干",   kHiddenButtonFlags, Handler::StepHiddenYin},
    {"按钮11", kStepHiddenYangButton, -176, 448, "顺转暗干",   kHiddenButtonFlags, Handler::StepHiddenYang},
};
// clang-format on

// Template order: stacking from the top, created from the bottom.
// clang-format off
constexpr std::string_view kTemplateOrder[] = {
    "标签34", "标签33", "标签32", "标签31", "标签30", "标签29",
    "编辑框5", "编辑框4", "编辑框3",
    "反扑8", "反扑7", "反扑6", "反扑5", "反扑4", "反扑3", "反扑2", "反扑1",
    "按钮11", "按钮10",
    "暗干9", "暗干8", "暗干7", "暗干6", "暗干5", "暗干4", "暗干3", "暗干2", "暗干1",
    "标签28", "标签27", "标签26", "按钮9", "标签25", "标签23", "标签24",
    "编辑框2", "按钮8", "编辑框1", "按钮7", "标签22",
    "天干支9", "天干支8", "天干支7", "天干支6", "天干支5", "天干支4", "天干支3", "天干支2", "天干支1",
    "按钮6",
    "地干支9", "地干支8", "地干支7", "地干支6", "地干支5", "地干支4", "地干支3", "地干支2",
    "按钮5", "标签20", "标签21", "按钮4", "地干支1", "标签18", "标签19", "按钮3",
    "八神8", "八神7", "八神6", "八神5", "八神4", "八神3", "八神2", "八神1",
    "标签16", "标签17", "按钮2",
    "星2", "星3", "星4", "星5", "星6", "星7", "星8", "星1",
    "标签15", "标签14", "按钮1",
    "门5", "门6", "门4", "门7", "门3", "门2", "门8", "门1",
    "标签13", "标签12", "标签11", "标签10", "标签9", "标签8", "标签7", "标签6", "标签5",
    "标签4", "标签3", "标签2", "标签1",
};
// clang-format on

// Words of the window record that the runtime carries without reading.
constexpr std::uint32_t kWindowWord0 = 0x027A3678;
constexpr std::uint32_t kWindowWord1 = 0x19010019;

std::string Gbk(std::string_view utf8) { return runtime::GbkFromUtf8(utf8); }

UnitDescription Unit(std::string_view name, ControlId id, TypeCode type, int left, int top,
                     int width, int height, std::uint32_t flags) {
  UnitDescription u;
  u.id = id;
  u.type_code = static_cast<std::uint32_t>(type);
  u.name = Gbk(name);
  u.left = left;
  u.top = top;
  u.width = width;
  u.height = height;
  u.flags = flags;
  return u;
}

UnitDescription LabelUnit(const LabelRow& r) {
  UnitDescription u =
      Unit(r.name, r.id, TypeCode::Label, r.left, r.top, r.width, r.height, kLabelFlags);
  runtime::LabelBlock block;
  block.caption = Gbk(r.caption);
  block.text_colour = r.colour;
  block.background = kBlack;
  if (r.font_px != kDefaultFont) block.font = runtime::BoldFont(r.font_px);
  block.word_wrap = r.wrap ? 1 : 0;
  block.h_align = 0;
  block.v_align = 1;
  u.type_block = block.Encode();
  return u;
}

std::vector<std::string> ItemTexts(Items items) {
  std::vector<std::string> texts;
  for (std::string_view item : kItemLists[static_cast<std::size_t>(items)]) {
    texts.push_back(Gbk(item));
  }
  return texts;
}

UnitDescription ComboUnit(const ComboRow& r) {
  UnitDescription u =
      Unit(r.name, r.id, TypeCode::ComboBox, r.left, r.top, kComboWidth, kComboHeight, kInputFlags);
  runtime::ComboBoxBlock block;
  block.style = 2;  // drop-down list, no editing
  block.sorted = 0;
  block.extra_item_height = 1;
  block.text_colour = kBlack;
  block.background = 0xFFFFFF;
  block.selection = r.selection;
  block.items = ItemTexts(r.items);
  u.type_block = block.Encode();
  return u;
}

UnitDescription EditUnit(const EditRow& r) {
  UnitDescription u =
      Unit(r.name, r.id, TypeCode::EditBox, r.left, r.top, r.width, r.height, kInputFlags);
  runtime::EditBoxBlock block;
  block.content = Gbk(r.content);
  block.border_style = 1;
  block.text_colour = kBlack;
  block.background = 0xFFFFFF;
  block.hide_selection = 1;
  block.max_length = r.max_length;
  block.input_mode = static_cast<std::int32_t>(r.input_mode);
  block.spin_mode = static_cast<std::int32_t>(r.spin_mode);
  block.spin_min = r.spin_min;
  block.spin_max = r.spin_max;
  u.type_block = block.Encode();
  return u;
}

UnitDescription ButtonUnit(const ButtonRow& r) {
  UnitDescription u =
      Unit(r.name, r.id, TypeCode::Button, r.left, r.top, kButtonWidth, kButtonHeight, r.flags);
  runtime::ButtonBlock block;
  block.caption = Gbk(r.caption);
  u.type_block = block.Encode();
  u.events = {{0, HandlerRef(r.on_click)}};
  return u;
}

UnitDescription WindowUnit() {
  UnitDescription u =
      Unit("", runtime::kWindowUnitId, TypeCode::Window, 50, 50, 792, 586, runtime::kUnitVisible);
  runtime::WindowBlock block;
  block.caption = "Veltrane";
  block.border_style = 2;  // fixed frame
  block.background = kBlack;
  block.control_box = 1;
  block.minimise_box = 1;
  block.maximise_box = 0;
  block.closable = 1;
  block.position = 1;  // centred on the screen
  u.type_block = block.Encode();
  u.events = {{0, HandlerRef(Handler::OnMainWindowCreated)}};
  return u;
}

// The control named name, from whichever table holds it.
UnitDescription ControlUnit(std::string_view name) {
  for (const LabelRow& r : kLabels) {
    if (r.name == name) return LabelUnit(r);
  }
  for (const ComboRow& r : kCombos) {
    if (r.name == name) return ComboUnit(r);
  }
  for (const EditRow& r : kEdits) {
    if (r.name == name) return EditUnit(r);
  }
  for (const ButtonRow& r : kButtons) {
    if (r.name == name) return ButtonUnit(r);
  }
  std::abort();  // a name of the template order missing from the tables is a bug
}

constexpr std::size_t kControlCount =
    std::size(kLabels) + std::size(kCombos) + std::size(kEdits) + std::size(kButtons);
static_assert(kControlCount == 109, "the main window has 109 controls");
static_assert(std::size(kTemplateOrder) == kControlCount, "every control has its place");

}  // namespace

runtime::WindowDescription MainWindowDescription() {
  runtime::WindowDescription w;
  w.id = kMainWindow;
  w.word0 = kWindowWord0;
  w.word1 = kWindowWord1;
  w.units.reserve(kControlCount + 1);
  w.units.push_back(WindowUnit());
  for (std::string_view name : kTemplateOrder) w.units.push_back(ControlUnit(name));
  return w;
}

std::vector<std::uint8_t> MainWindowTemplate() {
  const runtime::WindowDescription window = MainWindowDescription();
  return runtime::WriteWindowTemplate(std::span(&window, 1));
}

}  // namespace veltrane::ui
