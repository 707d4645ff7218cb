// Fonts at the Win32 edge: GDI fonts made from the stored font records at a
// DPI, kept for the platform's lifetime, with a Chinese face for an empty
// face name.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/platform.h"

namespace veltrane::platform::win32 {

// The character height in layout pixels of the default UI font (9 points at 96 dpi).
inline constexpr int kDefaultFontPixels = 12;

// The face for Chinese text: Microsoft YaHei, else SimSun, else the first
// face the system lists for the GB2312 character set.
const std::wstring& CjkFace();

class FontCache {
 public:
  FontCache() = default;
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The GDI font of a stored font record at dpi; owned by the cache.
  HFONT Get(const Font& font, int dpi);

 private:
  struct Made {
    Font font;
    int dpi;
    HFONT handle;
  };
  std::vector<Made> made_;
};

}  // namespace veltrane::platform::win32
