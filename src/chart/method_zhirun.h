// 置闰 (zhirun): fifteen-day periods, each opened by a 上元 符头 day (甲子, 己卯,
// 甲午, 己酉), take the terms one after another; the period of 芒种 or 大雪 is
// repeated (闰局) when its 符头 comes ten days or more before the term.
// docs/methods.md gives the rule and its sources.
#pragma once

#include <optional>
#include <vector>

#include "chart/method.h"
#include "chart/method_terms.h"

namespace veltrane::chart {

// A 芒种 or 大雪 period whose 符头 leads its term by this many days or more is repeated.
inline constexpr int kIntercalaryLeadDays = 10;

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

// The period that holds a day (the day pillar's day); nullopt before the 冬至
// period of kZhirunAnchorYear or after the first day of kMethodLastYear + 1.
std::optional<ZhirunPeriod> ZhirunPeriodOfDay(int day_number);

// Every intercalary period whose first day falls in the Gregorian years
// first_year..last_year, in order (within the methods' years).
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
