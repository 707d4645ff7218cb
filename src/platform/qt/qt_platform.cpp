#include "platform/qt/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/qt/combo_control.h"
#include "platform/qt/edit_control.h"
#include "platform/qt/label_widget.h"
#include "platform/qt/look_mapping.h"
#include "platform/qt/push_button.h"
#include "platform/qt/text_edge.h"
#include "platform/qt/top_window.h"

namespace veltrane::platform {

using qt::ComboControl;
using qt::EditControl;
using qt::LabelWidget;
using qt::SpinArrows;
using qt::TopWindow;

namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.width, r.height); }
Rect FromQRect(const QRect& r) { return Rect{r.x(), r.y(), r.width(), r.height()}; }

void ApplyButtonLook(QPushButton* button, const ButtonLook& look) {
  button->setText(qt::CaptionFromGbk(look.caption));
  button->setAutoDefault(false);
  button->setDefault(look.default_button);
  button->setFont(qt::FontFor(look.font));
  // Qt centres button captions; the other two alignments need the style sheet.
  static const QString kAlign[] = {QStringLiteral("text-align: left; padding: 0 4px"), QString(),
                                   QStringLiteral("text-align: right; padding: 0 4px")};
  button->setStyleSheet(kAlign[std::clamp(look.h_align, 0, 2)]);
}

}  // namespace

QtPlatform::QtPlatform() : QtPlatform(nullptr) {}

QtPlatform::QtPlatform(std::unique_ptr<QApplication> app) : app_(std::move(app)) {
  QApplication::setFont(qt::DefaultUiFont());
  QApplication::setQuitOnLastWindowClosed(false);
}

QtPlatform::~QtPlatform() {
  for (auto& [handle, entry] : entries_) {
    if (entry.kind == Kind::kWindow && entry.widget) delete entry.widget.data();
  }
}

void QtPlatform::SetEventSink(EventSink* sink) { sink_ = sink; }

Handle QtPlatform::Register(Kind kind, QWidget* widget) {
  const Handle handle = next_handle_++;
  entries_[handle] = Entry{kind, widget, nullptr, Qt::NoFocus};
  return handle;
}

const QtPlatform::Entry* QtPlatform::Find(Handle handle) const {
  const auto it = entries_.find(handle);
  if (it == entries_.end() || it->second.widget.isNull()) return nullptr;
  return &it->second;
}

template <class W>
W* QtPlatform::As(Handle handle, Kind kind) const {
  const Entry* entry = Find(handle);
  if (entry == nullptr || entry->kind != kind) return nullptr;
  return static_cast<W*>(entry->widget.data());
}

QWidget* QtPlatform::WidgetOf(Handle handle) const {
  const Entry* entry = Find(handle);
  return entry == nullptr ? nullptr : entry->widget.data();
}

QWidget* QtPlatform::SpinOf(Handle edit) const {
  const Entry* entry = Find(edit);
  return entry == nullptr ? nullptr : entry->spin.data();
}

QWidget* QtPlatform::ParentFor(const CreateParams& params) const { return WidgetOf(params.parent); }

