// The edit box: a single-line QLineEdit whose typed characters pass the
// runtime's filter, whose length limit counts GBK bytes, and which may carry
// an up-down control beside its right edge.
#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "platform/platform.h"

namespace veltrane::platform::qt {

// Width of the up-down control of a spin edit box, in pixels.
inline constexpr int kSpinWidth = 18;

class EditControl : public QLineEdit {
 public:
  explicit EditControl(QWidget* parent);

  // Applies everything of the look that a live line edit can change.
  void ApplyLook(const EditLook& look);
  // Asked for every typed character from code 32 up; false drops it.
  void SetCharFilter(std::function<bool(char32_t)> accept) { accept_ = std::move(accept); }
  // Up and Down step the box as its up-down control's arrows do (+1, -1);
  // none = the keys keep their line-edit meaning.
  void SetStepKeys(std::function<void(int)> on_step) { on_step_ = std::move(on_step); }
  // The least height that shows one line of the box's font.
  int MinimumLineHeight() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // The typed text as it may enter the box: filtered, case-converted; empty
  // when the filter refused any of it.
  QString Admit(const QString& typed) const;

  std::function<bool(char32_t)> accept_;
  std::function<void(int)> on_step_;
  int case_conversion_ = 0;
};

// The up-down control: two arrow buttons stacked; each press reports +1 or -1.
class SpinArrows : public QWidget {
 public:
  explicit SpinArrows(QWidget* parent);
  void SetArrowHandler(std::function<void(int)> on_arrow) { on_arrow_ = std::move(on_arrow); }
  QToolButton* up() const { return up_; }
  QToolButton* down() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
  std::function<void(int)> on_arrow_;
};

}  // namespace veltrane::platform::qt
