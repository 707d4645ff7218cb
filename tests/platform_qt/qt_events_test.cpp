// What the user does on the desktop platform reaches the runtime's sink:
// clicks, typed characters through the filter, edits, spin arrows, combo picks.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "platform/qt/edit_control.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"

namespace veltrane::platform::test {
namespace {

using QtEventsTest = QtPlatformTest;

// Types text a key at a time, as a keyboard or input method would deliver it.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

TEST_F(QtEventsTest, ClickingAButtonReportsIt) {
  const Handle button = platform_->CreateButton(At(20, 20, 80, 32), ButtonLook{});
  platform_->SetVisible(button, true);
  ShowWindow();
  QTest::mouseClick(platform_->WidgetOf(button), Qt::LeftButton);
  EXPECT_EQ(sink_.events, (std::vector<SinkEvent>{{SinkEvent::kClicked, button}}));
}

// Buttons off the client area or hidden still exist and answer a click.
TEST_F(QtEventsTest, OffScreenAndHiddenButtonsRespond) {
  const Handle off = platform_->CreateButton(At(-728, 384, 80, 32), ButtonLook{});
  const Handle hidden = platform_->CreateButton(At(-272, 448, 80, 32), ButtonLook{});
  platform_->SetVisible(off, true);
  ShowWindow();
  static_cast<QPushButton*>(platform_->WidgetOf(off))->click();
  static_cast<QPushButton*>(platform_->WidgetOf(hidden))->click();
  EXPECT_EQ(sink_.Of(SinkEvent::kClicked),
            (std::vector<SinkEvent>{{SinkEvent::kClicked, off}, {SinkEvent::kClicked, hidden}}));
}

TEST_F(QtEventsTest, DefaultButtonStyle) {
  ButtonLook look;
  look.default_button = true;
  const Handle button = platform_->CreateButton(At(0, 0, 80, 32), look);
  EXPECT_TRUE(static_cast<QPushButton*>(platform_->WidgetOf(button))->isDefault());
}

struct TypingRow {
  const char* name;
  const char* typed;
  const char* allowed;  // the characters the sink accepts; nullptr = all
  int case_conversion;
  int max_length;
  bool read_only;
  const char* expected;
};

class QtTypingTest : public QtPlatformTest, public ::testing::WithParamInterface<TypingRow> {};

TEST_P(QtTypingTest, TypedTextPassesTheFilterAndTheLimits) {
  const TypingRow& row = GetParam();
  if (row.allowed != nullptr) {
    const QString allowed = QString::fromUtf8(row.allowed);
    sink_.accept = [allowed](char32_t ch) { return allowed.contains(QString::fromUcs4(&ch, 1)); };
  }
  EditLook look;
  look.case_conversion = row.case_conversion;
  look.max_length = row.max_length;
  look.read_only = row.read_only;
  const Handle edit = platform_->CreateEdit(At(10, 10, 120, 24), look);
  platform_->SetVisible(edit, true);
  ShowWindow();
  platform_->SetFocus(edit);
  QTest::keyClicks(platform_->WidgetOf(edit), QString::fromUtf8(row.typed));
  EXPECT_EQ(platform_->GetText(edit), Gbk(row.expected));
  // Every printable character was put to the sink, and each change reported.
  if (!row.read_only) {
    EXPECT_EQ(sink_.Of(SinkEvent::kTypedChar).size(), QString::fromUtf8(row.typed).size());
  }
  EXPECT_EQ(sink_.Of(SinkEvent::kEditChanged).size(), QString::fromUtf8(row.expected).size());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QtTypingTest,
    ::testing::Values(TypingRow{"AnyText", "ab 1", nullptr, 0, 0, false, "ab 1"},
                      TypingRow{"IntegerFilter", "1a-2x", "-0123456789", 0, 0, false, "1-2"},
                      TypingRow{"DigitsOnly", "-12.5", "0123456789", 0, 0, false, "125"},
                      TypingRow{"UpperCase", "abC", nullptr, 2, 0, false, "ABC"},
                      TypingRow{"LowerCase", "AbC", nullptr, 1, 0, false, "abc"},
                      TypingRow{"ByteLimit", "20150", nullptr, 0, 4, false, "2015"},
                      TypingRow{"ReadOnly", "abc", nullptr, 0, 0, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtEventsTest, MaximumLengthCountsGbkBytes) {
  EditLook look;
  look.max_length = 5;
  const Handle edit = platform_->CreateEdit(At(10, 10, 120, 24), look);
  platform_->SetVisible(edit, true);
  ShowWindow();
  platform_->SetFocus(edit);
  TypeText(platform_->WidgetOf(edit), QStringLiteral("甲乙丙"));
  EXPECT_EQ(platform_->GetText(edit), Gbk("甲乙"));
}

TEST_F(QtEventsTest, UpDownControlSitsBesideTheBoxAndReportsArrows) {
  EditLook look;
  look.spin_mode = 1;
  const Handle edit = platform_->CreateEdit(At(176, 88, 24, 24), look);
  QWidget* spin = platform_->SpinOf(edit);
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->geometry(), QRect(200, 88, 18, 24));
  EXPECT_EQ(platform_->GetRect(edit), (Rect{176, 88, 24, 24}));
  // It moves, shows and enables with its box.
  platform_->SetVisible(edit, true);
  EXPECT_FALSE(spin->isHidden());
  platform_->SetRect(edit, Rect{10, 10, 32, 24});
  EXPECT_EQ(spin->geometry(), QRect(42, 10, 18, 24));
  ShowWindow();
  auto* arrows = static_cast<qt::SpinArrows*>(spin);
  QTest::mouseClick(arrows->up(), Qt::LeftButton);
  QTest::mouseClick(arrows->down(), Qt::LeftButton);
  QTest::mouseClick(arrows->down(), Qt::LeftButton);
  EXPECT_EQ(sink_.Of(SinkEvent::kSpin), (std::vector<SinkEvent>{{SinkEvent::kSpin, edit, 1},
                                                                {SinkEvent::kSpin, edit, -1},
                                                                {SinkEvent::kSpin, edit, -1}}));
  platform_->SetEnabled(edit, false);
  EXPECT_FALSE(spin->isEnabled());
  platform_->SetVisible(edit, false);
  EXPECT_TRUE(spin->isHidden());
}

TEST_F(QtEventsTest, SpinModeZeroHasNoUpDownControlAndLookChangesAddOrRemoveIt) {
  EditLook look;
  const Handle edit = platform_->CreateEdit(At(0, 0, 32, 24), look);
  EXPECT_EQ(platform_->SpinOf(edit), nullptr);
  look.spin_mode = 2;
  platform_->SetEditLook(edit, look);
  EXPECT_NE(platform_->SpinOf(edit), nullptr);
  look.spin_mode = 0;
  platform_->SetEditLook(edit, look);
  EXPECT_EQ(platform_->SpinOf(edit), nullptr);
}

TEST_F(QtEventsTest, PickingAComboItemByHandReportsItAndIsWhatSelectionReads) {
  ComboLook look;
  look.items = {Gbk("乙"), Gbk("丙"), Gbk("丁")};
  const Handle combo = platform_->CreateComboBox(At(10, 10, 56, 160), look);
  platform_->SetSelection(combo, 0);
  platform_->SetVisible(combo, true);
  ShowWindow();
  platform_->SetFocus(combo);
  QTest::keyClick(platform_->WidgetOf(combo), Qt::Key_Down);
  EXPECT_EQ(platform_->GetSelection(combo), 1);
  EXPECT_EQ(sink_.Of(SinkEvent::kComboSelected),
            (std::vector<SinkEvent>{{SinkEvent::kComboSelected, combo}}));
}

TEST_F(QtEventsTest, WithoutASinkNothingIsReportedAndTypingIsFree) {
  platform_->SetEventSink(nullptr);
  const Handle edit = platform_->CreateEdit(At(10, 10, 120, 24), EditLook{});
  platform_->SetVisible(edit, true);
  ShowWindow();
  platform_->SetFocus(edit);
  QTest::keyClicks(platform_->WidgetOf(edit), QStringLiteral("x1"));
  EXPECT_EQ(platform_->GetText(edit), "x1");
  EXPECT_TRUE(sink_.events.empty());
}

}  // namespace
}  // namespace veltrane::platform::test
