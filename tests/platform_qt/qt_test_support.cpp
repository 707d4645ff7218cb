#include "qt_test_support.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QWidget>
#include <cstdlib>

#include "base/text/gbk.h"

namespace veltrane::platform::test {

QApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "platform_qt_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

std::string Gbk(const char* utf8) { return runtime::GbkFromUtf8(utf8); }

void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
}

std::vector<SinkEvent> RecordingSink::Of(SinkEvent::Kind kind) const {
  std::vector<SinkEvent> found;
  for (const SinkEvent& e : events) {
    if (e.kind == kind) found.push_back(e);
  }
  return found;
}

void QtPlatformTest::SetUp() {
  TestApplication();
  platform_ = std::make_unique<QtPlatform>();
  platform_->SetEventSink(&sink_);
  WindowLook look;
  look.caption = Gbk("测试窗口");
  look.position = 0;
  CreateParams params;
  params.rect = Rect{10, 20, 400, 300};
  window_ = platform_->CreateTopWindow(params, look);
  ASSERT_NE(window_, 0u);
}

void QtPlatformTest::TearDown() {
  platform_->SetEventSink(nullptr);
  platform_.reset();
  Settle();
}

void QtPlatformTest::ShowWindow() {
  platform_->SetVisible(window_, true);
  QWidget* window = platform_->WidgetOf(window_);
  window->activateWindow();
  Settle();
}

CreateParams QtPlatformTest::At(int left, int top, int width, int height) const {
  CreateParams params;
  params.parent = window_;
  params.rect = Rect{left, top, width, height};
  params.tab_stop = true;
  return params;
}

namespace {

bool Near(QRgb pixel, const QColor& colour, int tolerance) {
  return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
         std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
         std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

}  // namespace

int CountPixels(const QImage& image, QColor colour, int tolerance) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Near(image.pixel(x, y), colour, tolerance)) ++count;
    }
  }
  return count;
}

QRect PixelBounds(const QImage& image, QColor colour, int tolerance) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Near(image.pixel(x, y), colour, tolerance)) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

}  // namespace veltrane::platform::test
