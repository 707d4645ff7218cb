// The desktop program: Qt Widgets under the form runtime. The command line is
// left to Qt (platform and display options); the program itself reads none.
#include <QApplication>

#include "runtime/platform/platform.h"
#include "runtime/platform/qt/qt_platform.h"
#include "ui/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Veltrane"));
  veltrane::platform::QtPlatform platform;
  veltrane::platform::InstallPlatform(&platform);
  // Runs until the window is closed, then ends the process through the exit routines.
  return veltrane::ui::RunProgram();
}
