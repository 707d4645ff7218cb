// The desktop program: the form runtime on the native platform of the system
// it is built for (Win32 on Windows, Qt Widgets elsewhere).
#include "platform/platform.h"
#include "ui/program.h"

#ifdef _WIN32

#include "platform/win32/win32_platform.h"

int main() {
  veltrane::platform::Win32Platform platform;
  veltrane::platform::InstallPlatform(&platform);
  // Runs until the window is closed, then ends the process through the exit routines.
  veltrane::ui::Program program;
  program.Run();
}

#else

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <utility>

#include "app/desktop_options.h"
#include "app/version.h"
#include "platform/qt/qt_platform.h"

namespace {

// The exit status when no display can be opened, for scripts that then fall back.
constexpr int kNoDisplayStatus = 3;
constexpr const char* kFallback = "offscreen";

// Unless a platform is chosen, the usual one is tried, then a windowless one
// that starts everywhere: Qt itself would abort when the display named cannot
// be opened.
void AllowAGracefulStart() {
  if (std::getenv("QT_QPA_PLATFORM") != nullptr) return;
  const bool wayland = std::getenv("WAYLAND_DISPLAY") != nullptr;
  setenv("QT_QPA_PLATFORM", wayland ? "wayland;xcb;offscreen" : "xcb;offscreen", 1);
}

// While the platforms are tried, Qt's warnings about a display that cannot be
// opened (and the windowless fallback's own) stay unprinted: the program says
// so itself, in one line. A fatal message still goes out.
QtMessageHandler g_usual_handler = nullptr;
void QuietWhileTrying(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) return;
  if (g_usual_handler != nullptr) g_usual_handler(type, context, text);
}

// The program's icon: the desktop theme's when installed, else the one built in.
QIcon ProgramIcon() {
  QIcon built_in;
  for (int size : {16, 32, 48, 256}) {
    built_in.addFile(QStringLiteral(":/icons/veltrane-%1.png").arg(size), QSize(size, size));
  }
  return QIcon::fromTheme(QStringLiteral("veltrane"), built_in);
}

}  // namespace

// The command line is left to Qt (platform and display options) but for
// --help and --version, which print and end without a display.
int main(int argc, char** argv) {
  const std::span<char* const> args(argv, static_cast<std::size_t>(argc));
  switch (veltrane::app::ReadDesktopRequest(args)) {
    case veltrane::app::DesktopRequest::kHelp:
      std::fputs(veltrane::app::DesktopHelpText().c_str(), stdout);
      return 0;
    case veltrane::app::DesktopRequest::kVersion:
      std::printf("veltrane %s\n", veltrane::app::kVersion);
      return 0;
    case veltrane::app::DesktopRequest::kWindow:
      break;
  }
  const bool chosen =
      std::getenv("QT_QPA_PLATFORM") != nullptr || veltrane::app::NamesAPlatform(args);
  if (!chosen) {
    AllowAGracefulStart();
    g_usual_handler = qInstallMessageHandler(&QuietWhileTrying);
  }
  auto app = std::make_unique<QApplication>(argc, argv);
  if (!chosen) qInstallMessageHandler(g_usual_handler);
  if (!chosen && QGuiApplication::platformName() == QLatin1String(kFallback)) {
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "veltrane: cannot open the display %s\n",
                 display != nullptr ? display : "(none named)");
    return kNoDisplayStatus;
  }
  QApplication::setApplicationName(QStringLiteral("Veltrane"));
  QApplication::setApplicationVersion(QString::fromLatin1(veltrane::app::kVersion));
  // The desktop finds the menu entry, and with it the icon, by this name.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(veltrane::app::kDesktopId));
  QApplication::setWindowIcon(ProgramIcon());
  // The platform owns the application, so the normal end after the window is
  // closed shuts Qt down properly: the desktop keeps what the user copied.
  veltrane::platform::QtPlatform platform(std::move(app));
  veltrane::platform::InstallPlatform(&platform);
  // Runs until the window is closed, then ends the process through the exit routines.
  veltrane::ui::Program program;
  program.Run();
}

#endif
