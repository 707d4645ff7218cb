// The monkey on the desktop platform, offscreen: real widgets, real message
// boxes (answered as soon as they open) and Qt's clipboard. The clock is the
// system's. VELTRANE_QT_MONKEY_ACTIONS sets how many actions (3,000 unless set).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "form/form_runtime.h"
#include "form/process.h"
#include "monkey.h"
#include "platform/qt/edit_control.h"
#include "platform/qt/qt_platform.h"
#include "platform_qt/qt_test_support.h"
#include "ui/kept_plotting.h"
#include "ui/plate_binding.h"
#include "ui/program.h"

namespace veltrane::monkey {
namespace {

// The desktop platform with its message boxes reported to the monkey and
// answered once open, and a clipboard that can be made to refuse.
class MonkeyQtPlatform final : public platform::QtPlatform {
 public:
  int ShowMessageBox(std::string_view text_gbk, std::string_view title_gbk,
                     std::uint32_t style) override {
    if (on_box) on_box(title_gbk, text_gbk);
    QTimer::singleShot(0, [] {
      if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->done(0);
    });
    return QtPlatform::ShowMessageBox(text_gbk, title_gbk, style);
  }
  bool SetClipboardText(std::string_view gbk) override {
    return !refuses_clipboard && QtPlatform::SetClipboardText(gbk);
  }

  std::function<void(std::string_view, std::string_view)> on_box;
  bool refuses_clipboard = false;
};

class QtHands final : public Hands {
 public:
  explicit QtHands(MonkeyQtPlatform& platform) : platform_(platform) {
    platform_.on_box = [this](std::string_view title, std::string_view text) {
      if (on_box) on_box(title, text);
    };
  }
  bool Click(ui::ControlId button) override {
    QWidget* w = Widget(button);
    if (w == nullptr || !w->isVisible() || !w->isEnabled()) return false;
    static_cast<QPushButton*>(w)->click();  // off-screen buttons take no mouse
    return Settled(true);
  }
  bool Type(ui::ControlId edit, char32_t ch) override {
    QWidget* w = Widget(edit);
    if (w == nullptr) return false;
    const Qt::Key key = ch == U'\b' ? Qt::Key_Backspace : Qt::Key_unknown;
    const QString text = QString::fromUcs4(&ch, 1);
    QTest::sendKeyEvent(QTest::Click, w, key, text, Qt::NoModifier);
    return Settled(true);
  }
  bool Spin(ui::ControlId edit, int delta) override {
    auto* arrows = static_cast<platform::qt::SpinArrows*>(
        platform_.SpinOf(runtime::NativeHandleOf(ui::kMainWindow, edit)));
    if (arrows == nullptr || !arrows->isEnabled()) return false;
    QTest::mouseClick(delta > 0 ? arrows->up() : arrows->down(), Qt::LeftButton);
    return Settled(true);
  }
  bool Pick(ui::ControlId combo, int index) override {
    auto* box = qobject_cast<QComboBox*>(Widget(combo));
    if (box == nullptr || !box->isEnabled() || index < 0 || index >= box->count()) return false;
    // What the drop-down list does when the user chooses an item.
    box->setCurrentIndex(index);
    emit box->activated(index);
    return Settled(true);
  }
  std::string Clipboard() override { return platform_.ClipboardText(); }
  void SetClipboardRefuses(bool refuses) override { platform_.refuses_clipboard = refuses; }

 private:
  QWidget* Widget(ui::ControlId control) const {
    return platform_.WidgetOf(runtime::NativeHandleOf(ui::kMainWindow, control));
  }
  static bool Settled(bool done) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done;
  }
  MonkeyQtPlatform& platform_;
};

TEST(QtMonkey, RandomUserLeavesTheDesktopWindowSound) {
  platform::test::TestApplication();
  MonkeyQtPlatform platform;
  platform::InstallPlatform(&platform);
  ui::Program program;
  program.Start();
  QtHands hands(platform);
  const std::string failure = RunMonkeyAndEndProgram(hands, "VELTRANE_QT_MONKEY_ACTIONS", 3000);
  if (!failure.empty()) ADD_FAILURE() << failure;
  platform::test::Settle();
}

}  // namespace
}  // namespace veltrane::monkey
