// The process services of the desktop platform: message loop, message boxes,
// clipboard, clock and process end.
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QEventLoop>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QWidget>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "platform/qt/look_mapping.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/text_edge.h"

namespace veltrane::platform {

namespace {

// Message box answers, as the program receives them.
enum Answer : int { kOk = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };

using ButtonSet = std::vector<std::pair<QMessageBox::StandardButton, Answer>>;

// The button sets of the style's low four bits: OK, OK/Cancel,
// Abort/Retry/Ignore, Yes/No/Cancel, Yes/No, Retry/Cancel.
const ButtonSet& ButtonsFor(std::uint32_t style) {
  static const std::array<ButtonSet, 6> kSets = {{
      {{QMessageBox::Ok, kOk}},
      {{QMessageBox::Ok, kOk}, {QMessageBox::Cancel, kCancel}},
      {{QMessageBox::Abort, kAbort}, {QMessageBox::Retry, kRetry}, {QMessageBox::Ignore, kIgnore}},
      {{QMessageBox::Yes, kYes}, {QMessageBox::No, kNo}, {QMessageBox::Cancel, kCancel}},
      {{QMessageBox::Yes, kYes}, {QMessageBox::No, kNo}},
      {{QMessageBox::Retry, kRetry}, {QMessageBox::Cancel, kCancel}},
  }};
  const std::uint32_t set = style & 0x0F;
  return kSets[set < kSets.size() ? set : 0];
}

// The caption of each answer's button.
QString ButtonCaption(Answer answer) {
  static const std::array<const char16_t*, 8> kCaptions = {u"",     u"确定", u"取消", u"中止",
                                                           u"重试", u"忽略", u"是",   u"否"};
  return QString::fromUtf16(kCaptions[static_cast<std::size_t>(answer)]);
}

// The icon of the style bits 0x10 (error), 0x20 (question), 0x30 (warning), 0x40 (information).
QMessageBox::Icon IconFor(std::uint32_t style) {
  static constexpr std::array<QMessageBox::Icon, 5> kIcons = {
      QMessageBox::NoIcon, QMessageBox::Critical, QMessageBox::Question, QMessageBox::Warning,
      QMessageBox::Information};
  const std::uint32_t icon = (style & 0xF0) >> 4;
  return icon < kIcons.size() ? kIcons[icon] : QMessageBox::NoIcon;
}

// Counts a delivery of pending events for as long as it runs.
class DepthCount {
 public:
  explicit DepthCount(int& depth) : depth_(depth) { ++depth_; }
  ~DepthCount() { --depth_; }
  DepthCount(const DepthCount&) = delete;
  DepthCount& operator=(const DepthCount&) = delete;

 private:
  int& depth_;
};

}  // namespace

void QtPlatform::RunMessageLoop() {
  // A quit asked for before the loop ran ends it at once, as a posted quit would.
  if (std::exchange(quit_pending_, false)) return;
  QEventLoop loop;
  QEventLoop* outer = std::exchange(loop_, &loop);
  loop.exec();
  loop_ = outer;
}

void QtPlatform::QuitMessageLoop() {
  if (loop_ != nullptr) {
    loop_->quit();
  } else {
    quit_pending_ = true;
  }
}

void QtPlatform::ProcessPendingEvents() {
  const DepthCount delivering(delivery_depth_);
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

int QtPlatform::ShowMessageBox(std::string_view text_gbk, std::string_view title_gbk,
                               std::uint32_t style) {
  QMessageBox box;
  box.setWindowTitle(qt::QStringFromGbk(title_gbk));
  box.setText(qt::CaptionFromGbk(text_gbk));
  box.setIcon(IconFor(style));
  box.setFont(qt::DefaultUiFont());
  box.setWindowModality(Qt::ApplicationModal);
  const ButtonSet& buttons = ButtonsFor(style);
  for (const auto& [button, answer] : buttons) {
    // In Chinese like the rest of the window, whatever the system's language.
    box.addButton(button)->setText(ButtonCaption(answer));
  }
  // Bits 8..11 name the default button: 0 the first, 1 the second, ...
  const std::size_t default_index = (style >> 8) & 0x0F;
  if (default_index < buttons.size()) box.setDefaultButton(buttons[default_index].first);
  box.exec();
  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  for (const auto& [button, answer] : buttons) {
    if (button == pressed) return answer;
  }
  // Closed without a button: the Cancel answer where there is one, else the first.
  for (const auto& [button, answer] : buttons) {
    if (answer == kCancel) return answer;
  }
  return buttons.front().second;
}

void QtPlatform::ClearClipboard() { QGuiApplication::clipboard()->clear(); }

bool QtPlatform::SetClipboardText(std::string_view gbk) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  auto* data = new QMimeData();
  data->setText(qt::QStringFromGbk(gbk));
  data->setData(QString::fromLatin1(kGbkMimeType),
                QByteArray(gbk.data(), static_cast<qsizetype>(gbk.size())));
  const QPointer<QMimeData> offered(data);
  clipboard->setMimeData(data);  // the clipboard owns the data
  // The clipboard shows our data only when it took it (on X11: when this
  // program became the selection's owner); otherwise it kept what it held.
  return !offered.isNull() && clipboard->mimeData() == offered.data();
}

std::string QtPlatform::ClipboardText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard == nullptr ? nullptr : clipboard->mimeData();
  if (data == nullptr) return {};
  const QString gbk_type = QString::fromLatin1(kGbkMimeType);
  if (data->hasFormat(gbk_type)) {
    QByteArray bytes = data->data(gbk_type);
    while (bytes.endsWith('\0')) bytes.chop(1);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  return data->hasText() ? qt::GbkFromQString(data->text()) : std::string();
}

LocalTime QtPlatform::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return LocalTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

bool QtPlatform::OutsideEventHandling() const {
  // Every event handler runs inside a Qt event loop (ours, a message box's, a
  // menu's) or inside ProcessPendingEvents.
  const QThread* here = QThread::currentThread();
  return loop_ == nullptr && delivery_depth_ == 0 && here->loopLevel() == 0 &&
         here == QCoreApplication::instance()->thread();
}

void QtPlatform::ShutDownQt() {
  sink_ = nullptr;  // the program has ended: nothing reaches it any more
  // Windows the runtime destroyed are still waiting for their deferred delete.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->parentWidget() == nullptr) windows.emplace_back(widget);
  }
  for (const QPointer<QWidget>& window : windows) delete window.data();
  entries_.clear();
  app_.reset();
}

void QtPlatform::EndProcess(int code) {
  std::fflush(nullptr);
  // After a normal close, Qt ends as it would on its own, so that on X11 the
  // clipboard manager takes over a chart copied just before: with _exit alone
  // the copy would be lost with the process. A fatal end may come from inside
  // an event handler, where the application must not be destroyed.
  if (code == 0 && app_ != nullptr && OutsideEventHandling()) {
    ShutDownQt();
    std::fflush(nullptr);
  }
  // A POSIX exit status is the code's low byte: -1 ends the process with 255.
  ::_exit(static_cast<int>(static_cast<unsigned>(code) & 0xFFu));
}

}  // namespace veltrane::platform
