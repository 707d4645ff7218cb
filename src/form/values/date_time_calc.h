// DateTime arithmetic of the value operations: days since 1899-12-30 plus the
// time of day as a fraction, subtracted from a negative day number (-1.25 is
// 1899-12-29 06:00). Proleptic Gregorian calendar; the day count and the
// composition are the calendar's.
#pragma once

#include "calendar/date_time.h"

namespace veltrane::runtime::values {

using calendar::kMaxDateTime;  // 9999-12-31 00:00:00
using calendar::kMinDateTime;  // 0100-01-01 00:00:00

struct DateTimeParts {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool operator==(const DateTimeParts&) const = default;
};

// True when every part lies in its range: year 100..9999, a real day of the
// month, hour 0..23, minute and second 0..59.
bool IsValidDateTimeParts(const DateTimeParts& parts);

// t limited to kMinDateTime..kMaxDateTime (NaN gives kMinDateTime).
double ClampDateTime(double t);

// The DateTime of valid parts (no range check).
double ComposeDateTimeParts(const DateTimeParts& parts);

// The parts of t after clamping it, to the nearest second.
DateTimeParts SplitDateTimeParts(double t);

}  // namespace veltrane::runtime::values
