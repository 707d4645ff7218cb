// How far the solar-term moments of a year may be off.
#pragma once

#include <cstdint>

namespace veltrane::calendar {

inline constexpr int kTermUncertaintyFirstYear = 1800;
inline constexpr int kTermUncertaintyYears = 1200;  // 1800..2999

// The measured figures, one per year (term_uncertainty_data.cpp, generated).
extern const std::int32_t kTermUncertaintyTable[kTermUncertaintyYears];

// How far the moments of a year's solar terms, as the chart takes them, may
// lie from the true instants.
//   Given: year, a Gregorian year.
//   Returns: seconds (a whole number), or −1 outside 1800..2999.
//   Method: the largest difference over the year's 24 terms between the
//           moment the chart uses (the stored table 1880..2079, the closed
//           formula elsewhere) and the ephemeris moment by ERFA under two
//           reductions and every ΔT model that applies to the year
//           (tools/README.md gives the models and the figures).
int TermUncertaintySeconds(int year);

}  // namespace veltrane::calendar
