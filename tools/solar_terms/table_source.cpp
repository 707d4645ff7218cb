#include "table_source.h"

#include <cstdio>

namespace veltrane::tools {
namespace {

constexpr const char* kTermNames[24] = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

constexpr const char* kHeader =
    R"(// SolarTermTable: the moments of the 24 solar terms, Gregorian years 1880 to
// 2079, China Standard Time (UTC+8), to the second.
//
// GENERATED FILE, do not edit: regenerate with the solar-term generator
// (tools/solar_terms, see tools/README.md); the test
// calendar_solar_term_table_regenerates compares this file with a fresh run.
//
// Provenance
//   Moment of a term: the TT instant at which the Sun's apparent geocentric
//   ecliptic longitude of date reaches (270 + 15·slot) mod 360 degrees.
//   Earth ephemeris eraEpv00 (ERFA, the open SOFA), light time and annual
//   aberration (eraAb), IAU 1976 precession and IAU 1980 nutation (eraPnm80,
//   no frame bias), true obliquity eraObl80 + Δε (eraNut80).
//   TT to UT: ΔT from the USNO historic half-yearly series and the IERS/USNO
//   monthly series, linearly interpolated, before 2000.0
//   (tools/solar_terms/delta_t.txt); ΔT = 63.829 + 0.555·t + 0.0114·t² s,
//   t = decimal year − 2000, from 2000.0 on. UT + 8 h rounded to the nearest
//   second.
//
// Layout: 200 rows (1880..2079) of 24 entries in slot order (1 = 小寒 ...
// 24 = 冬至); an entry is month, day, hour, minute, second.
#include "calendar/solar_term_table.h"

namespace veltrane::calendar {

// clang-format off
const std::array<std::uint8_t, kSolarTermTableBytes> kSolarTermTable = {
)";

constexpr const char* kFooter = R"(};
// clang-format on

}  // namespace veltrane::calendar
)";

}  // namespace

void WriteTableSource(std::ostream& out, const std::array<std::uint8_t, kTableBytes>& table) {
  out << kHeader;
  for (std::size_t i = 0; i < kTableBytes; i += 5) {
    const int year = 1880 + static_cast<int>(i / 120);
    const int slot = static_cast<int>(i / 5 % 24);
    char line[128];
    std::snprintf(line, sizeof line,
                  "    %2u, %2u, %2u, %2u, %2u,  // %04d-%02u-%02u %02u:%02u:%02u %s\n", table[i],
                  table[i + 1], table[i + 2], table[i + 3], table[i + 4], year, table[i],
                  table[i + 1], table[i + 2], table[i + 3], table[i + 4], kTermNames[slot]);
    out << line;
  }
  out << kFooter;
}

}  // namespace veltrane::tools
