// The desktop program: the form runtime on the native platform of the system
// it is built for (Win32 on Windows, Qt Widgets elsewhere).
#include "runtime/platform/platform.h"
#include "ui/program.h"

#ifdef _WIN32

#include "runtime/platform/win32/win32_platform.h"

int main() {
  veltrane::platform::Win32Platform platform;
  veltrane::platform::InstallPlatform(&platform);
  // Runs until the window is closed, then ends the process through the exit routines.
  veltrane::ui::RunProgram();
}

#else

#include <QApplication>
#include <QIcon>
#include <memory>
#include <utility>

#include "app/version.h"
#include "runtime/platform/qt/qt_platform.h"

// The command line is left to Qt (platform and display options); the program
// itself reads none.
int main(int argc, char** argv) {
  auto app = std::make_unique<QApplication>(argc, argv);
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
  veltrane::ui::RunProgram();
}

#endif
