// The moment of one solar term: when the apparent solar longitude reaches its
// target, in TT, and as the rounded China Standard Time the table stores.
#pragma once

#include <array>
#include <cstdint>

#include "delta_t.h"

namespace veltrane::tools {

// Target longitude of a table slot, in degrees: (270 + 15·slot) mod 360
// (slot 1 小寒 285°, slot 6 春分 0°, slot 24 冬至 270°).
double SlotLongitudeDegrees(int slot);

// TT moment at which the Sun's apparent longitude reaches the slot's target.
//   Given: year, the Gregorian year 1880..2079; slot 1..24 (1 = 小寒).
//   Returns: the moment as a Modified Julian Date in TT, to well under 1e-10 day.
//   Method: secant iteration on ApparentSolarLongitude from a first guess
//           spread evenly over the year.
double TermMomentTt(int year, int slot);

// The same search on another longitude function (TT MJD → radians).
double TermMomentTt(int year, int slot, double (*longitude)(double tt_mjd));

// One table entry: month, day, hour, minute, second.
using TermEntry = std::array<std::uint8_t, 5>;

// A TT moment as the stored entry in China Standard Time.
//   Given: tt_mjd, Modified Julian Date in TT; delta_t, the ΔT series.
//   Returns: UTC+8 = TT − ΔT + 8 h, rounded to the nearest second, as
//            (month, day, hour, minute, second); *year receives its year.
TermEntry ChinaStandardTimeEntry(double tt_mjd, const DeltaT& delta_t, int* year);

}  // namespace veltrane::tools
