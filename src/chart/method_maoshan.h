// 茅山 (maoshan): the ju follows the term in force; the yuan counts five days
// at a time from the term's moment (上元, 中元, then 下元 until the next term),
// whatever the day pillar.
#pragma once

#include "chart/method.h"
#include "chart/method_terms.h"

namespace veltrane::chart {

// Days from a term's moment after which 中元 and 下元 begin.
inline constexpr double kMaoshanMiddleDays = 5;
inline constexpr double kMaoshanLowerDays = 10;

// The term in force, the yuan by the days since its moment and their ju; the
// input must be valid (IsMethodInputValid).
MethodJu MaoshanJu(const MethodInput& input);

// The same, with the term in force at input.moment already found (TermStartAt).
MethodJu MaoshanJu(const MethodInput& input, const TermStart& in_force);

}  // namespace veltrane::chart
