#include "ui/start_up_handler.h"

#include "form/controls/property_index.h"
#include "form/form_runtime.h"
#include "form/values/value_ops.h"
#include "ui/main_window_ids.h"
#include "ui/plot_chart_handler.h"

namespace veltrane::ui {

void OnMainWindowCreated(WindowState& state) {
  // One clock reading for all four boxes, so they cannot straddle a change of day.
  const double now = runtime::ops::Now();
  const struct {
    ControlId box;
    std::int32_t value;
  } parts[] = {
      {kYearBox, runtime::ops::YearOf(now)},
      {kMonthBox, runtime::ops::MonthOf(now)},
      {kDayBox, runtime::ops::DayOf(now)},
      {kHourBox, runtime::ops::HourOf(now)},
  };
  for (const auto& part : parts) {
    const runtime::HeapText text = runtime::ops::ToText(part.value);
    runtime::WriteText(kMainWindow, part.box, runtime::kEditContent, text.c_str());
  }

  PlotChart(state);
}

}  // namespace veltrane::ui
