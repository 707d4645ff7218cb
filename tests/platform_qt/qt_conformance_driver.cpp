// The Qt platform under the conformance suite (offscreen): the user's actions
// are Qt's own events and signals on the widgets behind the handles.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "../platform_conformance/platform_driver.h"
#include "platform/qt/edit_control.h"
#include "platform/qt/text_edge.h"
#include "qt_test_support.h"

namespace veltrane::platform::conformance {
namespace {

// The answer codes as Qt's buttons.
QMessageBox::StandardButton ButtonFor(int answer) {
  static constexpr QMessageBox::StandardButton kButtons[] = {
      QMessageBox::NoButton, QMessageBox::Ok,     QMessageBox::Cancel, QMessageBox::Abort,
      QMessageBox::Retry,    QMessageBox::Ignore, QMessageBox::Yes,    QMessageBox::No};
  return answer >= 1 && answer <= 7 ? kButtons[answer] : QMessageBox::Ok;
}

class QtDriver final : public PlatformDriver {
 public:
  QtDriver() {
    test::TestApplication();
    platform_ = std::make_unique<QtPlatform>();
  }

  Platform& platform() override { return *platform_; }
  void Settle() override { test::Settle(); }
  void Later(std::function<void()> task) override { QTimer::singleShot(0, std::move(task)); }

  bool Click(Handle button) override {
    auto* w = qobject_cast<QPushButton*>(platform_->WidgetOf(button));
    if (w == nullptr || !w->isVisible() || !w->isEnabled()) return false;
    QTest::mouseClick(w, Qt::LeftButton);
    return true;
  }

  bool TypeChar(Handle edit, char32_t ch) override {
    QWidget* w = platform_->WidgetOf(edit);
    if (w == nullptr || !w->isVisible() || !w->isEnabled()) return false;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&ch, 1));
    QCoreApplication::sendEvent(w, &press);
    return true;
  }

  bool PressSpin(Handle edit, int delta) override {
    auto* spin = dynamic_cast<qt::SpinArrows*>(platform_->SpinOf(edit));
    if (spin == nullptr || !spin->isVisible() || !spin->isEnabled()) return false;
    QTest::mouseClick(delta > 0 ? spin->up() : spin->down(), Qt::LeftButton);
    return true;
  }

  bool PickComboItem(Handle combo, int index) override {
    auto* w = qobject_cast<QComboBox*>(platform_->WidgetOf(combo));
    if (w == nullptr || !w->isVisible() || !w->isEnabled() || index < 0 || index >= w->count())
      return false;
    // What choosing a row of the open list does.
    w->setCurrentIndex(index);
    emit w->activated(index);
    return true;
  }

  bool CloseWindow(Handle window) override {
    QWidget* w = platform_->WidgetOf(window);
    if (w == nullptr || !w->isWindow()) return false;
    w->close();
    return true;
  }

  void PressTab() override {
    QWidget* focus = FocusWidget();
    if (focus != nullptr) QTest::keyClick(focus, Qt::Key_Tab);
    test::Settle();
  }

  void PressEnter(bool keypad) override {
    QWidget* focus = FocusWidget();
    if (focus == nullptr) return;
    QTest::keyClick(focus, keypad ? Qt::Key_Enter : Qt::Key_Return,
                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
    test::Settle();
  }

  // A right click: the menu opens modal, and the entry is chosen with the keyboard.
  void ChooseMenuEntry(Handle window, int index) override {
    QWidget* top = platform_->WidgetOf(window);
    if (top == nullptr || !top->isVisible()) return;
    QTimer::singleShot(0, [index] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      const QList<QAction*> actions = menu->actions();
      if (index >= 0 && index < actions.size() && actions[index]->isEnabled()) {
        menu->setActiveAction(actions[index]);
        QTest::keyClick(menu, Qt::Key_Return);
      } else {
        menu->close();
      }
    });
    const QPoint at(4, 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, top->mapToGlobal(at));
    QCoreApplication::sendEvent(top, &event);
    test::Settle();
  }

  void PressShortcut(char key) override {
    QWidget* focus = FocusWidget();
    if (focus == nullptr) return;
    // Shortcuts reach the active window only.
    QWidget* window = focus->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, 1000)) QApplication::setActiveWindow(window);
    QTest::keyClick(focus, static_cast<Qt::Key>(key), Qt::ControlModifier);
    test::Settle();
  }

  void AnswerMessageBoxes(int answer) override {
    answer_ = answer;
    if (watching_) return;
    watching_ = true;
    timer_ = std::make_unique<QTimer>();
    timer_->setInterval(20);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      seen_.push_back({test::Gbk(box->windowTitle().toUtf8().constData()),
                       test::Gbk(box->text().toUtf8().constData())});
      QAbstractButton* button = box->button(ButtonFor(answer_));
      if (button != nullptr) button->click();
    });
    timer_->start();
  }

  std::vector<SeenBox> SeenMessageBoxes() override { return seen_; }

 private:
  // The application's focus widget, else that of a shown window (offscreen
  // windows are not always active).
  static QWidget* FocusWidget() {
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (focus == nullptr && top->isVisible()) focus = top->focusWidget();
    }
    return focus;
  }

  std::unique_ptr<QtPlatform> platform_;
  std::unique_ptr<QTimer> timer_;
  int answer_ = 1;
  bool watching_ = false;
  std::vector<SeenBox> seen_;
};

}  // namespace

std::unique_ptr<PlatformDriver> MakeDriver() { return std::make_unique<QtDriver>(); }

}  // namespace veltrane::platform::conformance
