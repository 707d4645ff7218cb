// The label control: a widget that paints its own background, border and
// caption, so colours, fonts and the text effect look the same everywhere.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "platform/platform.h"

namespace veltrane::platform::qt {

class LabelWidget : public QWidget {
 public:
  explicit LabelWidget(QWidget* parent);

  // Stores the look and repaints.
  void SetLook(const LabelLook& look);
  // Replaces the caption alone and repaints.
  void SetCaption(const QString& caption);
  const QString& caption() const { return caption_; }
  const QFont& caption_font() const { return font_; }

  // The rectangle the caption is laid out in: the widget less its border.
  QRect TextRect() const;
  // Qt's alignment and layout flags for the caption.
  int TextFlags() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintBorder(class QPainter& painter) const;

  QString caption_;
  QFont font_;
  QColor text_colour_;
  std::uint32_t background_ = kButtonFace;
  int effect_ = 0;
  int border_style_ = 0;
  int h_align_ = 0;
  int v_align_ = 1;
  bool word_wrap_ = false;
};

}  // namespace veltrane::platform::qt
