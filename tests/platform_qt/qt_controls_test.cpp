// Controls on the desktop platform: creation, geometry, visibility, enabled
// state, texts, combo items and selection, stacking and focus.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/qt/label_widget.h"
#include "qt_test_support.h"

namespace veltrane::platform::test {
namespace {

using QtControlsTest = QtPlatformTest;

ComboLook GateCombo() {
  ComboLook look;
  for (const char* gate : {"开门", "休门", "生门", "伤门", "杜门", "景门", "死门", "惊门"}) {
    look.items.push_back(Gbk(gate));
  }
  return look;
}

// Every type is created hidden, shows and hides, enables and disables, and
// reports its live geometry in the window's client coordinates.
TEST_F(QtControlsTest, EveryTypeStartsHiddenAndFollowsVisibilityEnabledAndGeometry) {
  const std::vector<std::pair<const char*, Handle>> controls = {
      {"label", platform_->CreateLabel(At(24, 128, 96, 16), LabelLook{})},
      {"edit", platform_->CreateEdit(At(88, 188, 32, 24), EditLook{})},
      {"button", platform_->CreateButton(At(-728, 384, 80, 32), ButtonLook{})},
      {"combo", platform_->CreateComboBox(At(336, 16, 56, 160), GateCombo())},
  };
  for (const auto& [name, h] : controls) {
    SCOPED_TRACE(name);
    ASSERT_NE(h, 0u);
    EXPECT_FALSE(platform_->IsVisible(h));
    platform_->SetVisible(h, true);
    EXPECT_TRUE(platform_->IsVisible(h));
    EXPECT_TRUE(platform_->IsEnabled(h));
    platform_->SetEnabled(h, false);
    EXPECT_FALSE(platform_->IsEnabled(h));
    platform_->SetEnabled(h, true);
    const Rect before = platform_->GetRect(h);
    platform_->SetRect(h, Rect{before.left + 7, before.top - 3, before.width, before.height});
    const Rect after = platform_->GetRect(h);
    EXPECT_EQ(after.left, before.left + 7);
    EXPECT_EQ(after.top, before.top - 3);
    EXPECT_EQ(after.width, before.width);
    platform_->SetVisible(h, false);
    EXPECT_FALSE(platform_->IsVisible(h));
  }
}

TEST_F(QtControlsTest, StoredGeometryIsKeptExceptWhereTheControlNeedsMore) {
  const Handle label = platform_->CreateLabel(At(24, 128, 696, 16), LabelLook{});
  EXPECT_EQ(platform_->GetRect(label), (Rect{24, 128, 696, 16}));
  const Handle button = platform_->CreateButton(At(-728, 384, 80, 32), ButtonLook{});
  EXPECT_EQ(platform_->GetRect(button), (Rect{-728, 384, 80, 32}));
  // A single-line edit box shows one whole line of its font.
  const Handle low = platform_->CreateEdit(At(0, 0, 60, 4), EditLook{});
  EXPECT_GE(platform_->GetRect(low).height, 16);
  const Handle edit = platform_->CreateEdit(At(88, 488, 32, 24), EditLook{});
  EXPECT_EQ(platform_->GetRect(edit), (Rect{88, 488, 32, 24}));
  // A drop-down's stored height is its open list's; the closed box is one row.
  const Handle combo = platform_->CreateComboBox(At(336, 16, 56, 160), GateCombo());
  const Rect r = platform_->GetRect(combo);
  EXPECT_EQ(r.left, 336);
  EXPECT_EQ(r.width, 56);
  EXPECT_GT(r.height, 12);
  EXPECT_LT(r.height, 32);
}

TEST_F(QtControlsTest, DisabledAtCreationStaysDisabled) {
  CreateParams params = At(0, 0, 80, 32);
  params.disabled = true;
  const Handle button = platform_->CreateButton(params, ButtonLook{});
  EXPECT_FALSE(platform_->IsEnabled(button));
}

TEST_F(QtControlsTest, AControlWithoutALiveParentIsNotMade) {
  CreateParams params = At(0, 0, 80, 32);
  params.parent = 999;
  EXPECT_EQ(platform_->CreateButton(params, ButtonLook{}), 0u);
  EXPECT_EQ(platform_->CreateLabel(params, LabelLook{}), 0u);
}

// GBK texts round-trip through every kind of control that has one.
TEST_F(QtControlsTest, TextsRoundTripAsGbk) {
  const std::string text = Gbk("阳遁3局 甲子");
  const Handle edit = platform_->CreateEdit(At(0, 0, 200, 24), EditLook{});
  platform_->SetText(edit, text);
  EXPECT_EQ(platform_->GetText(edit), text);
  EXPECT_EQ(static_cast<QLineEdit*>(platform_->WidgetOf(edit))->text(),
            QStringLiteral("阳遁3局 甲子"));
  LabelLook label_look;
  label_look.caption = Gbk("坎一宫 正北方 为水");
  const Handle label = platform_->CreateLabel(At(0, 30, 112, 24), label_look);
  EXPECT_EQ(platform_->GetText(label), label_look.caption);
  platform_->SetText(label, text);
  EXPECT_EQ(platform_->GetText(label), text);
  ButtonLook button_look;
  button_look.caption = Gbk("自动排盘");
  const Handle button = platform_->CreateButton(At(0, 60, 80, 32), button_look);
  EXPECT_EQ(platform_->GetText(button), button_look.caption);
}

TEST_F(QtControlsTest, ProgramTextWritesRaiseNoChangeNotification) {
  const Handle edit = platform_->CreateEdit(At(0, 0, 60, 24), EditLook{});
  platform_->SetText(edit, "2015");
  EXPECT_TRUE(sink_.events.empty());
}

TEST_F(QtControlsTest, SelectionPositionsCountGbkBytes) {
  const Handle edit = platform_->CreateEdit(At(0, 0, 200, 24), EditLook{});
  platform_->SetText(edit, Gbk("甲乙ab丙"));
  auto* line = static_cast<QLineEdit*>(platform_->WidgetOf(edit));
  platform_->SetTextSelection(edit, 2, 3);  // bytes 2..4: 乙 and a
  EXPECT_EQ(line->selectedText(), QStringLiteral("乙a"));
  platform_->SetTextSelection(edit, 4, -1);
  EXPECT_EQ(line->selectedText(), QStringLiteral("ab丙"));
  platform_->SelectAllText(edit);
  EXPECT_EQ(line->selectedText(), QStringLiteral("甲乙ab丙"));
  platform_->SetTextSelection(edit, -1, 0);
  EXPECT_FALSE(line->hasSelectedText());
  platform_->SetTextSelection(edit, 99, 5);  // past the end: nothing to select
  EXPECT_FALSE(line->hasSelectedText());
}

TEST_F(QtControlsTest, ComboItemsKeepStoredOrderAndSelectionIsClamped) {
  ComboLook look = GateCombo();
  const Handle combo = platform_->CreateComboBox(At(0, 0, 56, 160), look);
  auto* box = static_cast<QComboBox*>(platform_->WidgetOf(combo));
  ASSERT_EQ(box->count(), 8);
  EXPECT_EQ(box->itemText(0), QStringLiteral("开门"));
  EXPECT_EQ(box->itemText(7), QStringLiteral("惊门"));
  EXPECT_FALSE(box->isEditable()) << "style 2 is a pick-only list";
  EXPECT_EQ(platform_->GetSelection(combo), -1);
  struct Row {
    int written;
    int read;
  };
  for (const Row row : {Row{3, 3}, Row{8, 7}, Row{-5, -1}, Row{0, 0}, Row{-1, -1}}) {
    platform_->SetSelection(combo, row.written);
    EXPECT_EQ(platform_->GetSelection(combo), row.read) << "written " << row.written;
  }
  platform_->SetSelection(combo, 6);
  EXPECT_EQ(platform_->GetText(combo), Gbk("死门"));
  EXPECT_TRUE(sink_.events.empty()) << "a program selection raises no notification";
}

TEST_F(QtControlsTest, ComboLookChangesKeepTheSelectionWhereItStillFits) {
  ComboLook look = GateCombo();
  const Handle combo = platform_->CreateComboBox(At(0, 0, 56, 160), look);
  platform_->SetSelection(combo, 6);
  look.text_colour = 0x0000FF;
  platform_->SetComboLook(combo, look);
  EXPECT_EQ(platform_->GetSelection(combo), 6);
  look.items.resize(3);
  platform_->SetComboLook(combo, look);
  EXPECT_EQ(platform_->GetSelection(combo), 2);
  look.items.clear();
  platform_->SetComboLook(combo, look);
  EXPECT_EQ(platform_->GetSelection(combo), -1);
}

TEST_F(QtControlsTest, SortedAndEditableCombos) {
  ComboLook look;
  look.items = {"c", "a", "b"};
  look.sorted = true;
  look.style = 1;
  const Handle combo = platform_->CreateComboBox(At(0, 0, 56, 160), look);
  auto* box = static_cast<QComboBox*>(platform_->WidgetOf(combo));
  EXPECT_EQ(box->itemText(0), QStringLiteral("a"));
  EXPECT_TRUE(box->isEditable());
  platform_->SetText(combo, "zz");
  EXPECT_EQ(platform_->GetText(combo), "zz");
}

TEST_F(QtControlsTest, ExtraItemHeightAddsToEveryListRow) {
  ComboLook look = GateCombo();
  look.extra_item_height = 0;
  auto* flat = static_cast<QComboBox*>(
      platform_->WidgetOf(platform_->CreateComboBox(At(0, 0, 56, 160), look)));
  look.extra_item_height = 9;
  auto* tall = static_cast<QComboBox*>(
      platform_->WidgetOf(platform_->CreateComboBox(At(0, 0, 56, 160), look)));
  const auto row_height = [](QComboBox* box) { return box->view()->sizeHintForRow(0); };
  EXPECT_EQ(row_height(tall), row_height(flat) + 9);
}

TEST_F(QtControlsTest, PlaceBelowOrdersSiblingsTopDown) {
  const Handle a = platform_->CreateLabel(At(0, 0, 50, 20), LabelLook{});
  const Handle b = platform_->CreateLabel(At(0, 0, 50, 20), LabelLook{});
  const Handle c = platform_->CreateLabel(At(0, 0, 50, 20), LabelLook{});
  // Qt lists children bottom first; the runtime stacks record 1 on top.
  platform_->PlaceBelow(a, 0);
  platform_->PlaceBelow(b, a);
  platform_->PlaceBelow(c, b);
  const QObjectList& order = platform_->WidgetOf(window_)->children();
  const auto position = [&](Handle h) { return order.indexOf(platform_->WidgetOf(h)); };
  EXPECT_GT(position(a), position(b));
  EXPECT_GT(position(b), position(c));
  platform_->PlaceBelow(a, c);
  EXPECT_LT(position(a), position(c));
}

TEST_F(QtControlsTest, TabFollowsTheRuntimesOrderAndSkipsUnfocusableControls) {
  const Handle a = platform_->CreateEdit(At(0, 0, 50, 24), EditLook{});
  const Handle b = platform_->CreateEdit(At(0, 30, 50, 24), EditLook{});
  const Handle c = platform_->CreateButton(At(0, 60, 50, 24), ButtonLook{});
  const Handle d = platform_->CreateEdit(At(0, 90, 50, 24), EditLook{});
  for (const Handle h : {a, b, c, d}) platform_->SetVisible(h, true);
  platform_->SetTabOrder(window_, {d, a, b, c});
  platform_->SetFocusable(b, false);
  ShowWindow();
  platform_->SetFocus(d);
  const auto tab = [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
  tab();
  EXPECT_EQ(platform_->FocusedControl(), a);
  tab();
  EXPECT_EQ(platform_->FocusedControl(), c);  // b takes no focus
  tab();
  EXPECT_EQ(platform_->FocusedControl(), d);  // round again
  platform_->SetFocus(b);
  EXPECT_EQ(platform_->FocusedControl(), d);
  QTest::mouseClick(platform_->WidgetOf(b), Qt::LeftButton);
  EXPECT_EQ(platform_->FocusedControl(), d);
  platform_->SetFocusable(b, true);  // back to its own policy
  platform_->SetFocus(b);
  EXPECT_EQ(platform_->FocusedControl(), b);
}

TEST_F(QtControlsTest, UpAndDownKeysStepASpinBoxAsItsArrowsDo) {
  EditLook spin_look;
  spin_look.spin_mode = 1;
  const Handle spin = platform_->CreateEdit(At(0, 0, 50, 24), spin_look);
  const Handle plain = platform_->CreateEdit(At(0, 30, 50, 24), EditLook{});
  for (const Handle h : {spin, plain}) platform_->SetVisible(h, true);
  ShowWindow();
  QTest::keyClick(platform_->WidgetOf(spin), Qt::Key_Up);
  QTest::keyClick(platform_->WidgetOf(spin), Qt::Key_Down);
  QTest::keyClick(platform_->WidgetOf(plain), Qt::Key_Up);
  const std::vector<SinkEvent> want = {{SinkEvent::kSpin, spin, +1}, {SinkEvent::kSpin, spin, -1}};
  EXPECT_EQ(sink_.Of(SinkEvent::kSpin), want);
}

TEST_F(QtControlsTest, AnUpDownControlStaysAboveItsEditBox) {
  EditLook look;
  look.spin_mode = 1;
  const Handle edit = platform_->CreateEdit(At(0, 0, 32, 24), look);
  const Handle label = platform_->CreateLabel(At(0, 0, 50, 20), LabelLook{});
  platform_->PlaceBelow(label, 0);
  platform_->PlaceBelow(edit, label);
  const QObjectList& order = platform_->WidgetOf(window_)->children();
  const qsizetype spin = order.indexOf(platform_->SpinOf(edit));
  EXPECT_EQ(spin, order.indexOf(platform_->WidgetOf(edit)) + 1);
  EXPECT_LT(spin, order.indexOf(platform_->WidgetOf(label)));
}

TEST_F(QtControlsTest, FocusGoesWhereTheProgramPutsIt) {
  const Handle edit = platform_->CreateEdit(At(0, 0, 60, 24), EditLook{});
  const Handle combo = platform_->CreateComboBox(At(0, 40, 56, 160), GateCombo());
  platform_->SetVisible(edit, true);
  platform_->SetVisible(combo, true);
  ShowWindow();
  platform_->SetFocus(combo);
  EXPECT_EQ(platform_->FocusedControl(), combo);
  platform_->SetFocus(edit);
  EXPECT_EQ(platform_->FocusedControl(), edit);
}

}  // namespace
}  // namespace veltrane::platform::test
