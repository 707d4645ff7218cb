// The Sun's apparent direction of date by ERFA (IAU 2006/2000A), shared by the
// fitting tool and the equation-of-time test so both compare with one reference.
#pragma once

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace veltrane::tools {

// Given tt_days (TT, days from J2000.0), returns in of_date the unit vector to
// the Sun on the true equator and equinox of date (light time from eraEpv00's
// heliocentric position, annual aberration by eraAb) and in npb the
// precession-nutation matrix eraPnm06a used for it.
inline void ErfaApparentSunOfDate(double tt_days, double of_date[3], double npb[3][3]) {
  double pvh[2][3];
  double pvb[2][3];
  eraEpv00(ERFA_DJ00, tt_days, pvh, pvb);
  double to_sun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
  double distance = 0.0;
  double natural[3];
  eraPn(to_sun, &distance, natural);
  double v[3];
  double v2 = 0.0;
  for (int k = 0; k < 3; ++k) {
    v[k] = pvb[1][k] * ERFA_AULT / ERFA_DAYSEC;
    v2 += v[k] * v[k];
  }
  double apparent[3];
  eraAb(natural, v, distance, std::sqrt(1.0 - v2), apparent);
  eraPnm06a(ERFA_DJ00, tt_days, npb);
  eraRxp(npb, apparent, of_date);
}

}  // namespace veltrane::tools
