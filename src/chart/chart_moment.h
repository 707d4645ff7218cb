// The moment a chart is plotted for, and the one clamp that the plotting, the
// window's date boxes and the command line all apply to a moment.
#pragma once

#include <array>

#include "calendar/date_time.h"

namespace veltrane::chart {

// The years a chart can be plotted for.
inline constexpr int kFirstPlotYear = 1800;
inline constexpr int kLastPlotYear = 2999;

// The civil date and time a chart is plotted for, China Standard Time.
using ChartMoment = calendar::CivilDateTime;

// The parts of a moment in the order they are clamped: the day's range
// depends on the year and month before it.
enum class MomentPart : int { kYear, kMonth, kDay, kHour, kMinute };
inline constexpr std::array<MomentPart, 5> kMomentParts = {MomentPart::kYear, MomentPart::kMonth,
                                                           MomentPart::kDay, MomentPart::kHour,
                                                           MomentPart::kMinute};

struct PartRange {
  int lo;
  int hi;
};

// The range a part is clamped to, given the parts clamped before it: year
// 1800..2999, month 1..12, day 1..the month's length (so the moment is a real
// date), hour 0..23, minute 0..59.
PartRange RangeOf(MomentPart part, const ChartMoment& clamped_before);

// The field of a moment that holds a part.
int& PartOf(ChartMoment& moment, MomentPart part);

// Returns the moment with every part clamped to its range, in order.
ChartMoment ClampChartMoment(int year, int month, int day, int hour, int minute);

}  // namespace veltrane::chart
