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
#include <utility>

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

}  // namespace

// The command line is left to Qt (platform and display options); the program
// itself reads none.
int main(int argc, char** argv) {
  const bool chosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
  AllowAGracefulStart();
  auto app = std::make_unique<QApplication>(argc, argv);
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
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("veltrane")));
  // The platform owns the application, so the normal end after the window is
  // closed shuts Qt down properly: the desktop keeps what the user copied.
  veltrane::platform::QtPlatform platform(std::move(app));
  veltrane::platform::InstallPlatform(&platform);
  // Runs until the window is closed, then ends the process through the exit routines.
  veltrane::ui::Program program;
  program.Run();
}

#endif
