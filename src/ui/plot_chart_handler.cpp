#include "ui/plot_chart_handler.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "base/memory.h"
#include "chart/box_items.h"
#include "chart/plot_chart.h"
#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "form/values/value_ops.h"
#include "ui/kept_plotting.h"
#include "ui/main_window_ids.h"
#include "ui/plate_binding.h"
#include "ui/window_texts.h"

namespace veltrane::ui {
namespace {

namespace ops = runtime::ops;
using runtime::HeapText;

constexpr double kTolerance = 1e-7;

// Markers stand this far left of the deity box of the palace they mark.
constexpr int kVoidMarkerOffset = 60;
constexpr int kHorseMarkerOffset = 30;

// Writes a text property only when the control shows something else.
void WriteTextIfChanged(ControlId control, runtime::PropertyIndex property,
                        std::string_view gbk_text) {
  const HeapText shown = runtime::ReadText(kMainWindow, control, property);
  if (shown.view() == gbk_text) return;
  const HeapText copy = HeapText::Copy(gbk_text);
  runtime::WriteText(kMainWindow, control, property, copy.c_str());
}

// The number an edit box stands for, clamped to lo..hi: a number beyond a
// bound (by more than the tolerance) gives that bound, a text that is no
// number the lower bound, any other number its whole part.
int BoxNumber(ControlId box, int lo, int hi) {
  const HeapText text = runtime::ReadText(kMainWindow, box, runtime::kEditContent);
  const double x = ops::ToNumber(text.c_str());
  if (x - hi > kTolerance) return hi;
  if (!(x - lo >= -kTolerance)) return lo;  // also catches a number that is none
  return std::clamp(static_cast<int>(std::trunc(x)), lo, hi);
}

// Clamps an edit box and writes the plotted number back, so that the box
// always shows the value plotted: an empty or unreadable box included.
int ClampBox(ControlId box, int lo, int hi) {
  const int value = BoxNumber(box, lo, hi);
  const HeapText written = ops::ToText(value);
  WriteTextIfChanged(box, runtime::kEditContent, written.view());
  return value;
}

// The date box of each part of the moment, in the order the parts are clamped.
constexpr struct {
  chart::MomentPart part;
  ControlId box;
} kDateBoxes[] = {{chart::MomentPart::kYear, kYearBox},
                  {chart::MomentPart::kMonth, kMonthBox},
                  {chart::MomentPart::kDay, kDayBox},
                  {chart::MomentPart::kHour, kHourBox}};

// Clamps the four date boxes to the moment's ranges: year, then month, then
// the day within that month, then the hour.
chart::ChartMoment ClampDateBoxes() {
  chart::ChartMoment date;
  for (const auto& d : kDateBoxes) {
    const chart::PartRange range = chart::RangeOf(d.part, date);
    chart::PartOf(date, d.part) = ClampBox(d.box, range.lo, range.hi);
  }
  return date;
}

void WriteIntIfChanged(ControlId control, runtime::PropertyIndex property, std::int32_t value) {
  if (runtime::ReadInt(kMainWindow, control, property) == value) return;
  runtime::WriteInt(kMainWindow, control, property, value);
}

// Moves a marker label beside the deity box of a palace (the ring box of
// palace 2 for the centre).
void MoveMarker(ControlId marker, int palace, int offset) {
  int k = chart::RingPositionOfPalace(palace);
  if (k == 0) k = chart::RingPositionOfPalace(2);
  const ControlId deity_box = kDeityBoxes[static_cast<std::size_t>(k - 1)];
  const std::int32_t left = runtime::ReadInt(kMainWindow, deity_box, runtime::kLeft);
  const std::int32_t top = runtime::ReadInt(kMainWindow, deity_box, runtime::kTop);
  WriteIntIfChanged(marker, runtime::kLeft, left - offset);
  WriteIntIfChanged(marker, runtime::kTop, top);
}

void WriteSummary(const chart::Chart& chart) {
  WriteTextIfChanged(kPillarsBox, runtime::kEditContent, PillarsText(chart.pillars).view());
  WriteTextIfChanged(kTermLabel, runtime::kLabelCaption, TermText(chart).view());
  WriteTextIfChanged(kXunLabel, runtime::kLabelCaption, XunText(chart));
  WriteTextIfChanged(kDutyLabel, runtime::kLabelCaption, DutyText(chart).view());
  MoveMarker(kVoidMarkerLabel1, chart.void_palaces[0].number(), kVoidMarkerOffset);
  MoveMarker(kVoidMarkerLabel2, chart.void_palaces[1].number(), kVoidMarkerOffset);
  MoveMarker(kHorseMarkerLabel, chart.horse_palace.number(), kHorseMarkerOffset);
}

// Replaces a kept text when the new one differs.
void Keep(HeapText& kept, std::string_view gbk_text) {
  if (kept.view() != gbk_text) kept = HeapText::Copy(gbk_text);
}

// The results that the copy and the next plotting read.
void KeepResults(const chart::Chart& chart, KeptPlotting& kept) {
  Keep(kept.ju_text, JuText(chart).view());
  Keep(kept.duty_gate_name, GateText(chart::ItemOf(chart.duty_gate)));
  Keep(kept.duty_star_name, StarText(chart::ItemOf(chart.duty_star)));
  kept.date = chart.date;
  kept.void_palaces = {chart.void_palaces[0].number(), chart.void_palaces[1].number()};
  kept.horse_palace = chart.horse_palace.number();
  kept.duty_gate_palace = chart::NumberOf(chart.duty_gate_palace);
  kept.duty_star_palace = chart.duty_star_palace.number();
}

// The minute to plot: the clock's while the boxes show the clock's own date
// and hour (the live chart), else 0, so that a typed hour always gives one
// chart whatever the minute of the click.
int PlottedMinute(const chart::ChartMoment& date, double now) {
  const bool live = date.year == ops::YearOf(now) && date.month == ops::MonthOf(now) &&
                    date.day == ops::DayOf(now) && date.hour == ops::HourOf(now);
  return live ? ops::MinuteOf(now) : 0;
}

}  // namespace

void PlotChart(WindowState& state) {
  PlateSession plates(kAllWindowPlateParts, state.ring_counters);
  chart::ChartMoment date = ClampDateBoxes();
  // One clock reading serves the pillars and the chart moment alike.
  date.minute = PlottedMinute(date, ops::Now());
  const chart::Chart chart = chart::PlotChartOnModel(plates.model(), date);
  PlaceCentreStemAfterPlotting(plates.model(), plates.markers());
  plates.Commit();
  WriteSummary(chart);
  KeepResults(chart, state.kept);
}

}  // namespace veltrane::ui
