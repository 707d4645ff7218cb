// The form runtime on the desktop platform: a small window template loaded on
// Qt, with the platform-dependent behaviours driven as a user would — live
// geometry reads, clicks, spin stepping, the typed-character filter, combo
// picks, the clipboard and closing the window.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "form/controls/button_block.h"
#include "form/controls/combo_box_block.h"
#include "form/controls/edit_box_block.h"
#include "form/controls/label_block.h"
#include "form/controls/window_block.h"
#include "form/form_runtime.h"
#include "form/template/window_template.h"
#include "form/values/value_ops.h"
#include "platform/qt/edit_control.h"
#include "platform/qt/label_widget.h"
#include "qt_test_support.h"
#include "template_unit.h"

namespace veltrane::platform::test {
namespace {

using runtime::ControlId;
using runtime::TypeCode;
using runtime::UnitDescription;
using runtime::WindowId;

constexpr WindowId kWindow = 0x52010001;
constexpr ControlId kGo = 0x16010001;       // button, click handler
constexpr ControlId kParked = 0x16010002;   // button at a negative left, hidden
constexpr ControlId kMonth = 0x16010003;    // "12", automatic spin 1..12, integer input
constexpr ControlId kGates = 0x16010004;    // 8 items, stored selection past the end
constexpr ControlId kCaption = 0x16010005;  // blue label
constexpr ControlId kPillars = 0x16010006;  // read-only edit box

std::vector<std::string> calls;
void Clicked() { calls.push_back("clicked"); }
void Picked() { calls.push_back("picked"); }
const runtime::HandlerFn kHandlers[] = {&Clicked, &Picked};

using testing_template::Unit;

std::vector<std::uint8_t> TestTemplate() {
  runtime::WindowBlock window_block;
  window_block.caption = "Veltrane";
  window_block.background = 0;
  runtime::ButtonBlock go;
  go.caption = Gbk("自动排盘");
  runtime::ButtonBlock parked;
  parked.caption = Gbk("转八门");
  runtime::EditBoxBlock month;
  month.content = "12";
  month.max_length = 2;
  month.input_mode = 3;
  month.spin_mode = 1;
  month.spin_min = 1;
  month.spin_max = 12;
  runtime::ComboBoxBlock gates;
  gates.style = 2;
  for (const char* gate : {"开门", "休门", "生门", "伤门", "杜门", "景门", "死门", "惊门"}) {
    gates.items.push_back(Gbk(gate));
  }
  gates.selection = 8;
  runtime::LabelBlock caption;
  caption.caption = Gbk("坎一宫 正北方 为水");
  caption.text_colour = 0xC06000;
  caption.background = 0;
  runtime::EditBoxBlock pillars;
  pillars.input_mode = 1;

  runtime::WindowDescription window;
  window.id = kWindow;
  window.units = {
      Unit(runtime::kWindowUnitId, TypeCode::Window, window_block.Encode(), 1, {50, 50, 400, 300}),
      Unit(kGo, TypeCode::Button, go.Encode(), 5, {216, 240, 80, 32}),
      Unit(kParked, TypeCode::Button, parked.Encode(), 4, {-728, 200, 80, 32}),
      Unit(kMonth, TypeCode::EditBox, month.Encode(), 5, {20, 240, 24, 24}),
      Unit(kGates, TypeCode::ComboBox, gates.Encode(), 5, {20, 20, 56, 20}),
      Unit(kCaption, TypeCode::Label, caption.Encode(), 1, {100, 60, 112, 24}),
      Unit(kPillars, TypeCode::EditBox, pillars.Encode(), 5, {100, 100, 208, 24}),
  };
  window.units[1].events = {{0, 0}};
  window.units[2].events = {{0, 0}};
  window.units[4].events = {{0, 1}};
  const std::vector<runtime::WindowDescription> windows = {window};
  return runtime::WriteWindowTemplate(windows);
}

class QtFormRuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    calls.clear();
    platform_ = std::make_unique<QtPlatform>();
    InstallPlatform(platform_.get());
    stream_ = TestTemplate();
    runtime::InitRuntime(stream_, kHandlers);
    runtime::LoadWindow(kWindow);
    window_ = platform_->WidgetOf(H(runtime::kWindowUnitId));
    ASSERT_NE(window_, nullptr);
    window_->activateWindow();
    Settle();
  }
  void TearDown() override {
    runtime::ShutdownRuntimeForTests();
    InstallPlatform(nullptr);
    platform_.reset();
    Settle();
  }

