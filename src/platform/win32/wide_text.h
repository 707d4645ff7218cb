// Text at the Win32 edge: the runtime's GBK bytes to and from the UTF-16 the
// wide-character calls take, through code page 936, and byte positions
// against UTF-16 positions.
#pragma once

#include <string>
#include <string_view>

namespace veltrane::platform::win32 {

// GBK bytes as UTF-16 (what code page 936 cannot map becomes U+FFFD).
std::wstring WideFromGbk(std::string_view gbk);

// UTF-16 as GBK bytes ('?' for what GBK lacks).
std::string GbkFromWide(std::wstring_view wide);

// GBK byte count of one UTF-16 text.
int GbkByteLength(std::wstring_view wide);

// The UTF-16 index at which GBK byte offset `bytes` falls (clamped to the text).
int WideIndexFromGbkOffset(std::wstring_view wide, int bytes);

}  // namespace veltrane::platform::win32
