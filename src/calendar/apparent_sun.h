// The Sun's apparent place of date, in a compact analytic form.
#pragma once

namespace veltrane::calendar {

// Perturbations of the Sun's longitude by the planets and the Moon, in
// degrees: sine·sin x + cosine·cos x with x = phase + rate·t (degrees, t in
// TT centuries from J2000.0), x a sum of the mean longitudes of Venus, the
// Earth, Mars and Jupiter or the Moon's mean elongation D. The amplitudes
// were fitted to ERFA's apparent longitude over 1800–2999 (tools/equation_of_time).
struct SunPerturbation {
  double phase;
  double rate;
  double sine;
  double cosine;
};
inline constexpr SunPerturbation kSunPerturbations[] = {
    {81.513344, 22518.4428195, 0.001342, 0.0},          // V − E
    {163.026688, 45036.8856390, -0.001533, -0.000003},  // 2V − 2E
    {244.540032, 67555.3284585, -0.000182, -0.000002},  // 3V − 3E
    {62.560231, 9037.5127825, -0.000036, 0.000680},     // 2V − 3E
    {144.073575, 31555.9556020, -0.000023, 0.000430},   // 3V − 4E
    {66.114938, 32964.4671959, -0.002003, -0.000036},   // E − J
    {132.229876, 65928.9343918, 0.000759, 0.000003},    // 2E − 2J
    {31.763419, 29929.5615353, -0.000270, 0.000353},    // E − 2J
    {34.351519, 3034.9056606, -0.000732, 0.000112},     // J
    {109.600457, -2281.2257513, -0.000381, 0.000308},   // E − 2Ma
    {210.066914, 33718.1471052, -0.000570, 0.000004},   // 2E − 2Ma
    {297.850204, 445267.1115168, 0.001797, -0.000004},  // D
    {251.390000, 20.2000000, 0.002111, -0.001067},      // a long-period term
};
// With the terms, a polynomial in t (degrees) for what the fit left over.
inline constexpr double kSunLongitudeCorrection[] = {-0.0002954, 0.0003585, -0.0000492};

struct ApparentSun {
  double longitude;  // apparent ecliptic longitude of date, radians
  double obliquity;  // true obliquity of the ecliptic, radians
  double nutation;   // nutation in longitude Δψ, radians
};

// The Sun's apparent geocentric longitude, referred to the true equinox and
// ecliptic of date, with the true obliquity and the nutation in longitude.
//   Given: t, TT in Julian centuries from J2000.0.
//   Returns: the three angles in radians (longitude not reduced to 0..2π).
//   Method: mean longitude plus the equation of the centre (to 3M) and
//           thirteen perturbations by Venus, Mars, Jupiter and the Moon,
//           whose amplitudes (and a small polynomial) were fitted to ERFA's
//           apparent longitude over 1800–2999 (tools/equation_of_time);
//           nutation in longitude and obliquity from its four largest
//           terms; aberration −20.4898″/R.
//   Accuracy: within 7″ of ERFA (eraEpv00, eraAb, eraPnm06a) over 1800–2999.
//   References: Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 22 and
//               25; Simon et al. 1994, A&A 282, 663 (the planets' mean
//               longitudes in the arguments).
ApparentSun ApparentSunOfDate(double t);

}  // namespace veltrane::calendar