  Handle H(ControlId id) const { return runtime::NativeHandleOf(kWindow, id); }
  QWidget* W(ControlId id) const { return platform_->WidgetOf(H(id)); }
  std::string Text(ControlId id) const {
    return std::string(runtime::ReadText(kWindow, id, runtime::kEditContent).view());
  }
  void PressSpin(ControlId edit, int delta) {
    auto* arrows = static_cast<qt::SpinArrows*>(platform_->SpinOf(H(edit)));
    QTest::mouseClick(delta > 0 ? arrows->up() : arrows->down(), Qt::LeftButton);
  }

  std::unique_ptr<QtPlatform> platform_;
  std::vector<std::uint8_t> stream_;
  QWidget* window_ = nullptr;
};

TEST_F(QtFormRuntimeTest, LoadingMakesEveryControlWithItsStoredLook) {
  EXPECT_TRUE(window_->isVisible());
  const Size screen = platform_->ScreenSize();
  EXPECT_EQ(runtime::ReadInt(kWindow, runtime::kWindowUnitId, runtime::kLeft),
            (screen.width - 400) / 2);
  EXPECT_EQ(runtime::ReadInt(kWindow, runtime::kWindowUnitId, runtime::kWidth), 400);
  EXPECT_EQ(runtime::ReadInt(kWindow, runtime::kWindowUnitId, runtime::kHeight), 300);
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Veltrane"));
  EXPECT_EQ(static_cast<QPushButton*>(W(kGo))->text(), QStringLiteral("自动排盘"));
  EXPECT_EQ(static_cast<qt::LabelWidget*>(W(kCaption))->caption(),
            QStringLiteral("坎一宫 正北方 为水"));
  EXPECT_TRUE(static_cast<QLineEdit*>(W(kPillars))->isReadOnly());
  // A stored selection past the last item shows the last item.
  EXPECT_EQ(static_cast<QComboBox*>(W(kGates))->currentText(), QStringLiteral("惊门"));
  EXPECT_EQ(runtime::ReadInt(kWindow, kGates, runtime::kComboSelection), 7);
  // A hidden control exists but is not shown; writing its visible flag shows it.
  EXPECT_TRUE(W(kParked)->isHidden());
  EXPECT_EQ(runtime::ReadInt(kWindow, kParked, runtime::kVisible), 0);
  runtime::WriteInt(kWindow, kParked, runtime::kVisible, 1);
  EXPECT_FALSE(W(kParked)->isHidden());
}

TEST_F(QtFormRuntimeTest, GeometryReadsAreLiveAndWritesMoveTheWidget) {
  W(kCaption)->move(130, 70);
  EXPECT_EQ(runtime::ReadInt(kWindow, kCaption, runtime::kLeft), 130);
  EXPECT_EQ(runtime::ReadInt(kWindow, kCaption, runtime::kTop), 70);
  runtime::WriteInt(kWindow, kCaption, runtime::kLeft, -40000);
  EXPECT_EQ(W(kCaption)->x(), -32627);
  runtime::WriteInt(kWindow, kGates, runtime::kTop, 48);
  EXPECT_EQ(W(kGates)->y(), 48);
  EXPECT_EQ(W(kGates)->x(), 20);
  EXPECT_EQ(W(kGates)->width(), 56);
}

