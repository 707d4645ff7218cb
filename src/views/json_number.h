// Decimal numbers for the JSON writer without floating-point std::to_chars
// (which some standard libraries, the browser's among them, do not have).
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>

namespace veltrane::views {

// Room every writer below needs at most.
inline constexpr std::size_t kMaxNumberChars = 32;

// Writes an int as std::to_chars does; returns the end.
inline char* WriteInt(char* out, std::int64_t value) {
  return std::to_chars(out, out + kMaxNumberChars, value).ptr;
}

// Writes a count of hundredths, k/100, as std::to_chars writes the nearest
// double in its shortest form (fixed or scientific, whichever is shorter,
// fixed on a tie): 1234 gives "12.34", -50 "-0.5", 10000000 "1e+05".
// Returns the end.
char* WriteHundredths(char* out, std::int64_t hundredths);

// Writes a double as std::to_chars writes it (the fewest significant digits
// that read back as the value, fixed or scientific, whichever is shorter, fixed
// on a tie); "null" for an infinity or a NaN, which JSON cannot hold.
// Returns the end.
char* WriteShortestDouble(char* out, double value);

// Writes a count of tenths with exactly one decimal, as std::to_chars with
// chars_format::fixed and precision 1 writes k/10: 15 gives "1.5", -3 "-0.3".
// Returns the end.
char* WriteTenths(char* out, std::int64_t tenths);

}  // namespace veltrane::views
