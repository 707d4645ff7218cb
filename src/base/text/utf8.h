// Character boundaries in UTF-8 text, so a bad sequence is stepped over whole.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrane::runtime {

// Length in bytes of the sequence at pos: what its lead byte announces, cut
// short at the first byte that does not continue it; 1 for a byte that leads
// nothing and for a pos at or past the end.
std::size_t Utf8CharLength(std::string_view s, std::size_t pos);

// The UTF-8 bytes of a code point (a surrogate half is encoded as it is, and
// a later conversion refuses it).
std::string Utf8FromCodePoint(char32_t code);

}  // namespace veltrane::runtime
