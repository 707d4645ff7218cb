// ΔT = TT − UT1, the clock error of the Earth's rotation.
#pragma once

namespace veltrane::calendar {

// ΔT at a moment, from the polynomial expressions of Espenak and Meeus.
//   Given: decimal_year, the moment as a decimal Gregorian year
//          (2000.0 = 2000-01-01; year + (month − 0.5)/12 is close enough).
//   Returns: ΔT = TT − UT1 in seconds.
//   Accuracy: within a second or so of the observed values 1800–2005; the
//             extrapolation after 2005 may be off by tens of seconds by 2100
//             and by minutes later, which moves the equation of time by far
//             less than a second. Before 1800 the 1800–1860 polynomial, after
//             2150 the long-term parabola of Morrison and Stephenson is used.
//   References: Espenak and Meeus, Five Millennium Canon of Solar Eclipses
//               (NASA/TP-2006-214141), section 2.6; Morrison and Stephenson
//               2004, J. Hist. Astron. 35, 327.
double DeltaTSeconds(double decimal_year);

}  // namespace veltrane::calendar
