#include "platform/win32/fonts.h"

#include <algorithm>
#include <array>

#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"

namespace veltrane::platform::win32 {

namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW* /*metric*/, DWORD /*type*/,
                         LPARAM faces) {
  // Faces starting with '@' are the vertical-writing twins.
  if (font->lfFaceName[0] != L'@') {
    reinterpret_cast<std::vector<std::wstring>*>(faces)->emplace_back(font->lfFaceName);
  }
  return 1;
}

std::vector<std::wstring> Gb2312Faces() {
  std::vector<std::wstring> faces;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return faces;
  LOGFONTW wanted{};
  wanted.lfCharSet = GB2312_CHARSET;
  EnumFontFamiliesExW(screen, &wanted, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  ReleaseDC(nullptr, screen);
  return faces;
}

std::wstring FindCjkFace() {
  // Every Chinese Windows has one of these; the native names cover systems
  // that list the faces by them.
  static constexpr std::array<const wchar_t*, 4> kPreferred = {
      L"Microsoft YaHei", L"\u5FAE\u8F6F\u96C5\u9ED1", L"SimSun", L"\u5B8B\u4F53"};
  const std::vector<std::wstring> faces = Gb2312Faces();
  for (const wchar_t* name : kPreferred) {
    if (std::find(faces.begin(), faces.end(), name) != faces.end()) return name;
  }
  return faces.empty() ? std::wstring(L"SimSun") : faces.front();
}

}  // namespace

const std::wstring& CjkFace() {
  static const std::wstring face = FindCjkFace();
  return face;
}

FontCache::~FontCache() {
  for (const Made& m : made_) DeleteObject(m.handle);
}

HFONT FontCache::Get(const Font& font, int dpi) {
  for (const Made& m : made_) {
    if (m.dpi == dpi && m.font == font) return m.handle;
  }
  LOGFONTW log{};
  if (font.is_default) {
    log.lfHeight = -Scale(kDefaultFontPixels, dpi);
    log.lfWeight = FW_NORMAL;
  } else {
    // The stored height is in pixels at 96 dpi (negative: character height).
    log.lfHeight = font.height == 0 ? -Scale(kDefaultFontPixels, dpi) : Scale(font.height, dpi);
    log.lfWeight = std::clamp(font.weight, 0, 1000);
    log.lfItalic = font.italic ? TRUE : FALSE;
    log.lfUnderline = font.underline ? TRUE : FALSE;
    log.lfStrikeOut = font.strike_out ? TRUE : FALSE;
    log.lfEscapement = font.escapement;
    log.lfOrientation = font.escapement;
  }
  // As the stored record is applied: any character set, no precision flags, proof quality.
  log.lfCharSet = DEFAULT_CHARSET;
  log.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log.lfQuality = PROOF_QUALITY;
  const std::wstring face =
      font.is_default || font.face.empty() ? CjkFace() : WideFromGbk(font.face);
  const std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), n, log.lfFaceName);
  HFONT handle = CreateFontIndirectW(&log);
  if (handle == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  made_.push_back({font, dpi, handle});
  return handle;
}

}  // namespace veltrane::platform::win32
