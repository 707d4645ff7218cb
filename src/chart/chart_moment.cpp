#include "chart/chart_moment.h"

#include <algorithm>

#include "calendar/gregorian.h"

namespace veltrane::chart {

PartRange RangeOf(MomentPart part, const ChartMoment& clamped_before) {
  switch (part) {
    case MomentPart::kYear:
      return {kFirstPlotYear, kLastPlotYear};
    case MomentPart::kMonth:
      return {1, 12};
    case MomentPart::kDay:
      return {1, calendar::DaysInMonth(clamped_before.year, clamped_before.month)};
    case MomentPart::kHour:
      return {0, 23};
    case MomentPart::kMinute:
      return {0, 59};
  }
  return {0, 0};
}

int& PartOf(ChartMoment& moment, MomentPart part) {
  switch (part) {
    case MomentPart::kYear:
      return moment.year;
    case MomentPart::kMonth:
      return moment.month;
    case MomentPart::kDay:
      return moment.day;
    case MomentPart::kHour:
      return moment.hour;
    case MomentPart::kMinute:
      break;
  }
  return moment.minute;
}

ChartMoment ClampChartMoment(int year, int month, int day, int hour, int minute) {
  ChartMoment m{year, month, day, hour, minute};
  for (MomentPart part : kMomentParts) {
    const PartRange range = RangeOf(part, m);
    int& value = PartOf(m, part);
    value = std::clamp(value, range.lo, range.hi);
  }
  return m;
}

}  // namespace veltrane::chart
