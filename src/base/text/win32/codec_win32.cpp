// The codec seam on the Windows code-page functions: code page 936 for GBK,
// through UTF-16.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "base/text/codec.h"
#include "base/text/gbk.h"
#include "base/text/utf8.h"

namespace veltrane::runtime::codec {
namespace {

constexpr UINT kGbkCodePage = 936;
// Runs are converted in pieces of about this many bytes, well inside the int
// sizes the code-page functions take.
constexpr std::size_t kPieceBytes = 1 << 16;

std::size_t CharLength(Direction direction, std::string_view in, std::size_t pos) {
  return direction == Direction::kGbkToUtf8 ? GbkCharLength(in, pos) : Utf8CharLength(in, pos);
}

bool ToWide(UINT code_page, std::string_view in, std::wstring& wide) {
  const int size = static_cast<int>(in.size());
  const int length =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
  if (length <= 0) return false;
  wide.resize(static_cast<std::size_t>(length));
  return MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(), size, wide.data(),
                             length) == length;
}

// Appends only when every character has its own counterpart: no default
// character, no best-fit look-alike.
bool AppendFromWide(UINT code_page, const std::wstring& wide, std::string& out) {
  const bool to_gbk = code_page == kGbkCodePage;
  const DWORD flags = to_gbk ? WC_NO_BEST_FIT_CHARS : WC_ERR_INVALID_CHARS;
  BOOL used_default = FALSE;
  BOOL* used_default_out = to_gbk ? &used_default : nullptr;
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(code_page, flags, wide.data(), size, nullptr, 0, nullptr,
                                         used_default_out);
  if (length <= 0 || used_default) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(length));
  if (WideCharToMultiByte(code_page, flags, wide.data(), size, out.data() + start, length, nullptr,
                          nullptr) != length) {
    out.resize(start);
    return false;
  }
  return true;
}

// Converts all of in, or appends nothing and fails.
bool ConvertWhole(Direction direction, std::string_view in, std::string& out) {
  const bool from_gbk = direction == Direction::kGbkToUtf8;
  // Code page 936 gives 0xFF a private-use character; GBK has no such byte.
  if (from_gbk && std::memchr(in.data(), 0xFF, in.size()) != nullptr) return false;
  std::wstring wide;
  if (!ToWide(from_gbk ? kGbkCodePage : CP_UTF8, in, wide)) return false;
  return AppendFromWide(from_gbk ? CP_UTF8 : kGbkCodePage, wide, out);
}

}  // namespace

std::size_t ConvertPrefix(Direction direction, std::string_view in, std::string& out) {
  std::size_t done = 0;
  while (done < in.size()) {
    // A piece ends on a character boundary.
    std::size_t end = done;
    while (end < in.size() && end - done < kPieceBytes) end += CharLength(direction, in, end);
    end = std::min(end, in.size());
    if (ConvertWhole(direction, in.substr(done, end - done), out)) {
      done = end;
      continue;
    }
    // Something in this piece does not convert: go on one character at a time.
    while (done < end) {
      const std::size_t length = CharLength(direction, in, done);
      if (!ConvertWhole(direction, in.substr(done, length), out)) return done;
      done += length;
    }
  }
  return done;
}

}  // namespace veltrane::runtime::codec