TEST_F(QtFormRuntimeTest, ClicksRunTheHandlerEvenOffScreenAndHidden) {
  QTest::mouseClick(W(kGo), Qt::LeftButton);
  static_cast<QPushButton*>(W(kParked))->click();
  EXPECT_EQ(calls, (std::vector<std::string>{"clicked", "clicked"}));
}

TEST_F(QtFormRuntimeTest, SpinArrowsStepAndWrapWithinTheRange) {
  auto* edit = static_cast<QLineEdit*>(W(kMonth));
  PressSpin(kMonth, +1);
  EXPECT_EQ(Text(kMonth), "1");
  EXPECT_EQ(edit->selectedText(), QStringLiteral("1"));
  EXPECT_EQ(platform_->FocusedControl(), H(kMonth));
  PressSpin(kMonth, -1);
  EXPECT_EQ(Text(kMonth), "12");
  PressSpin(kMonth, -1);
  EXPECT_EQ(Text(kMonth), "11");
  runtime::WriteText(kWindow, kMonth, runtime::kEditContent, "x");
  PressSpin(kMonth, +1);  // text that is no number counts as 0
  EXPECT_EQ(Text(kMonth), "1");
}

TEST_F(QtFormRuntimeTest, IntegerBoxesTakeOnlyDigitsAndMinus) {
  auto* edit = static_cast<QLineEdit*>(W(kMonth));
  edit->clear();
  platform_->SetFocus(H(kMonth));
  QTest::keyClicks(edit, QStringLiteral("a-b7"));
  EXPECT_EQ(Text(kMonth), "-7");
  QTest::keyClicks(edit, QStringLiteral("9"));  // the box holds two bytes
  EXPECT_EQ(Text(kMonth), "-7");
}

TEST_F(QtFormRuntimeTest, ReadOnlyBoxRefusesTypingButShowsWrites) {
  runtime::WriteText(kWindow, kPillars, runtime::kEditContent, Gbk("乙未 戊寅 辛亥 甲午").c_str());
  platform_->SetFocus(H(kPillars));
  QTest::keyClicks(W(kPillars), QStringLiteral("x"));
  EXPECT_EQ(Text(kPillars), Gbk("乙未 戊寅 辛亥 甲午"));
}

TEST_F(QtFormRuntimeTest, AComboPickedByHandIsWhatTheRuntimeReads) {
  platform_->SetFocus(H(kGates));
  QTest::keyClick(W(kGates), Qt::Key_Up);
  EXPECT_EQ(runtime::ReadInt(kWindow, kGates, runtime::kComboSelection), 6);
  EXPECT_EQ(calls, (std::vector<std::string>{"picked"}));
  runtime::WriteInt(kWindow, kGates, runtime::kComboSelection, 8);
  EXPECT_EQ(static_cast<QComboBox*>(W(kGates))->currentIndex(), 7);
  runtime::WriteInt(kWindow, kGates, runtime::kComboSelection, -5);
  EXPECT_EQ(static_cast<QComboBox*>(W(kGates))->currentIndex(), -1);
  EXPECT_EQ(calls.size(), 1u) << "program writes run no handler";
}

TEST_F(QtFormRuntimeTest, ClipboardRoundTripThroughTheValueOperations) {
  const std::string chart = Gbk("阳遁3局\r\n┌─┬─┐\r\n");
  runtime::ops::ClearClipboard();
  EXPECT_TRUE(runtime::ops::SetClipboardText(chart.c_str()));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("阳遁3局\r\n┌─┬─┐\r\n"));
  EXPECT_EQ(platform_->ClipboardText(), chart);
}

TEST_F(QtFormRuntimeTest, ClosingTheWindowEndsTheMessageLoop) {
  QTimer::singleShot(0, window_, [this] { window_->close(); });
  runtime::RunMessageLoop();  // returns once the last window is gone
  EXPECT_FALSE(runtime::IsWindowLoaded(kWindow));
  EXPECT_EQ(H(runtime::kWindowUnitId), 0u);
}

}  // namespace
}  // namespace veltrane::platform::test
