// GBK (code page 936) text helpers: conversion at the program's edges and the
// byte rules that positions and lengths follow inside it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrane::runtime {

// Converts GBK bytes to UTF-8; a byte that starts no valid character becomes U+FFFD.
std::string Utf8FromGbk(std::string_view gbk);

// Converts UTF-8 to GBK; a character GBK lacks, or a malformed sequence, becomes '?'.
std::string GbkFromUtf8(std::string_view utf8);

// The GBK bytes of one typed character; '?' for a surrogate half or a
// character GBK lacks.
std::string GbkFromCodePoint(char32_t code);

// True for a byte that starts a two-byte GBK character (0x81..0xFE).
bool IsGbkLeadByte(unsigned char byte);

// Length in bytes (1 or 2) of the character at pos; 1 for a lead byte at the
// end of s and for a pos at or past the end.
std::size_t GbkCharLength(std::string_view s, std::size_t pos);

}  // namespace veltrane::runtime
