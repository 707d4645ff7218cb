// The main window's template, read back through the template reader and the
// type-block decoders and compared unit by unit with the window's layout as
// written down here from the window's design tables.
#include "ui/main_window_template.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/text/gbk.h"
#include "form/controls/button_block.h"
#include "form/controls/combo_box_block.h"
#include "form/controls/edit_box_block.h"
#include "form/controls/label_block.h"
#include "form/controls/log_font.h"
#include "form/controls/window_block.h"
#include "form/template/window_template.h"
#include "ui/copy_chart_handler.h"
#include "ui/handlers.h"
#include "ui/plot_chart_handler.h"
#include "ui/ring_handlers.h"
#include "ui/start_up_handler.h"

namespace veltrane::ui {
namespace {

using runtime::TypeCode;
using runtime::UnitDescription;

std::string G(std::string_view utf8) { return runtime::GbkFromUtf8(utf8); }

// ---------------------------------------------------------------------------
// The layout, transcribed table by table.

// Template order, with the runs the design writes as "X9 down to X1".
std::vector<std::string> ExpectedOrder() {
  std::vector<std::string> order;
  auto add = [&](std::initializer_list<const char*> names) {
    for (const char* n : names) order.push_back(n);
  };
  auto down = [&](const std::string& stem, int from, int to) {
    for (int i = from; i >= to; --i) order.push_back(stem + std::to_string(i));
  };
  add({"标签34", "标签33", "标签32", "标签31", "标签30", "标签29", "编辑框5", "编辑框4",
       "编辑框3"});
  down("反扑", 8, 1);
  add({"按钮11", "按钮10"});
  down("暗干", 9, 1);
  add({"标签28", "标签27", "标签26", "按钮9", "标签25", "标签23", "标签24", "编辑框2", "按钮8",
       "编辑框1", "按钮7", "标签22"});
  down("天干支", 9, 1);
  add({"按钮6"});
  down("地干支", 9, 2);
  add({"按钮5", "标签20", "标签21", "按钮4", "地干支1", "标签18", "标签19", "按钮3"});
  down("八神", 8, 1);
  add({"标签16", "标签17", "按钮2", "星2", "星3", "星4", "星5", "星6", "星7", "星8", "星1",
       "标签15", "标签14", "按钮1", "门5", "门6", "门4", "门7", "门3", "门2", "门8", "门1"});
  down("标签", 13, 1);
  return order;
}

struct Rect {
  int left, top, width, height;
};

struct ExpectedLabel {
  Rect rect;
  std::string caption;  // UTF-8
  std::uint32_t colour;
  int bold_px = 0;  // 0: default font
  bool wrap = false;
};

struct ExpectedCombo {
  int left, top;
  std::vector<std::string> items;
  int selection;
};

struct ExpectedEdit {
  Rect rect;
  std::string content;
  int input_mode, max_length, spin_mode, spin_min, spin_max;
};

struct ExpectedButton {
  int left, top;
  std::string caption;
  bool shown;
  Handler handler;
};

struct Expected {
  std::uint32_t id;
  TypeCode type;
  std::optional<ExpectedLabel> label;
  std::optional<ExpectedCombo> combo;
  std::optional<ExpectedEdit> edit;
  std::optional<ExpectedButton> button;
};

const std::vector<std::string> kGates = {"开门", "休门", "生门", "伤门",
                                         "杜门", "景门", "死门", "惊门"};
const std::vector<std::string> kStars = {"天蓬", "天任", "天冲", "天辅",
                                         "天英", "天芮", "天柱", "天心"};
const std::vector<std::string> kDeities = {"九地", "九天", "值符", "腾蛇",
                                           "太阴", "六合", "白虎", "玄武"};
const std::vector<std::string> kShortDeities = {"地", "天", "符", "蛇", "阴", "六", "白", "玄"};
const std::vector<std::string> kStems = {"乙", "丙", "丁", "癸", "壬", "辛", "庚", "己", "戊"};

std::map<std::string, Expected> ExpectedControls() {
  std::map<std::string, Expected> e;
  auto label = [&](const char* name, std::uint32_t id, Rect r, std::string caption,
                   std::uint32_t colour, int px = 0, bool wrap = false) {
    e[name] = {id, TypeCode::Label, ExpectedLabel{r, caption, colour, px, wrap}, {}, {}, {}};
  };
  auto combo = [&](const std::string& name, std::uint32_t id, int left, int top,
                   const std::vector<std::string>& items, int sel) {
    e[name] = {id, TypeCode::ComboBox, {}, ExpectedCombo{left, top, items, sel}, {}, {}};
  };
  auto edit = [&](const char* name, std::uint32_t id, Rect r, std::string content, int mode,
                  int max_length, int spin, int lo, int hi) {
    e[name] = {
        id, TypeCode::EditBox, {}, {}, ExpectedEdit{r, content, mode, max_length, spin, lo, hi},
        {}};
  };
  auto button = [&](const char* name, std::uint32_t id, int left, int top, std::string caption,
                    bool shown, Handler h) {
    e[name] = {id, TypeCode::Button, {}, {}, {}, ExpectedButton{left, top, caption, shown, h}};
  };

  // Palace grid.
  const std::string dashes(28, '-');
  std::string bars = "|";
  for (int i = 1; i < 15; ++i) bars += "\r\n|";
  label("标签1", 0x16010002, {24, 128, 696, 16}, dashes, 0x0000FF, 48);
  label("标签2", 0x16010003, {24, 320, 696, 16}, dashes, 0x0000FF, 48);
  label("标签3", 0x16010004, {234, 16, 30, 448}, bars, 0x0000FF, 56, true);
  label("标签4", 0x16010005, {475, 16, 30, 448}, bars, 0x0000FF, 56, true);
  label("标签5", 0x16010006, {328, 440, 112, 24}, "坎一宫 正北方 为水", 0xC06000);
  label("标签6", 0x16010007, {576, 104, 112, 24}, "坤二宫 西南方 为土", 0xC06000);
  label("标签7", 0x16010008, {72, 256, 136, 24}, "震三宫 东方 为雷 属木", 0xC06000);
  label("标签8", 0x16010009, {72, 104, 144, 24}, "巽四宫 东南方 为风 属木", 0xC06000);
  label("标签9", 0x1601000A, {336, 264, 48, 24}, "五中宫", 0xC06000);
  label("标签10", 0x1601000B, {576, 440, 144, 24}, "乾六宫 西北方 为天 属金", 0xC06000);
  label("标签11", 0x1601000C, {576, 256, 128, 24}, "兑七宫 西方 为口 属金", 0xC06000);
  label("标签12", 0x1601000D, {72, 440, 144, 24}, "艮八宫 东北方 为山 属土", 0xC06000);
  label("标签13", 0x1601000E, {336, 104, 112, 24}, "离九宫 南方 为火", 0xC06000);

  // Ring boxes: one row per ring place, gate / deity / star / counter deity.
  // clang-format off
  struct RingRow {
    std::uint32_t gate_id; int gl, gt, gsel;
    std::uint32_t deity_id; int dl, dt, dsel;
    std::uint32_t star_id; int sl, st, ssel;
    std::uint32_t counter_id; int cl, ct, csel;
  };
  const RingRow ring[8] = {
      {0x16010011, 336, 416, 1, 0x16010132, 336, 352, 0, 0x160100B7, 336, 384, 0, 0x160106FA, 264, 416, 0},
      {0x16010013, 576, 416, 0, 0x16010133, 576, 352, 1, 0x160100BF, 576, 384, 8, 0x160106FB, 504, 416, 1},
      {0x16010014, 576, 232, 7, 0x16010134, 576, 168, 2, 0x160100BE, 576, 200, 6, 0x160106FC, 504, 232, 2},
      {0x16010016, 576, 80, 6, 0x16010135, 576, 16, 3, 0x160100BD, 576, 48, 5, 0x160106FD, 504, 80, 3},
      {0x16010018, 336, 80, 5, 0x16010136, 336, 16, 4, 0x160100BC, 336, 48, 4, 0x160106FE, 264, 80, 4},
      {0x16010017, 88, 80, 4, 0x16010137, 88, 16, 5, 0x160100BA, 88, 48, 3, 0x160106FF, 16, 80, 5},
      {0x16010015, 88, 232, 3, 0x16010138, 88, 168, 6, 0x160100B9, 88, 200, 2, 0x16010700, 16, 232, 6},
      {0x16010012, 88, 416, 2, 0x16010139, 88, 352, 7, 0x160100B8, 88, 384, 1, 0x16010701, 16, 416, 7},
  };
  // clang-format on
  for (int k = 1; k <= 8; ++k) {
    const RingRow& r = ring[k - 1];
    const std::string n = std::to_string(k);
    combo("门" + n, r.gate_id, r.gl, r.gt, kGates, r.gsel);
    combo("八神" + n, r.deity_id, r.dl, r.dt, kDeities, r.dsel);
    combo("星" + n, r.star_id, r.sl, r.st, kStars, r.ssel);
    combo("反扑" + n, r.counter_id, r.cl, r.ct, kShortDeities, r.csel);
  }

  // Stem boxes: one row per palace, heaven / earth / hidden.
  // clang-format off
  struct StemRow {
    std::uint32_t heaven_id; int hl, ht;
    std::uint32_t earth_id; int el, et;
    std::uint32_t hidden_id; int dl, dt;
  };
  const StemRow stems[9] = {
      {0x16010384, 408, 384, 0x16010247, 408, 416, 0x16010687, 264, 384},
      {0x16010385, 648, 48, 0x16010259, 648, 80, 0x16010688, 504, 48},
      {0x16010386, 160, 200, 0x1601025A, 160, 232, 0x16010689, 16, 200},
      {0x16010387, 160, 48, 0x1601025B, 160, 80, 0x1601068A, 16, 48},
      {0x16010388, 504, 232, 0x1601025C, 392, 256, 0x1601068B, 264, 208},
      {0x16010389, 648, 384, 0x1601025D, 648, 416, 0x1601068C, 504, 384},
      {0x1601038A, 648, 200, 0x1601025E, 648, 232, 0x1601068D, 504, 200},
      {0x1601038B, 160, 384, 0x1601025F, 160, 416, 0x1601068E, 16, 384},
      {0x1601038C, 408, 48, 0x16010260, 408, 80, 0x1601068F, 264, 48},
  };
  // clang-format on
  for (int p = 1; p <= 9; ++p) {
    const StemRow& r = stems[p - 1];
    const std::string n = std::to_string(p);
    combo("天干支" + n, r.heaven_id, r.hl, r.ht, kStems, p - 1);
    combo("地干支" + n, r.earth_id, r.el, r.et, kStems, p - 1);
    combo("暗干" + n, r.hidden_id, r.dl, r.dt, kStems, p - 1);
  }

  // Markers and summary texts.
  label("标签22", 0x160103FD, {512, 192, 20, 20}, "禽", 0x0000FF, 16);
  label("标签26", 0x16010650, {512, 160, 20, 20}, "馬", 0x0000FF, 16);
  label("标签27", 0x16010664, {536, 192, 20, 20}, "空", 0x0000FF, 16);
  label("标签28", 0x16010665, {536, 160, 20, 20}, "空", 0x0000FF, 16);
  edit("编辑框2", 0x16010477, {264, 176, 208, 24}, "", 1, 0, 0, 0, 100);
  label("标签24", 0x160104B1, {264, 240, 112, 20}, "", 0x00FF00);
  label("标签23", 0x16010525, {264, 264, 56, 20}, "", 0x00FF00);
  label("标签25", 0x16010526, {264, 296, 200, 20}, "", 0x00FF00);

  // Date and hour inputs with their unit labels; the hour runs 0..23.
  edit("编辑框1", 0x16010453, {88, 488, 32, 24}, "2015", 3, 4, 1, 1800, 2999);
  edit("编辑框3", 0x16010810, {176, 488, 24, 24}, "12", 3, 2, 1, 1, 12);
  edit("编辑框4", 0x16010812, {252, 488, 24, 24}, "31", 3, 2, 1, 1, 31);
  edit("编辑框5", 0x16010814, {328, 488, 24, 24}, "24", 3, 2, 1, 0, 23);
  label("标签31", 0x16010824, {152, 488, 16, 24}, "年", 0x00FF00);
  label("标签32", 0x16010825, {224, 488, 16, 24}, "月", 0x00FF00);
  label("标签33", 0x16010826, {304, 488, 16, 24}, "日", 0x00FF00);
  label("标签34", 0x16010827, {384, 488, 24, 24}, "时", 0x00FF00);

  // Buttons.
  button("按钮8", 0x16010454, 416, 480, "自动排盘", true, Handler::PlotChart);
  button("按钮9", 0x160105FA, 528, 480, "复制排盘", true, Handler::CopyChartText);
  button("按钮1", 0x1601004E, -728, 384, "转八门", true, Handler::StepGates);
  button("按钮2", 0x160100C3, -496, 384, "转九星", true, Handler::StepStars);
  button("按钮3", 0x1601013C, -392, 440, "阴逆转八神", true, Handler::StepDeitiesYin);
  button("按钮4", 0x16010251, -728, 440, "阴逆转地干", true, Handler::StepEarthYin);
  button("按钮5", 0x16010257, -632, 440, "阳顺转地干", true, Handler::StepEarthYang);
  button("按钮6", 0x16010330, -296, 440, "阳顺转八神", true, Handler::StepDeitiesYang);
  button("按钮7", 0x1601041D, -296, 384, "重置排盘", true, Handler::ResetChart);
  button("按钮10", 0x16010690, -272, 448, "逆转暗干", false, Handler::StepHiddenYin);
  button("按钮11", 0x16010691, -176, 448, "顺转暗干", false, Handler::StepHiddenYang);

  // Ring-order captions and counters.
  label("标签14", 0x160100B2, {-848, 384, 80, 24}, "当前八门顺序：", 0x00FF00);
  label("标签15", 0x160100B3, {-752, 384, 16, 26}, "1", 0x0000FF);
  label("标签17", 0x160100C2, {-616, 384, 80, 24}, "当前九星顺序：", 0x00FF00);
  label("标签16", 0x160100C1, {-520, 384, 16, 26}, "1", 0x0000FF);
  label("标签19", 0x1601013B, {-512, 440, 80, 24}, "当前八神顺序：", 0x00FF00);
  label("标签18", 0x1601013A, {-416, 440, 16, 26}, "1", 0x0000FF);
  label("标签21", 0x16010250, {-848, 440, 80, 24}, "当前三奇六仪：", 0x00FF00);
  label("标签20", 0x1601024F, {-752, 440, 16, 26}, "1", 0x0000FF);

  // Credits: their texts are the program's own choice (checked separately).
  label("标签29", 0x16010822, {56, 520, 224, 24}, "", 0x00FF00, 14);
  label("标签30", 0x16010823, {344, 520, 376, 32}, "", 0x0000FF, 14);
  return e;
}

// ---------------------------------------------------------------------------

class MainWindowTemplateTest : public testing::Test {
 protected:
  void SetUp() override {
    auto read = runtime::ReadWindowTemplate(MainWindowTemplate());
    ASSERT_TRUE(read.ok()) << read.error().message;
    ASSERT_EQ(read->size(), 1u);
    const runtime::WindowRecord& w = (*read)[0];
    EXPECT_EQ(w.id, 0x52010001u);
    for (int i = 0; i < w.units.size(); ++i) units_.push_back(w.units.Unit(i));
  }
  std::vector<UnitDescription> units_;
};

TEST_F(MainWindowTemplateTest, WindowRecord) {
  ASSERT_EQ(units_.size(), 110u);
  const UnitDescription& w = units_[0];
  EXPECT_EQ(w.id, 0x06010000u);
  EXPECT_EQ(w.type_code, static_cast<std::uint32_t>(TypeCode::Window));
  EXPECT_EQ(w.name, "");
  EXPECT_EQ(w.left, 50);
  EXPECT_EQ(w.top, 50);
  EXPECT_EQ(w.width, 792);
  EXPECT_EQ(w.height, 586);
  EXPECT_EQ(w.flags, 1u);
  ASSERT_EQ(w.events.size(), 1u);
  EXPECT_EQ(w.events[0].event, 0);
  EXPECT_EQ(w.events[0].handler, HandlerRef(Handler::OnMainWindowCreated));

  auto block = runtime::WindowBlock::Decode(w.type_block);
  ASSERT_TRUE(block.ok()) << block.error().message;
  // Apart from the caption, only the background differs from the defaults.
  runtime::WindowBlock expected;
  expected.caption = "Veltrane";
  expected.background = 0x000000;
  EXPECT_EQ(*block, expected);
  EXPECT_EQ(block->version, 6u);
  EXPECT_EQ(block->border_style, 2);
  EXPECT_EQ(block->position, 1);
  EXPECT_EQ(block->maximise_box, 0);
  EXPECT_EQ(block->minimise_box, 1);
}

TEST_F(MainWindowTemplateTest, TemplateOrder) {
  const std::vector<std::string> order = ExpectedOrder();
  ASSERT_EQ(order.size(), 109u);
  ASSERT_EQ(units_.size(), 110u);
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(units_[i + 1].name, G(order[i])) << "record " << i + 1;
  }
}

TEST_F(MainWindowTemplateTest, EveryControlAsDesigned) {
  const std::map<std::string, Expected> expected = ExpectedControls();
  ASSERT_EQ(expected.size(), 109u);
  int checked = 0;
  for (const auto& [name, e] : expected) {
    SCOPED_TRACE(name);
    const UnitDescription* u = nullptr;
    for (const UnitDescription& unit : units_) {
      if (unit.name == G(name)) u = &unit;
    }
    ASSERT_NE(u, nullptr);
    ++checked;
    EXPECT_EQ(u->id, e.id);
    EXPECT_EQ(u->type_code, static_cast<std::uint32_t>(e.type));
    EXPECT_EQ(u->event_share, 0u);
    EXPECT_EQ(u->parent, 0u);
    EXPECT_TRUE(u->children.empty());
    EXPECT_EQ(u->tag, "");
    EXPECT_EQ(u->remark, "");
    EXPECT_EQ(u->cursor, (std::vector<std::uint8_t>{0, 0, 0, 0}));

    if (e.label) {
      const ExpectedLabel& l = *e.label;
      EXPECT_EQ(u->left, l.rect.left);
      EXPECT_EQ(u->top, l.rect.top);
      EXPECT_EQ(u->width, l.rect.width);
      EXPECT_EQ(u->height, l.rect.height);
      EXPECT_EQ(u->flags, 1u);
      EXPECT_TRUE(u->events.empty());
      auto b = runtime::LabelBlock::Decode(u->type_block);
      ASSERT_TRUE(b.ok()) << b.error().message;
      runtime::LabelBlock want;  // the type's defaults, then the window's settings
      want.caption = b->caption;
      if (name != "标签29" && name != "标签30") want.caption = G(l.caption);
      want.text_colour = l.colour;
      want.background = 0x000000;
      want.word_wrap = l.wrap ? 1 : 0;
      if (l.bold_px != 0) {
        runtime::LogFont font;
        font.height = -l.bold_px;
        font.weight = 700;
        font.char_set = 134;
        want.font = font;
      }
      EXPECT_EQ(b->caption, want.caption);
      EXPECT_EQ(b->text_colour, want.text_colour);
      EXPECT_EQ(b->font, want.font);
      EXPECT_EQ(*b, want);
      EXPECT_EQ(b->version, 2u);
      EXPECT_EQ(b->v_align, 1);
      EXPECT_EQ(b->h_align, 0);
    } else if (e.combo) {
      const ExpectedCombo& c = *e.combo;
      EXPECT_EQ(u->left, c.left);
      EXPECT_EQ(u->top, c.top);
      EXPECT_EQ(u->width, 56);
      EXPECT_EQ(u->height, 20);
      EXPECT_EQ(u->flags, 5u);
      EXPECT_TRUE(u->events.empty());
      auto b = runtime::ComboBoxBlock::Decode(u->type_block);
      ASSERT_TRUE(b.ok()) << b.error().message;
      runtime::ComboBoxBlock want;
      want.style = 2;
      want.selection = c.selection;
      for (const std::string& item : c.items) want.items.push_back(G(item));
      EXPECT_EQ(b->selection, want.selection);
      EXPECT_EQ(b->items, want.items);
      EXPECT_EQ(*b, want);
      EXPECT_EQ(b->version, 3u);
      EXPECT_EQ(b->extra_item_height, 1);
      EXPECT_EQ(b->background, 0xFFFFFFu);
    } else if (e.edit) {
      const ExpectedEdit& x = *e.edit;
      EXPECT_EQ(u->left, x.rect.left);
      EXPECT_EQ(u->top, x.rect.top);
      EXPECT_EQ(u->width, x.rect.width);
      EXPECT_EQ(u->height, x.rect.height);
      EXPECT_EQ(u->flags, 5u);
      EXPECT_TRUE(u->events.empty());
      auto b = runtime::EditBoxBlock::Decode(u->type_block);
      ASSERT_TRUE(b.ok()) << b.error().message;
      runtime::EditBoxBlock want;
      want.content = G(x.content);
      want.input_mode = x.input_mode;
      want.max_length = x.max_length;
      want.spin_mode = x.spin_mode;
      want.spin_min = x.spin_min;
      want.spin_max = x.spin_max;
      EXPECT_EQ(b->content, want.content);
      EXPECT_EQ(b->spin_min, want.spin_min);
      EXPECT_EQ(b->spin_max, want.spin_max);
      EXPECT_EQ(*b, want);
      EXPECT_EQ(b->version, 2u);
      EXPECT_EQ(b->border_style, 1);
      EXPECT_EQ(b->hide_selection, 1);
      EXPECT_EQ(b->multi_line, 0);
    } else {
      ASSERT_TRUE(e.button.has_value());
      const ExpectedButton& x = *e.button;
      EXPECT_EQ(u->left, x.left);
      EXPECT_EQ(u->top, x.top);
      EXPECT_EQ(u->width, 80);
      EXPECT_EQ(u->height, 32);
      EXPECT_EQ(u->flags, x.shown ? 5u : 4u);
      ASSERT_EQ(u->events.size(), 1u);
      EXPECT_EQ(u->events[0].event, 0);
      EXPECT_EQ(u->events[0].handler, HandlerRef(x.handler));
      auto b = runtime::ButtonBlock::Decode(u->type_block);
      ASSERT_TRUE(b.ok()) << b.error().message;
      runtime::ButtonBlock want;
      want.caption = G(x.caption);
      EXPECT_EQ(*b, want);
      EXPECT_EQ(b->version, 1u);
    }
  }
  EXPECT_EQ(checked, 109);
}

TEST_F(MainWindowTemplateTest, CreditLabelsNameTheProgram) {
  for (const UnitDescription& u : units_) {
    if (u.name != G("标签29") && u.name != G("标签30")) continue;
    auto b = runtime::LabelBlock::Decode(u.type_block);
    ASSERT_TRUE(b.ok());
    EXPECT_FALSE(b->caption.empty());
    EXPECT_EQ(b->caption.find("http"), std::string::npos);
    EXPECT_EQ(b->caption.find("www"), std::string::npos);
    if (u.name == G("标签29")) {
      EXPECT_NE(b->caption.find("Veltrane"), std::string::npos);
    }
  }
}

TEST_F(MainWindowTemplateTest, UnitIdsAreUnique) {
  std::map<std::uint32_t, int> seen;
  for (const UnitDescription& u : units_) ++seen[u.id];
  for (const auto& [id, n] : seen) EXPECT_EQ(n, 1) << std::hex << id;
}

// The handler numbers of the template reach the routines they name.
TEST(HandlerTable, EveryNumberReachesItsRoutine) {
  const std::span<const WindowHandler> table = WindowHandlers();
  ASSERT_EQ(table.size(), static_cast<std::size_t>(kHandlerCount));
  const std::pair<Handler, WindowHandler> expected[] = {
      {Handler::OnMainWindowCreated, &OnMainWindowCreated},
      {Handler::PlotChart, &PlotChart},
      {Handler::CopyChartText, &CopyChartText},
      {Handler::ResetChart, &ResetChart},
      {Handler::StepEarthYin, &StepEarthYin},
      {Handler::StepEarthYang, &StepEarthYang},
      {Handler::StepStars, &StepStars},
      {Handler::StepGates, &StepGates},
      {Handler::StepDeitiesYin, &StepDeitiesYin},
      {Handler::StepDeitiesYang, &StepDeitiesYang},
      {Handler::StepHiddenYin, &StepHiddenYin},
      {Handler::StepHiddenYang, &StepHiddenYang},
  };
  for (const auto& [h, fn] : expected) EXPECT_EQ(table[HandlerRef(h)], fn);
}

}  // namespace
}  // namespace veltrane::ui
