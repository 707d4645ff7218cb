// Writes the solar-term table as the C++ source the calendar compiles.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>

namespace veltrane::tools {

inline constexpr std::size_t kTableBytes = 24000;

// Writes solar_term_table_data.cpp: a provenance header, then
// kSolarTermTable with one line per entry (its five bytes, the date and the
// term's name). The output depends on the bytes alone, so regenerating gives
// the same file byte for byte.
void WriteTableSource(std::ostream& out, const std::array<std::uint8_t, kTableBytes>& table);

}  // namespace veltrane::tools
