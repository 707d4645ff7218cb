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

// What the window draws in its default face: Latin letters and digits (the
// title, the date boxes, 阴遁7局, 落8宫) and the Chinese of its captions,
// boxes and messages. A face lacking any of them shows boxes there.
constexpr wchar_t kMustDraw[] =
    L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz:-|"
    L"奇门遁甲时家排盘自动复制年月日阴阳局宫值符使落空馬禽上中下元"
    L"休生伤杜景死惊开蓬任冲辅英芮柱心禽蛇阴合勾雀地天白玄"
    L"乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥"
    L"坎坤震巽乾兑艮离正北南东西方为水土雷风火金木山口"
    L"冬至小寒大雪已经整复制到剪切板提示错误确定";

// How many of kMustDraw the face has no glyph for; the whole count when the
// face cannot be made or asked.
int MissingGlyphs(HDC dc, const std::wstring& face) {
  constexpr int kCount = static_cast<int>(std::size(kMustDraw)) - 1;
  LOGFONTW log{};
  log.lfHeight = -kDefaultFontPixels;
  log.lfCharSet = DEFAULT_CHARSET;
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), log.lfFaceName);
  HFONT font = CreateFontIndirectW(&log);
  if (font == nullptr) return kCount;
  HGDIOBJ old = SelectObject(dc, font);
  std::array<WORD, kCount> glyphs{};
  int missing = kCount;
  if (GetGlyphIndicesW(dc, kMustDraw, kCount, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) ==
      static_cast<DWORD>(kCount)) {
    missing = static_cast<int>(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}));
  }
  SelectObject(dc, old);
  DeleteObject(font);
  return missing;
}

std::wstring FindCjkFace() {
  // Every Chinese Windows has one of these; the native names cover systems
  // that list the faces by them. A face is taken only when it draws every
  // character the window shows (Wine's first Chinese face may have no Latin
  // letters); failing that, the one missing fewest.
  static constexpr std::array<const wchar_t*, 4> kPreferred = {
      L"Microsoft YaHei", L"\u5FAE\u8F6F\u96C5\u9ED1", L"SimSun", L"\u5B8B\u4F53"};
  const std::vector<std::wstring> listed = Gb2312Faces();
  std::vector<std::wstring> candidates;
  for (const wchar_t* name : kPreferred) {
    if (std::find(listed.begin(), listed.end(), name) != listed.end())
      candidates.emplace_back(name);
  }
  candidates.insert(candidates.end(), listed.begin(), listed.end());
  HDC screen = GetDC(nullptr);
  if (screen == nullptr || candidates.empty()) {
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return candidates.empty() ? std::wstring(L"SimSun") : candidates.front();
  }
  std::wstring best = candidates.front();
  int best_missing = MissingGlyphs(screen, best);
  for (std::size_t i = 1; i < candidates.size() && best_missing > 0; ++i) {
    const int missing = MissingGlyphs(screen, candidates[i]);
    if (missing < best_missing) {
      best = candidates[i];
      best_missing = missing;
    }
  }
  ReleaseDC(nullptr, screen);
  return best;
}

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// Whether the system has a face of this name (else GDI would substitute one
// of its own choosing, which may lack the window's characters).
bool FaceInstalled(const std::wstring& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return false;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::copy(face.begin(), face.end(), wanted.lfFaceName);
  bool found = false;
  EnumFontFamiliesExW(screen, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
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
  // A stored face the system lacks gives way to the face chosen for the window's texts.
  std::wstring face = font.is_default || font.face.empty() ? CjkFace() : WideFromGbk(font.face);
  if (face != CjkFace() && !FaceInstalled(face)) face = CjkFace();
  const std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), n, log.lfFaceName);
  HFONT handle = CreateFontIndirectW(&log);
  if (handle == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  made_.push_back({font, dpi, handle});
  return handle;
}

}  // namespace veltrane::platform::win32
