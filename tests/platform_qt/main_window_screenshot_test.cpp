// The main window as a person sees it: the program started on the desktop
// platform under a real X server, the window captured from the screen to a
// PNG and checked by its pixels and by the fonts its texts are drawn in.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <vector>

#include "form/form_runtime.h"
#include "form/template/window_template.h"
#include "platform/qt/label_widget.h"
#include "qt_test_support.h"
#include "ui/main_window_ids.h"
#include "ui/main_window_template.h"
#include "ui/program.h"

namespace veltrane::platform::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kPalaceBlue(0, 0x60, 0xC0);

class MainWindowScreenshot : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    platform_ = new QtPlatform();
    InstallPlatform(platform_);
    program_ = new ui::Program();
    program_->Start();
    window_ = platform_->WidgetOf(runtime::NativeHandleOf(ui::kMainWindow, runtime::kWindowUnitId));
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_, 5000));
    Settle();
    QTest::qWait(200);
    const QRect frame = window_->frameGeometry();
    shot_ = QGuiApplication::primaryScreen()
                ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
    const char* dir = std::getenv("VELTRANE_SCREENSHOT_DIR");
    const QString path = QString::fromLocal8Bit(dir != nullptr ? dir : ".") + "/main_window.png";
    shot_.save(path);
    // Client origin inside the captured frame.
    client_origin_ = window_->geometry().topLeft() - frame.topLeft();
  }

  // A rectangle of the client area as it lies in the capture.
  static QImage Client(const QRect& r) { return shot_.copy(r.translated(client_origin_)); }

  static std::vector<runtime::UnitDescription> Units() { return ui::MainWindowDescription().units; }
  static QRect StoredRect(const runtime::UnitDescription& u) {
    return QRect(u.left, u.top, u.width, u.height);
  }

  static inline QtPlatform* platform_ = nullptr;
  static inline ui::Program* program_ = nullptr;  // kept for the whole suite, as the platform is
  static inline QWidget* window_ = nullptr;
  static inline QImage shot_;
  static inline QPoint client_origin_;
};

TEST_F(MainWindowScreenshot, OuterSizeIsTheStoredSizeCentredOnTheScreen) {
  EXPECT_EQ(shot_.size(), QSize(792, 586));
  const Rect r =
      platform_->GetRect(runtime::NativeHandleOf(ui::kMainWindow, runtime::kWindowUnitId));
  const Size screen = platform_->ScreenSize();
  EXPECT_EQ(r.width, 792);
  EXPECT_EQ(r.height, 586);
  EXPECT_EQ(r.left, (screen.width - 792) / 2);
  EXPECT_EQ(r.top, (screen.height - 586) / 2);
}

TEST_F(MainWindowScreenshot, BackgroundIsBlack) {
  // The right margin holds no control.
  const QImage margin = Client(QRect(735, 120, 50, 300));
  EXPECT_EQ(CountPixels(margin, Qt::black, 0), margin.width() * margin.height());
  EXPECT_GT(CountPixels(shot_, Qt::black, 8), shot_.width() * shot_.height() / 2);
}

TEST_F(MainWindowScreenshot, RedRulesDrawTheGrid) {
  for (const QRect row : {QRect(24, 128, 696, 16), QRect(24, 320, 696, 16)}) {
    const QRect ink = PixelBounds(Client(row), kRed);
    ASSERT_FALSE(ink.isNull()) << "row at " << row.y();
    EXPECT_GT(ink.width(), 300) << "row at " << row.y();
  }
  for (const QRect column : {QRect(234, 16, 30, 448), QRect(475, 16, 30, 448)}) {
    const QRect ink = PixelBounds(Client(column), kRed);
    ASSERT_FALSE(ink.isNull()) << "column at " << column.x();
    EXPECT_GT(ink.height(), 300) << "column at " << column.x();
  }
}

TEST_F(MainWindowScreenshot, PalaceCaptionsAreBlue) {
  int captions = 0;
  for (const runtime::UnitDescription& u : Units()) {
    if (u.id < 0x16010006 || u.id > 0x1601000E) continue;  // 标签5 .. 标签13
    ++captions;
    EXPECT_GT(CountPixels(Client(StoredRect(u)), kPalaceBlue, 50), 30) << std::hex << u.id;
  }
  EXPECT_EQ(captions, 9);
}

TEST_F(MainWindowScreenshot, AComboBoxStandsAtEveryStoredPosition) {
  int combos = 0;
  for (const runtime::UnitDescription& u : Units()) {
    if (u.type_code != static_cast<std::uint32_t>(runtime::TypeCode::ComboBox)) continue;
    ++combos;
    // The closed box's face is light, unlike the black window behind it.
    const QImage face = Client(QRect(u.left + 2, u.top + 2, 40, 14));
    EXPECT_GT(CountPixels(face, QColor(235, 235, 235), 40), face.width() * face.height() / 2)
        << "combo " << std::hex << u.id << " at " << std::dec << u.left << ", " << u.top;
  }
  EXPECT_EQ(combos, 59);
}

// Every character a control shows has a glyph in the font it is drawn with.
TEST_F(MainWindowScreenshot, NoCharacterFallsOutsideItsFont) {
  const auto expect_covered = [](const QFont& font, const QString& text, const QString& where) {
    const QFontMetrics metrics(font);
    for (const char32_t ch : text.toUcs4()) {
      if (ch == U'\n') continue;
      EXPECT_TRUE(metrics.inFontUcs4(ch))
          << where.toStdString() << ": U+" << std::hex << static_cast<unsigned>(ch);
    }
  };
  int checked = 0;
  for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (auto* label = dynamic_cast<qt::LabelWidget*>(child)) {
      expect_covered(label->caption_font(), label->caption(), label->caption());
    } else if (auto* combo = dynamic_cast<QComboBox*>(child)) {
      for (int i = 0; i < combo->count(); ++i) {
        expect_covered(combo->font(), combo->itemText(i), combo->itemText(i));
      }
    } else if (auto* button = dynamic_cast<QPushButton*>(child)) {
      expect_covered(button->font(), button->text(), button->text());
    } else if (auto* edit = dynamic_cast<QLineEdit*>(child)) {
      expect_covered(edit->font(), edit->text(), edit->text());
    } else {
      continue;
    }
    ++checked;
  }
  EXPECT_EQ(checked, 109);
}

// Runs last: it moves the focus round the whole window.
TEST_F(MainWindowScreenshot, TabFromTheYearBoxMeetsOnlyControlsAPersonCanSee) {
  const auto widget = [](runtime::ControlId id) {
    return platform_->WidgetOf(runtime::NativeHandleOf(ui::kMainWindow, id));
  };
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_, 5000));
  widget(ui::kYearBox)->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), widget(ui::kYearBox));
  std::vector<QWidget*> met;
  for (int i = 0; i < 100; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "tab " << i;
    if (focus == widget(ui::kYearBox)) break;
    met.push_back(focus);
    EXPECT_TRUE(focus->isVisible()) << "tab " << i;
    EXPECT_TRUE(window_->rect().contains(focus->geometry())) << "tab " << i;
  }
  const std::vector<QWidget*> first = {widget(ui::kMonthBox), widget(ui::kDayBox),
                                       widget(ui::kHourBox), widget(ui::kPlotButton),
                                       widget(ui::kCopyButton)};
  ASSERT_GT(met.size(), first.size());
  EXPECT_EQ(std::vector<QWidget*>(met.begin(), met.begin() + 5), first);
  EXPECT_LT(met.size(), 100u);  // back at the year box after one round
}

}  // namespace
}  // namespace veltrane::platform::test
