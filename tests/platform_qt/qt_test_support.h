// What the desktop platform's tests share: the one QApplication of the test
// process, an event sink that records what the platform reports, and a
// fixture with a platform and a window to put controls on.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/qt/qt_platform.h"

namespace veltrane::platform::test {

// The test process's QApplication, made on first use.
QApplication& TestApplication();

// GBK bytes of a UTF-8 text, for the texts the tests pass across the seam.
std::string Gbk(const char* utf8);

// Lets Qt deliver what is pending (posted events, deferred deletes).
void Settle();

struct SinkEvent {
  enum Kind {
    kClicked,
    kEditChanged,
    kSpin,
    kTypedChar,
    kComboSelected,
    kMoved,
    kResized,
    kClosed
  };
  Kind kind;
  Handle handle;
  int value = 0;  // spin delta or the typed character
  bool operator==(const SinkEvent&) const = default;
};

class RecordingSink : public EventSink {
 public:
  void OnButtonClicked(Handle h) override { events.push_back({SinkEvent::kClicked, h}); }
  void OnEditChanged(Handle h) override { events.push_back({SinkEvent::kEditChanged, h}); }
  void OnSpinArrow(Handle h, int delta) override { events.push_back({SinkEvent::kSpin, h, delta}); }
  bool AcceptTypedChar(Handle h, char32_t ch) override {
    events.push_back({SinkEvent::kTypedChar, h, static_cast<int>(ch)});
    return accept ? accept(ch) : true;
  }
  void OnComboSelected(Handle h) override { events.push_back({SinkEvent::kComboSelected, h}); }
  void OnWindowMoved(Handle h) override { events.push_back({SinkEvent::kMoved, h}); }
  void OnWindowResized(Handle h) override { events.push_back({SinkEvent::kResized, h}); }
  void OnWindowClosed(Handle h) override {
    events.push_back({SinkEvent::kClosed, h});
    if (on_closed) on_closed(h);
  }

  // Events of one kind, in order.
  std::vector<SinkEvent> Of(SinkEvent::Kind kind) const;

  std::vector<SinkEvent> events;
  std::function<bool(char32_t)> accept;
  std::function<void(Handle)> on_closed;
};

// A platform with the recording sink and one window, 400 x 300 at (10, 20),
// not yet shown.
class QtPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Shows the window and makes it the active one.
  void ShowWindow();
  // A control params record on the test window.
  CreateParams At(int left, int top, int width, int height) const;

  std::unique_ptr<QtPlatform> platform_;
  RecordingSink sink_;
  Handle window_ = 0;
};

// Pixels of an image in a colour, within a tolerance per channel.
int CountPixels(const QImage& image, QColor colour, int tolerance = 40);
// The bounding box of those pixels (null when there are none).
QRect PixelBounds(const QImage& image, QColor colour, int tolerance = 40);

}  // namespace veltrane::platform::test
