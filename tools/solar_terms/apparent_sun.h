// The Sun's apparent geocentric ecliptic longitude of date, through ERFA.
#pragma once

namespace veltrane::tools {

// Apparent geocentric ecliptic longitude of the Sun, referred to the true
// equinox and ecliptic of date.
//   Given: tt_mjd, the moment as a Modified Julian Date in TT.
//   Returns: the longitude in radians, 0 ≤ λ < 2π.
//   Method: Earth from eraEpv00 (at TDB = TT + eraDtdb at the geocentre);
//           the Sun's barycentric position taken at the light-emission time
//           (iterated light time); annual aberration with eraAb from the
//           Earth's barycentric velocity; rotated from the ICRS-aligned axes
//           to the true equator and equinox of date with eraPnm80 (IAU 1976
//           precession and IAU 1980 nutation, no frame bias); then to the
//           ecliptic of date by the true obliquity eraObl80 + Δε (eraNut80).
//   Notes: the IAU 2006/2000A reduction gives the moments of the 1880s and
//          1890s 7 to 9 seconds earlier; the table keeps the older reduction.
double ApparentSolarLongitude(double tt_mjd);

// The same longitude with the IAU 2006/2000A reduction: eraPnm06a (frame
// bias, IAU 2006 precession, IAU 2000A nutation) and the true obliquity
// eraObl06 + Δε (eraNut06a). Used to measure how far the table's moments
// may be off, never to make them.
double ApparentSolarLongitude2006(double tt_mjd);

}  // namespace veltrane::tools
