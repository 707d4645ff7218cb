// The combo box: a QComboBox whose list rows are the font's item height plus
// the stored extra height, filled in stored order.
#pragma once

#include <QComboBox>
#include <QWidget>

#include "platform/platform.h"

namespace veltrane::platform::qt {

class ComboControl : public QComboBox {
 public:
  explicit ComboControl(QWidget* parent);

  // Applies the look; the items are replaced only when they differ, keeping
  // the selection where it still names an item.
  void ApplyLook(const ComboLook& look);
  // Selects an item (−1 = none) without a selection notification.
  void SelectQuietly(int index);
  // The height of the closed box; the list opens below it.
  int ClosedHeight() const;

 private:
  void ReplaceItems(const ComboLook& look);

  int extra_item_height_ = 1;
};

}  // namespace veltrane::platform::qt
