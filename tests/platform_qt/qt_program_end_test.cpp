// How a program on the desktop platform ends, each run in a child process of
// its own: a window whose button copies a chart to the clipboard, the runtime's
// message loop and its exit routines. After a normal close Qt shuts down (the
// application is destroyed, which is what hands the clipboard to the desktop's
// clipboard manager); an end from inside a handler, and a fatal one, end at
// once as before.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/text/gbk.h"
#include "form/controls/button_block.h"
#include "form/controls/window_block.h"
#include "form/fatal.h"
#include "form/form_runtime.h"
#include "form/process.h"
#include "form/template/window_template.h"
#include "form/values/value_ops.h"
#include "platform/qt/qt_platform.h"

namespace veltrane::platform::test {
namespace {

using ::testing::AllOf;
using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr runtime::WindowId kWindow = 0x52010001;
constexpr runtime::ControlId kCopy = 0x16010001;  // "复制排盘", click handler 0
constexpr const char* kChart = "阳遁3局 值符天蓬 值使休门";

enum class Ending {
  kWindowClosed,         // the user closes the window after copying
  kExitInHandler,        // the copy handler itself ends the program
  kExitWhileDelivering,  // the same, reached through ProcessPendingEvents
  kFatalInHandler,       // the copy handler raises a run-time error
  kFatalAfterLoop,       // a fatal report after the loop has returned
};

Ending ending = Ending::kWindowClosed;

void CopyChart() {
  runtime::ops::SetClipboardText(runtime::GbkFromUtf8(kChart).c_str());
  if (ending == Ending::kExitInHandler || ending == Ending::kExitWhileDelivering) {
    runtime::ExitProgram(0);
  }
  if (ending == Ending::kFatalInHandler) runtime::RaiseRuntimeError(1);
}
const runtime::HandlerFn kHandlers[] = {&CopyChart};

// The exit routine: says that it ran and what the clipboard then holds.
void ReportClipboard() {
  const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
  std::fprintf(stderr, "exit routines ran; clipboard: %s\n", text.constData());
}

std::vector<std::uint8_t> ProgramTemplate() {
  runtime::WindowBlock window_block;
  window_block.caption = "Veltrane";
  runtime::ButtonBlock copy;
  copy.caption = runtime::GbkFromUtf8("复制排盘");
  runtime::UnitDescription window_unit;
  window_unit.id = runtime::kWindowUnitId;
  window_unit.type_code = static_cast<std::uint32_t>(runtime::TypeCode::Window);
  window_unit.width = 300;
  window_unit.height = 200;
  window_unit.flags = 1;
  window_unit.type_block = window_block.Encode();
  runtime::UnitDescription copy_unit;
  copy_unit.id = kCopy;
  copy_unit.type_code = static_cast<std::uint32_t>(runtime::TypeCode::Button);
  copy_unit.left = 20;
  copy_unit.top = 20;
  copy_unit.width = 80;
  copy_unit.height = 32;
  copy_unit.flags = 5;
  copy_unit.type_block = copy.Encode();
  copy_unit.events = {{0, 0}};
  runtime::WindowDescription window;
  window.id = kWindow;
  window.units = {window_unit, copy_unit};
  return runtime::WriteWindowTemplate(std::vector<runtime::WindowDescription>{window});
}

// The whole run of the small program, ending as `how` says; never returns.
[[noreturn]] void RunSmallProgram(Ending how) {
  ending = how;
  static int argc = 1;
  static char name[] = "platform_qt_program_end";
  static char* argv[] = {name, nullptr};
  auto app = std::make_unique<QApplication>(argc, argv);
  QObject::connect(app.get(), &QObject::destroyed,
                   [] { std::fputs("application destroyed\n", stderr); });
  // Never deleted: the process ends inside the run, as the program's does.
  auto* platform = new QtPlatform(std::move(app));
  InstallPlatform(platform);
  static const std::vector<std::uint8_t> stream = ProgramTemplate();
  runtime::InitRuntime(stream, kHandlers);
  runtime::RegisterExitRoutine(&ReportClipboard);
  runtime::LoadWindow(kWindow);

  auto* copy =
      static_cast<QPushButton*>(platform->WidgetOf(runtime::NativeHandleOf(kWindow, kCopy)));
  QWidget* window = platform->WidgetOf(runtime::NativeHandleOf(kWindow, runtime::kWindowUnitId));
  if (copy == nullptr || window == nullptr) std::_Exit(70);
  // The user copies the chart, then closes the window; message boxes are answered.
  QTimer::singleShot(0, copy, [copy] { copy->click(); });
  QTimer::singleShot(0, window, [window] { window->close(); });
  auto* answer = new QTimer();
  QObject::connect(answer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->done(0);
  });
  answer->start(5);

  if (how == Ending::kExitWhileDelivering) platform->ProcessPendingEvents();
  runtime::RunMessageLoop();
  if (how == Ending::kFatalAfterLoop) runtime::ReportFatal("", 0);
  runtime::ExitProgram(0);
}

struct EndRow {
  const char* name;
  Ending how;
  int status;
  ::testing::Matcher<const std::string&> stderr_text;
};

void PrintTo(const EndRow& row, std::ostream* os) { *os << row.name; }

class QtProgramEndDeathTest : public ::testing::TestWithParam<EndRow> {};

TEST_P(QtProgramEndDeathTest, EndsWithItsStatusAndShutsQtDownOnlyAfterANormalClose) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const EndRow& row = GetParam();
  EXPECT_EXIT(RunSmallProgram(row.how), ::testing::ExitedWithCode(row.status), row.stderr_text);
}

const std::string kRoutinesRan = std::string("exit routines ran; clipboard: ") + kChart;

INSTANTIATE_TEST_SUITE_P(
    Endings, QtProgramEndDeathTest,
    ::testing::Values(
        EndRow{"WindowClosed", Ending::kWindowClosed, 0,
               AllOf(HasSubstr(kRoutinesRan),
                     ContainsRegex("exit routines ran.*application destroyed"))},
        EndRow{"ExitInHandler", Ending::kExitInHandler, 0,
               AllOf(HasSubstr(kRoutinesRan), Not(HasSubstr("application destroyed")))},
        EndRow{"ExitWhileDelivering", Ending::kExitWhileDelivering, 0,
               AllOf(HasSubstr(kRoutinesRan), Not(HasSubstr("application destroyed")))},
        EndRow{"FatalInHandler", Ending::kFatalInHandler, 255,
               AllOf(Not(HasSubstr("exit routines ran")), Not(HasSubstr("application destroyed")))},
        EndRow{
            "FatalAfterLoop", Ending::kFatalAfterLoop, 255,
            AllOf(Not(HasSubstr("exit routines ran")), Not(HasSubstr("application destroyed")))}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veltrane::platform::test
