// The equation of time: apparent minus mean solar time.
#pragma once

namespace veltrane::calendar {

// Apparent solar time minus mean solar time.
//   Given: ut1_days, the moment in UT1 as days from J2000.0 (JD − 2451545.0);
//          delta_t_seconds, ΔT = TT − UT1 in seconds.
//   Returns: the equation of time in seconds of time (positive when the
//            apparent Sun is ahead of the mean Sun, about −14 to +16 minutes).
//   Method: EoT = GAST − α + 12 h − UT1, where GAST is Greenwich apparent
//           sidereal time (the Earth rotation angle, the IAU 2006 polynomial
//           of GMST, and the equation of the equinoxes Δψ·cos ε) and α the
//           Sun's apparent right ascension of date from ApparentSunOfDate.
//   Accuracy: within 0.5 s of ERFA's apparent Sun (eraEpv00, eraAb,
//             eraPnm06a, eraGst06) over 1800–2999; the calendar's test checks
//             it to 1 s where ERFA is installed.
//   References: Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 28;
//               Capitaine et al. 2003, A&A 412, 567 (the Earth rotation angle
//               and GMST).
double EquationOfTimeSeconds(double ut1_days, double delta_t_seconds);

}  // namespace veltrane::calendar
