// Byte-positioned parts of GBK texts, and searching and replacing that step
// over a two-byte character as one unit. Positions are 1-based bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veltrane::runtime::values {

// Length in bytes (1 or 2) of the character at pos as searching and replacing
// step: every byte from 0x80 up leads a two-byte character (0x80 and 0xFF
// too, which GBK itself leaves unused); 1 for a lead byte at the end of s.
std::size_t TextCharLength(std::string_view s, std::size_t pos);

// The first min(n, length) bytes; empty when n <= 0. May split a character.
std::string_view LeftBytes(std::string_view s, std::int32_t n);
// The last min(n, length) bytes; empty when n <= 0.
std::string_view RightBytes(std::string_view s, std::int32_t n);
// min(n, length - start + 1) bytes from position start; empty when start < 1,
// start > length or n <= 0.
std::string_view MidBytes(std::string_view s, std::int32_t start, std::int32_t n);

// Position of the first occurrence of sought at a character start at or after
// position start (below 1 counts as 1); -1 when none or sought is empty.
// ignore_case compares ASCII letters without regard to case.
std::int32_t FindInText(std::string_view s, std::string_view sought, std::int32_t start,
                        bool ignore_case);

// s with the occurrences of sought at character starts from position start on
// replaced, at most count of them (count < 0: all).
std::string ReplaceInText(std::string_view s, std::string_view sought, std::string_view replacement,
                          std::int32_t start, std::int32_t count, bool case_sensitive);

}  // namespace veltrane::runtime::values
