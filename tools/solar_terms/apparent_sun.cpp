#include "apparent_sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace veltrane::tools {
namespace {

// Light time for one au, in days.
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

// The Earth's heliocentric and barycentric position and velocity (au, au/day)
// at a TT moment.
void EarthAt(double tt_mjd, double pvh[2][3], double pvb[2][3]) {
  // At the geocentre only the time-dependent part of TDB − TT remains, so the
  // UT fraction and the observer's place are zero.
  const double tdb_mjd = tt_mjd + eraDtdb(ERFA_DJM0, tt_mjd, 0.0, 0.0, 0.0, 0.0) / ERFA_DAYSEC;
  eraEpv00(ERFA_DJM0, tdb_mjd, pvh, pvb);
}

// The Sun's apparent direction (ICRS-aligned axes, unit vector) at a TT moment.
void ApparentDirection(double tt_mjd, double proper[3]);

double Longitude(double tt_mjd, bool iau2006) {
  double proper[3];
  ApparentDirection(tt_mjd, proper);
  double npb[3][3];
  double dpsi = 0.0;
  double deps = 0.0;
  double obliquity = 0.0;
  if (iau2006) {
    eraPnm06a(ERFA_DJM0, tt_mjd, npb);
    eraNut06a(ERFA_DJM0, tt_mjd, &dpsi, &deps);
    obliquity = eraObl06(ERFA_DJM0, tt_mjd);
  } else {
    eraPnm80(ERFA_DJM0, tt_mjd, npb);
    eraNut80(ERFA_DJM0, tt_mjd, &dpsi, &deps);
    obliquity = eraObl80(ERFA_DJM0, tt_mjd);
  }
  double of_date[3];
  eraRxp(npb, proper, of_date);
  double to_ecliptic[3][3];
  eraIr(to_ecliptic);
  eraRx(obliquity + deps, to_ecliptic);
  double ecliptic[3];
  eraRxp(to_ecliptic, of_date, ecliptic);
  double longitude = 0.0;
  double latitude = 0.0;
  eraC2s(ecliptic, &longitude, &latitude);
  return eraAnp(longitude);
}

void ApparentDirection(double tt_mjd, double proper[3]) {
  double pvh[2][3];
  double pvb[2][3];
  EarthAt(tt_mjd, pvh, pvb);

  // Geometric vector from the Earth now to the Sun at the emission time; the
  // Sun's barycentric position is the Earth's barycentric minus heliocentric.
  double to_sun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
  for (int i = 0; i < 3; ++i) {
    double distance = 0.0;
    double unit[3];
    eraPn(to_sun, &distance, unit);
    double pvh_then[2][3];
    double pvb_then[2][3];
    EarthAt(tt_mjd - distance * kLightDaysPerAu, pvh_then, pvb_then);
    for (int k = 0; k < 3; ++k) to_sun[k] = (pvb_then[0][k] - pvh_then[0][k]) - pvb[0][k];
  }
  double distance = 0.0;
  double natural[3];
  eraPn(to_sun, &distance, natural);

  // Earth's barycentric velocity in units of c, and its distance from the Sun.
  double v[3];
  double v2 = 0.0;
  for (int k = 0; k < 3; ++k) {
    v[k] = pvb[1][k] * kLightDaysPerAu;
    v2 += v[k] * v[k];
  }
  double sun_distance = 0.0;
  double unused[3];
  eraPn(pvh[0], &sun_distance, unused);
  eraAb(natural, v, sun_distance, std::sqrt(1.0 - v2), proper);
}

}  // namespace

double ApparentSolarLongitude(double tt_mjd) { return Longitude(tt_mjd, false); }

double ApparentSolarLongitude2006(double tt_mjd) { return Longitude(tt_mjd, true); }

}  // namespace veltrane::tools
