// The top-level window: frame, placement, size, background and closing.
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include "form/controls/window_control.h"
#include "platform/qt/look_mapping.h"
#include "qt_test_support.h"

namespace veltrane::platform::test {
namespace {

class QtWindowTest : public QtPlatformTest {
 protected:
  Handle MakeWindow(const WindowLook& look, Rect rect) {
    CreateParams params;
    params.rect = rect;
    return platform_->CreateTopWindow(params, look);
  }
};

TEST_F(QtWindowTest, FixedFrameHasCaptionMinimiseAndNoMaximise) {
  WindowLook look;  // border 2, control box, minimise, no maximise, closable
  look.caption = Gbk("奇门遁甲");
  const Handle h = MakeWindow(look, Rect{50, 50, 792, 586});
  QWidget* w = platform_->WidgetOf(h);
  ASSERT_NE(w, nullptr);
  const Qt::WindowFlags flags = w->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "a fixed frame is not resizable";
  EXPECT_EQ(w->windowTitle(), QStringLiteral("奇门遁甲"));
  EXPECT_EQ(platform_->GetText(h), Gbk("奇门遁甲"));
}

TEST_F(QtWindowTest, ResizableAndFramelessStylesFollowTheBorderStyle) {
  WindowLook look;
  look.border_style = 1;
  look.maximise_box = true;
  QWidget* resizable = platform_->WidgetOf(MakeWindow(look, Rect{0, 0, 300, 200}));
  EXPECT_NE(resizable->minimumSize(), resizable->maximumSize());
  EXPECT_TRUE(resizable->windowFlags() & Qt::WindowMaximizeButtonHint);
  look.border_style = 0;
  QWidget* bare = platform_->WidgetOf(MakeWindow(look, Rect{0, 0, 300, 200}));
  EXPECT_TRUE(bare->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(QtWindowTest, ACentredWindowLiesOnTheWorkAreaOrKeepsItsTitleBarOnIt) {
  const Rect area = platform_->WorkArea();
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(area, (Rect{available.x(), available.y(), available.width(), available.height()}));
  WindowLook look;
  look.position = 1;
  // The runtime centres a window; the platform puts it where it is told.
  for (const Size size :
       {Size{area.width / 2, area.height / 2}, Size{area.width + 200, area.height + 100}}) {
    const Rect placed = runtime::PlacedRect(area, size.width, size.height);
    const Handle h = MakeWindow(look, placed);
    platform_->SetVisible(h, true);
    Settle();
    const Rect r = platform_->GetRect(h);
    EXPECT_EQ(r, placed) << size.width;
    EXPECT_GE(r.left, area.left);
    EXPECT_GE(r.top, area.top);  // the title bar is reachable
    if (size.width <= area.width) {
      EXPECT_LE(r.left + r.width, area.left + area.width);
    }
    platform_->Destroy(h);
  }
}

TEST_F(QtWindowTest, PositionZeroKeepsTheStoredPlace) {
  const Rect r = platform_->GetRect(window_);
  EXPECT_EQ(r, (Rect{10, 20, 400, 300}));
  platform_->SetRect(window_, Rect{30, 40, 500, 350});
  EXPECT_EQ(platform_->GetRect(window_), (Rect{30, 40, 500, 350}));
}

TEST_F(QtWindowTest, ClientAreaNeverCutsOffAShownControl) {
  const Handle button = platform_->CreateButton(At(350, 260, 80, 60), ButtonLook{});
  platform_->SetVisible(button, true);
  ShowWindow();
  QWidget* w = platform_->WidgetOf(window_);
  EXPECT_GE(w->width(), 430);
  EXPECT_GE(w->height(), 320);
}

TEST_F(QtWindowTest, OffScreenAndHiddenControlsDoNotWidenTheWindow) {
  const Handle off = platform_->CreateButton(At(-728, 384, 80, 32), ButtonLook{});
  platform_->SetVisible(off, true);
  platform_->CreateButton(At(900, 900, 80, 32), ButtonLook{});  // stays hidden
  ShowWindow();
  EXPECT_EQ(platform_->GetRect(window_).width, 400);
  EXPECT_EQ(platform_->GetRect(window_).height, 300);
}

TEST_F(QtWindowTest, BackgroundColourFillsTheWindow) {
  WindowLook look;
  look.background = 0x000000;
  const Handle h = MakeWindow(look, Rect{0, 0, 120, 80});
  platform_->SetVisible(h, true);
  Settle();
  const QImage image = platform_->WidgetOf(h)->grab().toImage();
  EXPECT_EQ(CountPixels(image, Qt::black, 0), image.width() * image.height());
  look.background = kButtonFace;
  platform_->SetWindowLook(h, look);
  EXPECT_EQ(platform_->WidgetOf(h)->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Button));
}

TEST_F(QtWindowTest, ClosingAsksTheRuntimeWhichDestroysTheWindow) {
  sink_.on_closed = [this](Handle h) { platform_->Destroy(h); };
  ShowWindow();
  QWidget* w = platform_->WidgetOf(window_);
  w->close();
  EXPECT_EQ(sink_.Of(SinkEvent::kClosed), (std::vector<SinkEvent>{{SinkEvent::kClosed, window_}}));
  EXPECT_EQ(platform_->WidgetOf(window_), nullptr);
  EXPECT_FALSE(platform_->IsVisible(window_));
  Settle();  // the widget itself goes once control is back in the loop
}

TEST_F(QtWindowTest, DestroyingAWindowForgetsItsControls) {
  const Handle edit = platform_->CreateEdit(At(5, 5, 50, 24), EditLook{});
  platform_->Destroy(window_);
  EXPECT_EQ(platform_->WidgetOf(edit), nullptr);
  EXPECT_EQ(platform_->GetText(edit), "");
  EXPECT_EQ(platform_->GetRect(edit), Rect{});
  platform_->SetText(edit, "1");  // a stale handle is ignored
  Settle();
}

}  // namespace
}  // namespace veltrane::platform::test
