#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace veltrane::platform::win32 {

namespace {

constexpr UINT kGbkCodePage = 936;

// One UTF-16 character (a surrogate pair counts as one) starting at i.
std::size_t CharUnits(std::wstring_view wide, std::size_t i) {
  const bool pair = i + 1 < wide.size() && wide[i] >= 0xD800 && wide[i] <= 0xDBFF &&
                    wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
  return pair ? 2 : 1;
}

}  // namespace

std::wstring WideFromGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int in = static_cast<int>(std::min<std::size_t>(gbk.size(), 0x7FFFFFFF));
  const int n = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), in, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), in, wide.data(), n);
  return wide;
}

std::string GbkFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int in = static_cast<int>(std::min<std::size_t>(wide.size(), 0x7FFFFFFF));
  const int n = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), in, nullptr, 0, "?", nullptr);
  if (n <= 0) return {};
  std::string gbk(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, wide.data(), in, gbk.data(), n, "?", nullptr);
  return gbk;
}

int GbkByteLength(std::wstring_view wide) { return static_cast<int>(GbkFromWide(wide).size()); }

int WideIndexFromGbkOffset(std::wstring_view wide, int bytes) {
  int seen = 0;
  std::size_t i = 0;
  while (i < wide.size() && seen < bytes) {
    const std::size_t units = CharUnits(wide, i);
    seen += GbkByteLength(wide.substr(i, units));
    i += units;
  }
  return static_cast<int>(i);
}

}  // namespace veltrane::platform::win32
