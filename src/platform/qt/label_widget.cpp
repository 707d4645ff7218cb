#include "platform/qt/label_widget.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <array>

#include "platform/qt/look_mapping.h"
#include "platform/qt/text_edge.h"

namespace veltrane::platform::qt {

namespace {

// Border styles 0..6: a raised frame outside, a sunken edge inside, or a plain
// line. Style 6 (gradient border) is drawn as a single line.
struct BorderShape {
  int raised = 0;
  int sunken = 0;
  int line = 0;
};
constexpr std::array<BorderShape, 7> kBorders = {{
    {0, 0, 0},  // none
    {0, 2, 0},  // sunken edge
    {3, 0, 0},  // raised frame
    {0, 1, 0},  // shallow sunken edge
    {3, 2, 0},  // sunken edge inside a raised frame
    {0, 0, 1},  // single line
    {0, 0, 1},  // gradient border
}};

const BorderShape& BorderOf(int style) {
  return kBorders[static_cast<std::size_t>(std::clamp(style, 0, 6))];
}

constexpr std::array<int, 3> kHorizontal = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
constexpr std::array<int, 3> kVertical = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};

// The text effect's extra copy: offset and colour; effect 0 has none.
struct EffectCopy {
  int dx = 0;
  int dy = 0;
  QColor colour;
};
EffectCopy EffectOf(int effect) {
  switch (effect) {
    case 1:
      return {1, 1, Qt::white};
    case 2:
      return {-1, -1, Qt::white};
    case 3:
      return {2, 2, Qt::black};
    default:
      return {};
  }
}

}  // namespace

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void LabelWidget::SetLook(const LabelLook& look) {
  caption_ = CaptionFromGbk(look.caption);
  font_ = FontFor(look.font);
  text_colour_ = ColourFromRef(look.text_colour);
  background_ = look.background;
  effect_ = std::clamp(look.effect, 0, 3);
  border_style_ = std::clamp(look.border_style, 0, 6);
  h_align_ = std::clamp(look.h_align, 0, 2);
  v_align_ = std::clamp(look.v_align, 0, 2);
  word_wrap_ = look.word_wrap;
  update();
}

void LabelWidget::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

QRect LabelWidget::TextRect() const {
  const BorderShape& b = BorderOf(border_style_);
  const int inset = b.raised + b.sunken + b.line;
  return rect().adjusted(inset, inset, -inset, -inset);
}

int LabelWidget::TextFlags() const {
  // The caption may spill out of its rectangle (it is only clipped to the
  // widget), as big rule characters in thin labels rely on.
  int flags = kHorizontal[static_cast<std::size_t>(h_align_)] | Qt::TextDontClip;
  if (word_wrap_) return flags | Qt::TextWordWrap | Qt::AlignTop;
  return flags | Qt::TextSingleLine | kVertical[static_cast<std::size_t>(v_align_)];
}

void LabelWidget::PaintBorder(QPainter& painter) const {
  const BorderShape& b = BorderOf(border_style_);
  QRect r = rect();
  if (b.raised > 0) {
    qDrawShadePanel(&painter, r, palette(), false, b.raised);
    r.adjust(b.raised, b.raised, -b.raised, -b.raised);
  }
  if (b.sunken > 0) qDrawShadePanel(&painter, r, palette(), true, b.sunken);
  if (b.line > 0) qDrawPlainRect(&painter, r, palette().color(QPalette::WindowText), b.line);
}

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.save();
  painter.fillRect(rect(), BackgroundColour(background_, palette()));
  PaintBorder(painter);
  painter.restore();

  painter.save();
  painter.setFont(font_);
  const QRect text_rect = TextRect();
  const int flags = TextFlags();
  const EffectCopy copy = EffectOf(effect_);
  if (copy.colour.isValid()) {
    painter.setPen(copy.colour);
    painter.drawText(text_rect.translated(copy.dx, copy.dy), flags, caption_);
  }
  painter.setPen(text_colour_);
  painter.drawText(text_rect, flags, caption_);
  painter.restore();
}

}  // namespace veltrane::platform::qt
