#include "platform/qt/edit_control.h"

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QValidator>
#include <algorithm>
#include <array>

#include "platform/qt/look_mapping.h"
#include "platform/qt/text_edge.h"

namespace veltrane::platform::qt {

namespace {

// Twice the system edge height around one line of text.
constexpr int kEdgeHeight = 2;
// Pixels of Qt's own padding given back to the text on each side.
constexpr int kTextMarginGain = 2;

// Limits the box to a number of GBK bytes, as the runtime counts them.
class GbkLimitValidator : public QValidator {
 public:
  GbkLimitValidator(int max_bytes, QObject* parent) : QValidator(parent), max_(max_bytes) {}
  State validate(QString& input, int& /*pos*/) const override {
    return GbkByteLength(input) > max_ ? Invalid : Acceptable;
  }

 private:
  int max_;
};

constexpr std::array<Qt::AlignmentFlag, 3> kAlignments = {Qt::AlignLeft, Qt::AlignHCenter,
                                                          Qt::AlignRight};

// A character the filter sees: printable, from code 32 up (DEL is an editing key).
bool IsFilteredChar(char32_t ch) { return ch >= 32 && ch != 0x7F; }

}  // namespace

EditControl::EditControl(QWidget* parent) : QLineEdit(parent) {}

void EditControl::ApplyLook(const EditLook& look) {
  setFont(FontFor(look.font));
  QPalette pal = palette();
  pal.setColor(QPalette::Text, ColourFromRef(look.text_colour));
  pal.setColor(QPalette::Base, BackgroundColour(look.background, pal));
  setPalette(pal);
  setFrame(look.border_style != 0);
  // The inputs were sized for a system edit box, whose text runs closer to its
  // border than Qt's: a four-digit year fills a 32-pixel box.
  setTextMargins(-kTextMarginGain, 0, -kTextMarginGain, 0);
  setReadOnly(look.read_only);
  setEchoMode(look.password ? QLineEdit::Password : QLineEdit::Normal);
  setStyleSheet(
      look.password
          ? QStringLiteral("lineedit-password-character: %1").arg(static_cast<unsigned>(look.mask))
          : QString());
  setAlignment(kAlignments[static_cast<std::size_t>(std::clamp(look.alignment, 0, 2))] |
               Qt::AlignVCenter);
  case_conversion_ = std::clamp(look.case_conversion, 0, 2);
  delete validator();
  setValidator(look.max_length > 0 ? new GbkLimitValidator(look.max_length, this) : nullptr);
}

int EditControl::MinimumLineHeight() const {
  return QFontMetrics(font()).height() + 2 * kEdgeHeight;
}

QString EditControl::Admit(const QString& typed) const {
  for (const char32_t ch : typed.toUcs4()) {
    if (IsFilteredChar(ch) && accept_ && !accept_(ch)) return QString();
  }
  if (case_conversion_ == 1) return typed.toLower();
  if (case_conversion_ == 2) return typed.toUpper();
  return typed;
}

void EditControl::keyPressEvent(QKeyEvent* event) {
  const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
  if (arrow && on_step_ && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    on_step_(event->key() == Qt::Key_Up ? +1 : -1);
    return;
  }
  const QString typed = event->text();
  const bool printable = !typed.isEmpty() && IsFilteredChar(typed.front().unicode()) &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (!printable) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QString admitted = Admit(typed);
  if (admitted.isEmpty()) {
    event->accept();  // refused: the box stays as it was
    return;
  }
  if (admitted == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
  if (!isReadOnly()) insert(admitted);  // the case-converted text, as if typed
}

void EditControl::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (commit.isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent admitted(event->preeditString(), event->attributes());
  admitted.setCommitString(Admit(commit), event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&admitted);
  event->accept();
}

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  const std::array<std::pair<QToolButton*, int>, 2> arrows = {{{up_, +1}, {down_, -1}}};
  for (const auto& [button, delta] : arrows) {
    button->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumSize(0, 0);
    connect(button, &QToolButton::clicked, this, [this, step = delta] {
      if (on_arrow_) on_arrow_(step);
    });
  }
  setFocusPolicy(Qt::NoFocus);
}

void SpinArrows::resizeEvent(QResizeEvent* /*event*/) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace veltrane::platform::qt
