// The solar term in force at a chart moment: the calendar's stored term
// moments where it has them, the closed solar-term formula of the four-pillar
// arithmetic for the years it lacks.
#pragma once

#include "chart/vocabulary.h"

namespace veltrane::chart {

// Clamps a DateTime to its valid range and turns the negative-day encoding
// (time of day subtracted) into a linear day count; non-negative values pass.
double NormalizeMoment(double x);

// Returns the moment of the term with calendar slot 1..24 (小寒 .. 冬至) of a
// year as a linear day count (see NormalizeMoment): the calendar's stored
// moment through its command, or, outside the stored years, the closed formula.
double TermMoment(int year, int slot);

// The inverse of NormalizeMoment: the DateTime of a linear day count.
double DateTimeOfLinear(double linear);

// A term in force and the DateTime at which it began.
struct TermInForce {
  SolarTerm term = SolarTerm::kDaxue;
  double start = 0;
};

// Returns the SolarTerm in force at a DateTime and the DateTime of its start.
// A moment equal to a term's moment (within 1e-7 day) lies inside that term.
// A moment that is no number gives 大雪 with a start that is no number.
TermInForce FindTermInForce(double moment);

}  // namespace veltrane::chart
