#include "ui/shown_chart.h"

#include <string>

#include "base/text/gbk.h"
#include "chart/vocabulary.h"
#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "form/values/value_ops.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

namespace ops = runtime::ops;
using runtime::HeapText;

// The text of the item a combo box shows, in UTF-8; "" when it shows none.
std::string ShownItem(ControlId combo) {
  const HeapText item = ops::ItemText(
      kMainWindow, combo, runtime::ReadInt(kMainWindow, combo, runtime::kComboSelection));
  return runtime::Utf8FromGbk(item.view());
}

}  // namespace

HeapText CentreText(const char* ju_text) {
  if (ju_text == nullptr) ju_text = "";
  HeapText left = ops::LeftText(ju_text, 4);
  HeapText digit = ops::MidText(ju_text, 5, 1);
  HeapText numeral = ops::ChineseNumeral(ops::ToNumber(digit.c_str()));
  HeapText right = ops::RightText(ju_text, 2);
  return HeapText::Copy(std::string(left.view()) + numeral.c_str() + right.c_str());
}

views::ChartView ReadShownChart(const KeptPlotting& kept) {
  views::ChartView view;
  // The header names the moment the last plotting was for, not date boxes
  // edited since, so it always describes the chart below it.
  view.year = std::to_string(kept.date.year);
  view.month = std::to_string(kept.date.month);
  view.day = std::to_string(kept.date.day);
  view.hour = std::to_string(kept.date.hour);
  view.minute = std::to_string(kept.date.minute);
  const HeapText pillars = runtime::ReadText(kMainWindow, kPillarsBox, runtime::kEditContent);
  view.pillars = runtime::Utf8FromGbk(pillars.view());
  for (int p = 1; p <= chart::kPalaceCount; ++p) {
    views::PalaceView& cell = view.palaces[static_cast<std::size_t>(p - 1)];
    cell.hidden = ShownItem(kHiddenStemBoxes[p - 1]);
    cell.heaven = ShownItem(kHeavenStemBoxes[p - 1]);
    cell.earth = ShownItem(kEarthStemBoxes[p - 1]);
    const int k = chart::RingPositionOfPalace(p);
    if (k == 0) continue;  // the centre palace has no ring boxes
    cell.deity = ShownItem(kDeityBoxes[k - 1]);
    cell.star = ShownItem(kStarBoxes[k - 1]);
    cell.gate = ShownItem(kGateBoxes[k - 1]);
    cell.counter_deity = ShownItem(kCounterDeityBoxes[k - 1]);
  }
  view.centre = runtime::Utf8FromGbk(CentreText(kept.ju_text.c_str()).view());
  view.void_palaces = kept.void_palaces;
  view.horse_palace = kept.horse_palace;
  return view;
}

}  // namespace veltrane::ui