void QtPlatform::SetUpChild(QWidget* widget, const CreateParams& params, bool takes_focus) {
  widget->setGeometry(ToQRect(params.rect));
  widget->setEnabled(!params.disabled);
  // Every control takes the focus when clicked; tab stops are also reached by
  // Tab, in the order the runtime sets.
  if (takes_focus) widget->setFocusPolicy(params.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  widget->hide();  // controls start hidden; the runtime shows them
}

Handle QtPlatform::CreateTopWindow(const CreateParams& params, const WindowLook& look) {
  auto* window = new TopWindow();
  window->ApplyLook(look);
  // The runtime has placed a centred window already (on the work area).
  window->SetOuterGeometry(params.rect);
  window->setEnabled(!params.disabled);
  const Handle handle = Register(Kind::kWindow, window);
  window->on_close = [this, handle] {
    if (sink_ == nullptr) return false;
    sink_->OnWindowClosed(handle);
    return true;
  };
  window->on_moved = [this, handle] {
    if (sink_ != nullptr) sink_->OnWindowMoved(handle);
  };
  window->on_resized = [this, handle] {
    if (sink_ != nullptr) sink_->OnWindowResized(handle);
  };
  return handle;
}

Handle QtPlatform::CreateLabel(const CreateParams& params, const LabelLook& look) {
  QWidget* parent = ParentFor(params);
  if (parent == nullptr) return 0;
  auto* label = new LabelWidget(parent);
  label->SetLook(look);
  SetUpChild(label, params, false);
  return Register(Kind::kLabel, label);
}

Handle QtPlatform::CreateEdit(const CreateParams& params, const EditLook& look) {
  QWidget* parent = ParentFor(params);
  if (parent == nullptr) return 0;
  auto* edit = new EditControl(parent);
  edit->ApplyLook(look);
  SetUpChild(edit, params, true);
  const Handle handle = Register(Kind::kEdit, edit);
  edit->SetCharFilter([this, handle](char32_t ch) {
    return sink_ == nullptr || sink_->AcceptTypedChar(handle, ch);
  });
  QObject::connect(edit, &QLineEdit::textEdited, edit, [this, handle] {
    if (sink_ != nullptr) sink_->OnEditChanged(handle);
  });
  UpdateSpin(handle, look);
  SetEditRect(handle, params.rect);
  return handle;
}

// An edit box with a spin mode carries its up-down control as a sibling just
// beyond its right edge, created, moved, shown and destroyed with it.
void QtPlatform::UpdateSpin(Handle edit_handle, const EditLook& look) {
  Entry& entry = entries_.at(edit_handle);
  QWidget* edit = entry.widget.data();
  const bool wanted = look.spin_mode != 0 && !look.multi_line;
  auto* line = static_cast<EditControl*>(edit);
  if (!wanted) {
    line->SetStepKeys(nullptr);
    if (entry.spin) {
      entry.spin->hide();
      entry.spin->deleteLater();
    }
    entry.spin = nullptr;
    return;
  }
  const auto on_arrow = [this, edit_handle](int delta) {
    if (sink_ != nullptr) sink_->OnSpinArrow(edit_handle, delta);
  };
  line->SetStepKeys(on_arrow);
  if (entry.spin) return;
  auto* spin = new SpinArrows(edit->parentWidget());
  spin->SetArrowHandler(on_arrow);
  spin->setEnabled(edit->isEnabledTo(edit->parentWidget()));
  spin->setVisible(!edit->isHidden());
  entry.spin = spin;
  SetEditRect(edit_handle, FromQRect(edit->geometry()));
  spin->stackUnder(edit);
}

void QtPlatform::SetEditRect(Handle handle, const Rect& rect) {
  auto* edit = As<EditControl>(handle, Kind::kEdit);
  if (edit == nullptr) return;
  // A single-line box shows at least one whole line of its font.
  const int height = std::max(rect.height, edit->MinimumLineHeight());
  edit->setGeometry(rect.left, rect.top, std::max(0, rect.width), height);
  if (QWidget* spin = SpinOf(handle)) {
    spin->setGeometry(rect.left + std::max(0, rect.width), rect.top, qt::kSpinWidth, height);
  }
}

Handle QtPlatform::CreateButton(const CreateParams& params, const ButtonLook& look) {
  QWidget* parent = ParentFor(params);
  if (parent == nullptr) return 0;
  auto* button = new qt::PushButton(parent);
  ApplyButtonLook(button, look);
  SetUpChild(button, params, true);
  const Handle handle = Register(Kind::kButton, button);
  QObject::connect(button, &QPushButton::clicked, button, [this, handle] {
    if (sink_ != nullptr) sink_->OnButtonClicked(handle);
  });
  return handle;
}

Handle QtPlatform::CreateComboBox(const CreateParams& params, const ComboLook& look) {
  QWidget* parent = ParentFor(params);
  if (parent == nullptr) return 0;
  auto* combo = new ComboControl(parent);
  combo->ApplyLook(look);
  SetUpChild(combo, params, true);
  const Handle handle = Register(Kind::kCombo, combo);
  SetRect(handle, params.rect);
  QObject::connect(combo, &QComboBox::activated, combo, [this, handle] {
    if (sink_ != nullptr) sink_->OnComboSelected(handle);
  });
  return handle;
}

void QtPlatform::Destroy(Handle handle) {
  const Entry* entry = Find(handle);
  if (entry == nullptr) {
    entries_.erase(handle);
    return;
  }
  QWidget* widget = entry->widget.data();
  // The handles of the widget's descendants go with it.
  std::vector<Handle> gone;
  for (const auto& [h, e] : entries_) {
    if (e.widget.isNull() || e.widget == widget || widget->isAncestorOf(e.widget))
      gone.push_back(h);
  }
  for (const Handle h : gone) {
    Entry& e = entries_.at(h);
    if (e.spin) {
      e.spin->hide();
      e.spin->deleteLater();
    }
    entries_.erase(h);
  }
  // Deleted later: the user's close or click that led here is still on the stack.
  widget->hide();
  widget->deleteLater();
}

void QtPlatform::SetWindowLook(Handle window, const WindowLook& look) {
  if (auto* w = As<TopWindow>(window, Kind::kWindow)) w->ApplyLook(look);
}

void QtPlatform::SetLabelLook(Handle label, const LabelLook& look) {
  if (auto* w = As<LabelWidget>(label, Kind::kLabel)) w->SetLook(look);
}

void QtPlatform::SetEditLook(Handle edit, const EditLook& look) {
  auto* w = As<EditControl>(edit, Kind::kEdit);
  if (w == nullptr) return;
  w->ApplyLook(look);
  UpdateSpin(edit, look);
  SetEditRect(edit, FromQRect(w->geometry()));
}

void QtPlatform::SetButtonLook(Handle button, const ButtonLook& look) {
  if (auto* w = As<QPushButton>(button, Kind::kButton)) ApplyButtonLook(w, look);
}

void QtPlatform::SetComboLook(Handle combo, const ComboLook& look) {
  auto* w = As<ComboControl>(combo, Kind::kCombo);
  if (w == nullptr) return;
  w->ApplyLook(look);
  SetRect(combo, FromQRect(w->geometry()));
}

std::string QtPlatform::GetText(Handle control) {
  const Entry* entry = Find(control);
  if (entry == nullptr) return {};
  QWidget* w = entry->widget.data();
  switch (entry->kind) {
    case Kind::kWindow:
      return qt::GbkFromQString(w->windowTitle());
    case Kind::kLabel:
      return qt::GbkFromQString(static_cast<LabelWidget*>(w)->caption());
    case Kind::kEdit:
      return qt::GbkFromQString(static_cast<EditControl*>(w)->text());
    case Kind::kButton:
      return qt::GbkFromQString(static_cast<QPushButton*>(w)->text());
    case Kind::kCombo:
      return qt::GbkFromQString(static_cast<ComboControl*>(w)->currentText());
  }
  return {};
}

void QtPlatform::SetText(Handle control, std::string_view gbk) {
  const Entry* entry = Find(control);
  if (entry == nullptr) return;
  QWidget* w = entry->widget.data();
  switch (entry->kind) {
    case Kind::kWindow:
      w->setWindowTitle(qt::QStringFromGbk(gbk));
      break;
    case Kind::kLabel:
      static_cast<LabelWidget*>(w)->SetCaption(qt::CaptionFromGbk(gbk));
      break;
    case Kind::kEdit:
      // setText raises textChanged only; the user-edit notification stays quiet.
      static_cast<EditControl*>(w)->setText(qt::QStringFromGbk(gbk));
      break;
    case Kind::kButton:
      static_cast<QPushButton*>(w)->setText(qt::CaptionFromGbk(gbk));
      break;
    case Kind::kCombo:
      if (auto* combo = static_cast<ComboControl*>(w); combo->isEditable()) {
        combo->setEditText(qt::QStringFromGbk(gbk));
      }
      break;
  }
}

namespace {

// The line edit behind an edit box or an editable combo box.
QLineEdit* LineEditOf(QWidget* widget) {
  if (auto* edit = dynamic_cast<QLineEdit*>(widget)) return edit;
  if (auto* combo = dynamic_cast<QComboBox*>(widget)) return combo->lineEdit();
  return nullptr;
}

}  // namespace

void QtPlatform::SelectAllText(Handle edit) {
  if (QLineEdit* line = LineEditOf(WidgetOf(edit))) line->selectAll();
}

void QtPlatform::SetTextSelection(Handle edit, int start, int length) {
  QLineEdit* line = LineEditOf(WidgetOf(edit));
  if (line == nullptr) return;
  if (start < 0) {
    line->deselect();
    return;
  }
  // Positions arrive as GBK byte offsets; a negative length runs to the end.
  const QString text = line->text();
  const int first = qt::CharIndexFromGbkOffset(text, start);
  const int last =
      length < 0 ? static_cast<int>(text.size()) : qt::CharIndexFromGbkOffset(text, start + length);
  line->setSelection(first, last - first);
}

int QtPlatform::GetSelection(Handle combo) {
  const auto* w = As<ComboControl>(combo, Kind::kCombo);
  return w == nullptr ? -1 : w->currentIndex();
}

void QtPlatform::SetSelection(Handle combo, int index) {
  if (auto* w = As<ComboControl>(combo, Kind::kCombo)) w->SelectQuietly(index);
}

Rect QtPlatform::GetRect(Handle handle) {
  const Entry* entry = Find(handle);
  if (entry == nullptr) return {};
  if (entry->kind == Kind::kWindow) {
    return FromQRect(static_cast<TopWindow*>(entry->widget.data())->OuterRect());
  }
  return FromQRect(entry->widget->geometry());
}

void QtPlatform::SetRect(Handle handle, const Rect& rect) {
  const Entry* entry = Find(handle);
  if (entry == nullptr) return;
  QWidget* w = entry->widget.data();
  switch (entry->kind) {
    case Kind::kWindow:
      static_cast<TopWindow*>(w)->SetOuterGeometry(rect);
      break;
    case Kind::kEdit:
      SetEditRect(handle, rect);
      break;
    case Kind::kCombo:
      // The stored height is the open list's; the closed box keeps its own height.
      w->setGeometry(rect.left, rect.top, std::max(0, rect.width),
                     static_cast<ComboControl*>(w)->ClosedHeight());
      break;
    default:
      w->setGeometry(rect.left, rect.top, std::max(0, rect.width), std::max(0, rect.height));
      break;
  }
}

bool QtPlatform::IsVisible(Handle handle) {
  const QWidget* w = WidgetOf(handle);
  return w != nullptr && !w->isHidden();
}

void QtPlatform::SetVisible(Handle handle, bool visible) {
  const Entry* entry = Find(handle);
  if (entry == nullptr) return;
  if (entry->kind == Kind::kWindow && visible) {
    static_cast<TopWindow*>(entry->widget.data())->ShowAsStored();
    return;
  }
  entry->widget->setVisible(visible);
  if (entry->spin) entry->spin->setVisible(visible);
}

bool QtPlatform::IsEnabled(Handle handle) {
  const QWidget* w = WidgetOf(handle);
  return w != nullptr && !w->testAttribute(Qt::WA_ForceDisabled);
}

void QtPlatform::SetEnabled(Handle handle, bool enabled) {
  const Entry* entry = Find(handle);
  if (entry == nullptr) return;
  entry->widget->setEnabled(enabled);
  if (entry->spin) entry->spin->setEnabled(enabled);
}

void QtPlatform::PlaceBelow(Handle handle, Handle above) {
  const Entry* entry = Find(handle);
  if (entry == nullptr || entry->kind == Kind::kWindow) return;
  QWidget* w = entry->widget.data();
  QWidget* spin = entry->spin.data();
  QWidget* over = above == 0 ? nullptr : WidgetOf(above);
  if (over != nullptr && over->parentWidget() != w->parentWidget()) return;
  // An up-down control stays directly above its edit box.
  if (over == nullptr) {
    w->raise();
    if (spin != nullptr) spin->raise();
    return;
  }
  if (spin != nullptr) {
    spin->stackUnder(over);
    w->stackUnder(spin);
  } else {
    w->stackUnder(over);
  }
}

Handle QtPlatform::FocusedControl() {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) {
    // No active window (as under the offscreen platform): ask the windows.
    for (const auto& [h, e] : entries_) {
      if (e.kind == Kind::kWindow && e.widget && e.widget->focusWidget() != nullptr) {
        focus = e.widget->focusWidget();
        break;
      }
    }
  }
  // A combo box's line edit and the like belong to the control around them.
  for (; focus != nullptr; focus = focus->parentWidget()) {
    for (const auto& [h, e] : entries_) {
      if (e.widget == focus) return h;
    }
  }
  return 0;
}

