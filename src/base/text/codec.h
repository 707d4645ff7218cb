// The text codec seam: GBK (code page 936) to and from UTF-8 on the system's
// own converter, one implementation per system chosen at build time (iconv on
// Linux, the code-page functions on Windows). What does not convert is left to
// the caller (gbk.cpp), so every system replaces it alike.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrane::runtime::codec {

enum class Direction { kGbkToUtf8, kUtf8ToGbk };

// Appends to out the conversion of the longest run of whole characters at the
// start of in, and returns that run's length in bytes: it ends before the first
// sequence that is malformed, cut off at the end, or has no character on the
// other side. The GBK byte 0xFF starts no character.
std::size_t ConvertPrefix(Direction direction, std::string_view in, std::string& out);

}  // namespace veltrane::runtime::codec
