#include "ui/copy_chart_handler.h"

#include "chart/vocabulary.h"
#include "runtime/controls/property_index.h"
#include "runtime/form/form_runtime.h"
#include "runtime/platform/platform.h"
#include "runtime/text/gbk_literal.h"
#include "runtime/values/value_ops.h"
#include "ui/chart_text.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"

namespace veltrane::ui {
namespace {

namespace ops = runtime::ops;
using runtime::HeapText;

// An OK button and the error icon.
constexpr std::int32_t kErrorBoxStyle = platform::kMessageBoxIconError;

// The text of the item a combo box shows; "" when it shows none.
HeapText ShownItem(ControlId combo) {
  return ops::ItemText(kMainWindow, combo,
                       runtime::ReadInt(kMainWindow, combo, runtime::kComboSelection));
}

HeapText BoxText(ControlId edit) {
  return runtime::ReadText(kMainWindow, edit, runtime::kEditContent);
}

// Reads what the window shows now, with the results the last plotting kept.
// The header names the moment that plotting was for, not date boxes edited
// since, so it always describes the chart below it.
ChartTextSource ReadShownChart() {
  const KeptPlotting& kept = KeptPlottingResults();
  ChartTextSource source;
  source.year = ops::ToText(kept.date.year);
  source.month = ops::ToText(kept.date.month);
  source.day = ops::ToText(kept.date.day);
  source.hour = ops::ToText(kept.date.hour);
  source.minute = ops::ToText(kept.date.minute);
  source.pillars = BoxText(kPillarsBox);
  for (int p = 1; p <= chart::kPalaceCount; ++p) {
    PalaceCellTexts& cell = source.palaces[p - 1];
    cell.hidden = ShownItem(kHiddenStemBoxes[p - 1]);
    cell.heaven = ShownItem(kHeavenStemBoxes[p - 1]);
    cell.earth = ShownItem(kEarthStemBoxes[p - 1]);
    const int k = chart::RingPositionOfPalace(p);
    if (k == 0) continue;  // the centre palace has no ring boxes
    cell.deity = ShownItem(kDeityBoxes[k - 1]);
    cell.star = ShownItem(kStarBoxes[k - 1]);
    cell.gate = ShownItem(kGateBoxes[k - 1]);
    cell.counter = ShownItem(kCounterDeityBoxes[k - 1]);
  }
  source.ju_text = kept.ju_text.c_str();
  source.void_palaces = kept.void_palaces;
  source.horse_palace = kept.horse_palace;
  return source;
}

}  // namespace

void CopyChartText() {
  const HeapText text = BuildChartText(ReadShownChart());
  // Setting replaces what the clipboard held, so a copy that fails leaves it
  // as it was; success is said only when the clipboard took the text.
  if (ops::SetClipboardText(text.c_str())) {
    ops::ShowMessage(runtime::Gbk("已经整盘复制到剪切板！"), 0, runtime::Gbk("提示"));
  } else {
    ops::ShowMessage(runtime::Gbk("复制到剪切板失败！"), kErrorBoxStyle, runtime::Gbk("错误"));
  }
}

}  // namespace veltrane::ui
