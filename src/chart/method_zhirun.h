// 置闰 (zhirun): fifteen-day periods, each opened by a 上元 符头 day (甲子, 己卯,
// 甲午, 己酉), take the terms one after another; the period of 芒种 or 大雪 is
// repeated (闰局) when its 符头 comes ten days or more before the term (or
// eight or nine, the other readings of the classical cases).
// docs/methods.md gives the rule, its sources and the dated cases.
#pragma once

#include <optional>
#include <vector>

#include "chart/method.h"
#include "chart/method_terms.h"

namespace veltrane::chart {

// A 芒种 or 大雪 period whose 符头 leads its term by this many days or more is
// repeated, unless a chart chooses another reading (MethodInput::zhirun_lead_days).
inline constexpr int kIntercalaryLeadDays = kDefaultZhirunLeadDays;

// The year whose 冬至 anchors the walk over the methods' years.
inline constexpr int kZhirunAnchorYear = kMethodFirstYear - 1;

// One period of fifteen days and the term whose three yuan it uses.
struct ZhirunPeriod {
  int first_day = 0;         // day number (days since 1899-12-30) of its 上元 符头 day
  TermOrdinal term = 0;      // the term whose ju it uses
  int lead_days = 0;         // the term's day minus first_day: > 0 超神, 0 正授, < 0 接气
  bool intercalary = false;  // a repetition (闰局) of 芒种 or 大雪
  friend bool operator==(const ZhirunPeriod&, const ZhirunPeriod&) = default;
};

// Whether the period after one of `slot` (the calendar's 1..24), `lead_days`
// ahead of its term, repeats it: only after 芒种 or 大雪, never after a
// repetition, and only at a lead of `threshold` days or more.
bool ZhirunRepeatsAfter(int slot, int lead_days, bool intercalary,
                        int threshold = kIntercalaryLeadDays);

// The period that holds a day (the day pillar's day), term days counted from
// 23:00 or, when `from_midnight`, from midnight as that day is, repeating at
// `threshold` (kFewestZhirunLeadDays..kMostZhirunLeadDays); nullopt before the
// 冬至 period of kZhirunAnchorYear or after the first day of kMethodLastYear + 1.
std::optional<ZhirunPeriod> ZhirunPeriodOfDay(int day_number, bool from_midnight = false,
                                              int threshold = kIntercalaryLeadDays);

// Every intercalary period whose first day falls in the Gregorian years
// first_year..last_year, in order (within the methods' years; days from 23:00).
std::vector<ZhirunPeriod> ZhirunIntercalaryPeriods(int first_year, int last_year);

// The intercalary periods of a walk that starts at the 冬至 of anchor_year
// and ends with the period holding 1 January of end_year; the walk starts
// with the 上元 符头 day on or before the 冬至's day.
std::vector<ZhirunPeriod> WalkZhirunIntercalaryPeriods(int anchor_year, int end_year);

// The period's term, the day's yuan and their ju; the input must be valid
// (IsMethodInputValid).
MethodJu ZhirunJu(const MethodInput& input);

// The same, with the term in force at input.moment already found (TermStartAt).
MethodJu ZhirunJu(const MethodInput& input, const TermStart& in_force);

}  // namespace veltrane::chart
