// Process services of the desktop platform: clipboard, message boxes, the
// message loop, the clock and the process end.
#include <QAbstractButton>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <map>

#include "qt_test_support.h"

namespace veltrane::platform::test {
namespace {

using QtServicesTest = QtPlatformTest;

TEST_F(QtServicesTest, ClipboardOffersUtf8TextAndTheGbkBytes) {
  const std::string chart = Gbk("甲子旬 戊\r\n┌──┐\r\n");
  ASSERT_TRUE(platform_->SetClipboardText(chart));
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QStringLiteral("甲子旬 戊\r\n┌──┐\r\n"));
  const QByteArray gbk = data->data(QString::fromLatin1(QtPlatform::kGbkMimeType));
  EXPECT_EQ(std::string(gbk.constData(), gbk.size()), chart);
  EXPECT_EQ(platform_->ClipboardText(), chart);
}

TEST_F(QtServicesTest, ClipboardTextOfOtherProgramsComesBackAsGbk) {
  QGuiApplication::clipboard()->setText(QStringLiteral("阴遁九局"));
  EXPECT_EQ(platform_->ClipboardText(), Gbk("阴遁九局"));
  platform_->ClearClipboard();
  EXPECT_EQ(platform_->ClipboardText(), "");
}

struct MessageRow {
  const char* name;
  std::uint32_t style;
  QMessageBox::Icon icon;
  std::vector<QMessageBox::StandardButton> buttons;
  QMessageBox::StandardButton press;
  int answer;
};

class QtMessageBoxTest : public QtPlatformTest, public ::testing::WithParamInterface<MessageRow> {};

// Shows a box, reads what it shows, presses one button and returns the answer.
TEST_P(QtMessageBoxTest, ShowsTitleTextIconButtonsAndAnswers) {
  const MessageRow& row = GetParam();
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::vector<QMessageBox::StandardButton> buttons;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    modal = box->isModal();
    for (QAbstractButton* b : box->buttons()) buttons.push_back(box->standardButton(b));
    box->button(row.press)->click();
  });
  const int answer =
      platform_->ShowMessageBox(Gbk("已经整盘复制到剪切板！\r\n"), Gbk("提示"), row.style);
  EXPECT_EQ(answer, row.answer);
  EXPECT_EQ(title, QStringLiteral("提示"));
  EXPECT_EQ(text, QStringLiteral("已经整盘复制到剪切板！\n"));
  EXPECT_EQ(icon, row.icon);
  EXPECT_TRUE(modal);
  std::sort(buttons.begin(), buttons.end());
  std::vector<QMessageBox::StandardButton> want = row.buttons;
  std::sort(want.begin(), want.end());
  EXPECT_EQ(buttons, want);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QtMessageBoxTest,
    ::testing::Values(
        MessageRow{"PlainOk", 0x0, QMessageBox::NoIcon, {QMessageBox::Ok}, QMessageBox::Ok, 1},
        MessageRow{"ErrorOk", 0x10, QMessageBox::Critical, {QMessageBox::Ok}, QMessageBox::Ok, 1},
        MessageRow{
            "InformationOk", 0x40, QMessageBox::Information, {QMessageBox::Ok}, QMessageBox::Ok, 1},
        MessageRow{
            "TaskModalOk", 0x2040, QMessageBox::Information, {QMessageBox::Ok}, QMessageBox::Ok, 1},
        MessageRow{"OkCancel",
                   0x31,
                   QMessageBox::Warning,
                   {QMessageBox::Ok, QMessageBox::Cancel},
                   QMessageBox::Cancel,
                   2},
        MessageRow{"YesNo",
                   0x24,
                   QMessageBox::Question,
                   {QMessageBox::Yes, QMessageBox::No},
                   QMessageBox::No,
                   7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtServicesTest, EveryMessageBoxButtonIsCaptionedInChinese) {
  const std::map<QMessageBox::StandardButton, QString> want = {
      {QMessageBox::Ok, QStringLiteral("确定")},    {QMessageBox::Cancel, QStringLiteral("取消")},
      {QMessageBox::Yes, QStringLiteral("是")},     {QMessageBox::No, QStringLiteral("否")},
      {QMessageBox::Retry, QStringLiteral("重试")}, {QMessageBox::Ignore, QStringLiteral("忽略")},
      {QMessageBox::Abort, QStringLiteral("中止")}};
  std::map<QMessageBox::StandardButton, QString> shown;
  // Every button set, from OK alone to Retry/Cancel.
  for (std::uint32_t set = 0; set <= 5; ++set) {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* b : box->buttons()) shown[box->standardButton(b)] = b->text();
      box->buttons().front()->click();
    });
    platform_->ShowMessageBox(Gbk("复制到剪切板失败！"), Gbk("错误"), 0x10 | set);
  }
  EXPECT_EQ(shown, want);
}

TEST_F(QtServicesTest, AQuitBeforeTheLoopRunsEndsItAtOnce) {
  platform_->QuitMessageLoop();
  platform_->RunMessageLoop();  // returns without waiting
  SUCCEED();
}

TEST_F(QtServicesTest, TheLoopRunsUntilAHandlerQuitsIt) {
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (++ticks == 3) platform_->QuitMessageLoop();
  });
  timer.start(1);
  platform_->RunMessageLoop();
  EXPECT_EQ(ticks, 3);
}

TEST_F(QtServicesTest, ClockReadsTheLocalTime) {
  const QDateTime before = QDateTime::currentDateTime();
  const LocalTime now = platform_->Now();
  const QDateTime read(QDate(now.year, now.month, now.day),
                       QTime(now.hour, now.minute, now.second, now.millisecond));
  EXPECT_LE(std::abs(before.msecsTo(read)), 2000);
}

using QtEndProcessDeathTest = QtPlatformTest;

TEST_F(QtEndProcessDeathTest, EndProcessEndsWithTheCodesLowByte) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(platform_->EndProcess(0), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(platform_->EndProcess(3), ::testing::ExitedWithCode(3), "");
  EXPECT_EXIT(platform_->EndProcess(-1), ::testing::ExitedWithCode(255), "");
}

TEST_F(QtEndProcessDeathTest, EndProcessFlushesBufferedOutput) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        std::setvbuf(stderr, nullptr, _IOFBF, 256);
        std::fputs("last words", stderr);
        platform_->EndProcess(0);
      },
      ::testing::ExitedWithCode(0), "last words");
}

}  // namespace
}  // namespace veltrane::platform::test