void QtPlatform::SetFocus(Handle handle) {
  QWidget* w = WidgetOf(handle);
  if (w != nullptr && w->focusPolicy() != Qt::NoFocus) w->setFocus(Qt::OtherFocusReason);
}

void QtPlatform::SetTabOrder(Handle /*window*/, const std::vector<Handle>& order) {
  QWidget* previous = nullptr;
  for (const Handle handle : order) {
    QWidget* w = WidgetOf(handle);
    if (w == nullptr) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

void QtPlatform::SetFocusable(Handle control, bool focusable) {
  auto it = entries_.find(control);
  if (it == entries_.end() || it->second.widget.isNull()) return;
  Entry& entry = it->second;
  QWidget* w = entry.widget.data();
  if (!focusable && w->focusPolicy() != Qt::NoFocus) {
    entry.own_focus_policy = w->focusPolicy();
    w->setFocusPolicy(Qt::NoFocus);
    if (w->hasFocus()) w->clearFocus();
  } else if (focusable && w->focusPolicy() == Qt::NoFocus) {
    w->setFocusPolicy(entry.own_focus_policy);
  }
}

void QtPlatform::SetContextMenu(Handle window, const std::vector<MenuEntry>& entries) {
  auto* top = As<TopWindow>(window, Kind::kWindow);
  if (top == nullptr) return;
  for (QAction* action : top->actions()) {
    top->removeAction(action);
    delete action;
  }
  for (const MenuEntry& entry : entries) {
    auto* action = new QAction(top);
    action->setData(entry.button);
    if (entry.ctrl_key != 0) {
      action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(entry.ctrl_key)));
      action->setShortcutContext(Qt::WindowShortcut);
    }
    QObject::connect(action, &QAction::triggered, top, [this, button = entry.button] {
      auto* w = As<QPushButton>(button, Kind::kButton);
      if (w != nullptr && w->isEnabled() && sink_ != nullptr) sink_->OnButtonClicked(button);
    });
    top->addAction(action);
  }
  // Each entry is captioned as its button is when the menu opens.
  top->before_menu = [this, top] {
    for (QAction* action : top->actions()) {
      const auto* w = As<QPushButton>(action->data().value<Handle>(), Kind::kButton);
      action->setText(w != nullptr ? w->text() : QString());
      action->setEnabled(w != nullptr && w->isEnabled());
    }
  };
}

Size QtPlatform::ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QSize size = screen->geometry().size();
  return Size{size.width(), size.height()};
}

Rect QtPlatform::WorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  // In Qt's device-independent pixels, the unit of every geometry here.
  return screen == nullptr ? Rect{} : FromQRect(screen->availableGeometry());
}

}  // namespace veltrane::platform
