#include "shown_chart.h"

#include <array>
#include <cmath>
#include <string_view>

#include "base/text/gbk.h"
#include "chart/box_items.h"
#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "form/values/value_ops.h"
#include "ui/main_window_ids.h"
#include "ui/window_texts.h"

namespace veltrane::monkey {
namespace {

using ui::ControlId;
using ui::kMainWindow;

std::string BoxText(ControlId box, runtime::PropertyIndex property) {
  return std::string(runtime::ReadText(kMainWindow, box, property).view());
}

int Shown(ControlId combo) {
  return runtime::ReadInt(kMainWindow, combo, runtime::kComboSelection);
}

// One plate family against the chart's field, palace by palace.
template <std::size_t N, class Field>
std::string FamilyMismatch(const char* family, const std::array<ControlId, N>& boxes,
                           const chart::Chart& want, Field field) {
  for (std::size_t i = 0; i < N; ++i) {
    // Stem boxes go by palace, ring boxes by ring position.
    const int palace = N == chart::kPalaceCount
                           ? static_cast<int>(i + 1)
                           : chart::PalaceOfRingPosition(static_cast<int>(i + 1));
    const int expected = field(want.cell(chart::Palace::Of(palace).value()));
    const int got = Shown(boxes[i]);
    if (got != expected) {
      return std::string(family) + " box " + std::to_string(i + 1) + " shows item " +
             std::to_string(got) + ", the chart has " + std::to_string(expected);
    }
  }
  return {};
}

std::string TextMismatch(const char* what, ControlId control, runtime::PropertyIndex property,
                         std::string_view want_gbk) {
  const std::string got = BoxText(control, property);
  if (got == want_gbk) return {};
  return std::string(what) + " shows '" + runtime::Utf8FromGbk(got) + "', the chart has '" +
         runtime::Utf8FromGbk(want_gbk) + "'";
}

}  // namespace

ShownDate ReadShownDate(int minute) {
  ShownDate shown;
  std::array<int, 4> parts{};
  const std::array<ControlId, 4> boxes = {ui::kYearBox, ui::kMonthBox, ui::kDayBox, ui::kHourBox};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    // Read as the plotting reads a box: the program's own number conversion.
    const double x = runtime::ops::ToNumber(BoxText(boxes[i], runtime::kEditContent).c_str());
    if (!(std::abs(x) < 1e6)) return shown;
    parts[i] = static_cast<int>(std::trunc(x));
  }
  shown.ok = true;
  shown.date = {parts[0], parts[1], parts[2], parts[3], minute};
  return shown;
}

std::string ShownChartMismatch(const chart::Chart& want) {
  using chart::PalaceCell;
  for (std::string m : {
           FamilyMismatch("地干支", ui::kEarthStemBoxes, want,
                          [](const PalaceCell& c) { return chart::ItemOf(c.earth_stem); }),
           FamilyMismatch("天干支", ui::kHeavenStemBoxes, want,
                          [](const PalaceCell& c) { return chart::ItemOf(c.heaven_stem); }),
           FamilyMismatch("暗干", ui::kHiddenStemBoxes, want,
                          [](const PalaceCell& c) { return chart::ItemOf(c.hidden_stem); }),
           FamilyMismatch("星", ui::kStarBoxes, want,
                          [](const PalaceCell& c) { return chart::ItemOf(c.star); }),
           FamilyMismatch("门", ui::kGateBoxes, want,
                          [](const PalaceCell& c) { return chart::ItemOf(c.gate); }),
           FamilyMismatch("八神", ui::kDeityBoxes, want,
                          [](const PalaceCell& c) { return chart::ItemOf(c.deity); }),
           FamilyMismatch("反扑", ui::kCounterDeityBoxes, want,
                          [](const PalaceCell& c) { return chart::ItemOf(c.counter_deity); }),
           TextMismatch("编辑框2", ui::kPillarsBox, runtime::kEditContent,
                        ui::PillarsText(want.pillars).view()),
           TextMismatch("标签24", ui::kTermLabel, runtime::kLabelCaption,
                        ui::TermText(want).view()),
           TextMismatch("标签23", ui::kXunLabel, runtime::kLabelCaption, ui::XunText(want)),
           TextMismatch("标签25", ui::kDutyLabel, runtime::kLabelCaption,
                        ui::DutyText(want).view()),
       }) {
    if (!m.empty()) return m;
  }
  return {};
}

}  // namespace veltrane::monkey
