// The label paints itself: background, caption colour, text effect,
// alignment, word wrap, and drawing beyond its text rectangle.
#include <QFontMetrics>
#include <QImage>
#include <QPalette>

#include "platform/qt/label_widget.h"
#include "qt_test_support.h"

namespace veltrane::platform::test {
namespace {

class QtLabelPaintTest : public QtPlatformTest {
 protected:
  // Paints a label of the look and size and returns its pixels.
  QImage Paint(const LabelLook& look, int width, int height) {
    const Handle label = platform_->CreateLabel(At(0, 0, width, height), look);
    return platform_->WidgetOf(label)->grab().toImage();
  }
};

LabelLook BoldLook(const char* caption, int pixels, std::uint32_t colour) {
  LabelLook look;
  look.caption = Gbk(caption);
  look.text_colour = colour;
  look.background = 0x000000;
  look.font.is_default = false;
  look.font.height = -pixels;
  look.font.weight = 700;
  return look;
}

TEST_F(QtLabelPaintTest, BlackBackgroundPaintsBlackAndButtonFacePaintsThePalette) {
  LabelLook look;
  look.caption.clear();
  look.background = 0x000000;
  QImage image = Paint(look, 40, 20);
  EXPECT_EQ(CountPixels(image, Qt::black, 0), 40 * 20);
  look.background = kButtonFace;
  image = Paint(look, 40, 20);
  EXPECT_EQ(CountPixels(image, QApplication::palette().color(QPalette::Button), 0), 40 * 20);
}

TEST_F(QtLabelPaintTest, CaptionIsDrawnInItsTextColour) {
  const QImage image = Paint(BoldLook("坎一宫", 16, 0xC06000), 112, 24);
  EXPECT_GT(CountPixels(image, QColor(0x00, 0x60, 0xC0)), 20);
  EXPECT_EQ(CountPixels(image, Qt::red, 60), 0);
}

struct EffectRow {
  int effect;
  QColor copy;
  QPoint shift;  // where the copy lies relative to the caption
};

class QtLabelEffectTest : public QtLabelPaintTest,
                          public ::testing::WithParamInterface<EffectRow> {};

TEST_P(QtLabelEffectTest, EffectDrawsItsCopyFirstAndOffset) {
  const EffectRow& row = GetParam();
  LabelLook look = BoldLook("I", 20, 0x0000FF);
  look.background = 0x808080;
  look.h_align = 1;
  look.effect = row.effect;
  const QImage image = Paint(look, 40, 30);
  const QRect text = PixelBounds(image, Qt::red, 30);
  const QRect copy = PixelBounds(image, row.copy, 30);
  ASSERT_FALSE(text.isNull());
  ASSERT_FALSE(copy.isNull()) << "effect " << row.effect;
  // The caption is drawn over the copy, so only the copy's far edge shows.
  if (row.shift.x() > 0) {
    EXPECT_EQ(copy.right(), text.right() + row.shift.x());
  } else {
    EXPECT_EQ(copy.left(), text.left() + row.shift.x());
  }
}

INSTANTIATE_TEST_SUITE_P(Effects, QtLabelEffectTest,
                         ::testing::Values(EffectRow{1, Qt::white, {1, 1}},
                                           EffectRow{2, Qt::white, {-1, -1}},
                                           EffectRow{3, Qt::black, {2, 2}}));

TEST_F(QtLabelPaintTest, NoEffectDrawsNoCopy) {
  LabelLook look = BoldLook("I", 20, 0x0000FF);
  look.background = 0x808080;
  const QImage image = Paint(look, 40, 30);
  EXPECT_EQ(CountPixels(image, Qt::white, 30), 0);
  EXPECT_EQ(CountPixels(image, Qt::black, 30), 0);
}

struct AlignRow {
  int h_align;
  int v_align;
  bool left_half, top_half;  // where the caption's centre lies
  bool centred_h, centred_v;
};

class QtLabelAlignTest : public QtLabelPaintTest, public ::testing::WithParamInterface<AlignRow> {};

TEST_P(QtLabelAlignTest, CaptionFollowsBothAlignments) {
  const AlignRow& row = GetParam();
  LabelLook look = BoldLook("中", 16, 0x0000FF);
  look.h_align = row.h_align;
  look.v_align = row.v_align;
  const QImage image = Paint(look, 200, 100);
  const QPoint centre = PixelBounds(image, Qt::red).center();
  if (row.centred_h) {
    EXPECT_NEAR(centre.x(), 100, 6);
  } else {
    EXPECT_EQ(centre.x() < 100, row.left_half);
  }
  if (row.centred_v) {
    EXPECT_NEAR(centre.y(), 50, 6);
  } else {
    EXPECT_EQ(centre.y() < 50, row.top_half);
  }
}

INSTANTIATE_TEST_SUITE_P(Alignments, QtLabelAlignTest,
                         ::testing::Values(AlignRow{0, 0, true, true, false, false},
                                           AlignRow{1, 1, false, false, true, true},
                                           AlignRow{2, 2, false, false, false, false},
                                           AlignRow{0, 2, true, false, false, false},
                                           AlignRow{2, 0, false, true, false, false}));

TEST_F(QtLabelPaintTest, WordWrapBreaksLinesAndStartsAtTheTop) {
  // The rule labels: bars separated by line breaks, drawn from the top.
  LabelLook look = BoldLook("|\r\n|\r\n|", 16, 0x0000FF);
  look.word_wrap = true;
  look.v_align = 1;
  const QImage image = Paint(look, 30, 200);
  const QRect bars = PixelBounds(image, Qt::red);
  EXPECT_LT(bars.top(), 10);
  EXPECT_GT(bars.height(), 2 * QFontMetrics(platform_->WidgetOf(window_)->font()).height());
  // Without wrap the caption is a single line, centred.
  look.word_wrap = false;
  const QRect line = PixelBounds(Paint(look, 30, 200), Qt::red);
  EXPECT_LT(line.height(), 24);
  EXPECT_NEAR(line.center().y(), 100, 12);
}

TEST_F(QtLabelPaintTest, CaptionIsNotClippedToTheTextRectangle) {
  // A 48-pixel caption in a label 16 high with a one-pixel border: the
  // strokes cross the border rows, which lie outside the text rectangle.
  LabelLook look = BoldLook("中", 48, 0x0000FF);
  look.border_style = 5;
  const QImage image = Paint(look, 80, 16);
  const QRect ink = PixelBounds(image, Qt::red);
  EXPECT_EQ(ink.top(), 0);
  EXPECT_EQ(ink.bottom(), 15);
}

TEST_F(QtLabelPaintTest, RuleOfDashesShowsAsARedLine) {
  LabelLook look = BoldLook("----------------------------", 48, 0x0000FF);
  const QImage image = Paint(look, 696, 16);
  const QRect ink = PixelBounds(image, Qt::red);
  ASSERT_FALSE(ink.isNull());
  EXPECT_GT(ink.width(), 300);
}

}  // namespace
}  // namespace veltrane::platform::test
