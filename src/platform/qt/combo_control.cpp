#include "platform/qt/combo_control.h"

#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/qt/look_mapping.h"
#include "platform/qt/text_edge.h"

namespace veltrane::platform::qt {

namespace {

// Rows of the open list: the font's own item height plus the extra pixels.
class ItemHeightDelegate : public QStyledItemDelegate {
 public:
  ItemHeightDelegate(const int* extra, QObject* parent)
      : QStyledItemDelegate(parent), extra_(extra) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(1, size.height() + *extra_));
    return size;
  }

 private:
  const int* extra_;
};

QStringList ItemsOf(const ComboLook& look) {
  QStringList items;
  items.reserve(static_cast<qsizetype>(look.items.size()));
  for (const std::string& item : look.items) items << QStringFromGbk(item);
  if (look.sorted) items.sort(Qt::CaseInsensitive);
  return items;
}

}  // namespace

ComboControl::ComboControl(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new ItemHeightDelegate(&extra_item_height_, this));
  setMaxVisibleItems(30);
}

void ComboControl::ApplyLook(const ComboLook& look) {
  const QSignalBlocker quiet(this);
  setFont(FontFor(look.font));
  QPalette pal = palette();
  pal.setColor(QPalette::Text, ColourFromRef(look.text_colour));
  pal.setColor(QPalette::ButtonText, ColourFromRef(look.text_colour));
  pal.setColor(QPalette::Base, BackgroundColour(look.background, pal));
  setPalette(pal);
  // Styles 0 and 1 have an edit field; style 2 is a pick-only list.
  setEditable(look.style != 2);
  if (lineEdit() != nullptr)
    lineEdit()->setMaxLength(look.max_length > 0 ? look.max_length : 32767);
  extra_item_height_ = look.extra_item_height;
  ReplaceItems(look);
}

void ComboControl::ReplaceItems(const ComboLook& look) {
  const QStringList items = ItemsOf(look);
  QStringList current;
  for (int i = 0; i < count(); ++i) current << itemText(i);
  if (current == items) return;
  const int selection = currentIndex();
  const QString edit_text = isEditable() ? currentText() : QString();
  clear();
  addItems(items);
  SelectQuietly(std::min(selection, static_cast<int>(items.size()) - 1));
  if (isEditable() && selection < 0) setEditText(edit_text);
}

void ComboControl::SelectQuietly(int index) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(std::clamp(index, -1, count() - 1));
}

int ComboControl::ClosedHeight() const { return sizeHint().height(); }

}  // namespace veltrane::platform::qt
