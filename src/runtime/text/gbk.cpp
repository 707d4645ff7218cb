#include "runtime/text/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace veltrane::runtime {
namespace {

constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

// Length of the UTF-8 sequence a byte starts, so a bad sequence is skipped whole.
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

// One iconv descriptor per direction, opened on first use and kept for the run.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (cd_ != Invalid()) iconv_close(cd_);
  }

  // Converts in; at an unconvertible input position calls skip(in, pos, out),
  // which appends a replacement and returns how many input bytes to drop.
  template <typename Skip>
  std::string Convert(std::string_view in, Skip skip) {
    std::lock_guard lock(mutex_);
    std::string out;
    if (cd_ == Invalid()) {
      for (std::size_t pos = 0; pos < in.size();) pos += skip(in, pos, out);
      return out;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::size_t pos = 0;
    char buffer[1024];
    while (pos < in.size()) {
      char* src = const_cast<char*>(in.data() + pos);
      std::size_t src_left = in.size() - pos;
      char* dst = buffer;
      std::size_t dst_left = sizeof buffer;
      const std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      const int error = errno;
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      pos = static_cast<std::size_t>(src - in.data());
      if (rc != static_cast<std::size_t>(-1)) break;
      if (error == E2BIG) continue;
      // EILSEQ or EINVAL: a byte sequence that has no character here.
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      pos += skip(in, pos, out);
    }
    return out;
  }

 private:
  static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }

  iconv_t cd_;
  std::mutex mutex_;
};

Converter& GbkToUtf8() {
  static Converter converter("UTF-8", "CP936");
  return converter;
}

Converter& Utf8ToGbk() {
  static Converter converter("CP936", "UTF-8");
  return converter;
}

}  // namespace

std::string Utf8FromGbk(std::string_view gbk) {
  return GbkToUtf8().Convert(gbk, [](std::string_view in, std::size_t pos, std::string& out) {
    const auto byte = static_cast<unsigned char>(in[pos]);
    if (byte < 0x80) {
      out.push_back(static_cast<char>(byte));
    } else {
      out.append(kUtf8Replacement);
    }
    return std::size_t{1};
  });
}

std::string GbkFromUtf8(std::string_view utf8) {
  return Utf8ToGbk().Convert(utf8, [](std::string_view in, std::size_t pos, std::string& out) {
    const auto byte = static_cast<unsigned char>(in[pos]);
    if (byte < 0x80) {
      out.push_back(static_cast<char>(byte));
      return std::size_t{1};
    }
    out.push_back('?');
    std::size_t length = Utf8SequenceLength(byte);
    // Drop only the bytes that really continue the sequence.
    std::size_t taken = 1;
    while (taken < length && pos + taken < in.size() &&
           (static_cast<unsigned char>(in[pos + taken]) & 0xC0) == 0x80) {
      ++taken;
    }
    return taken;
  });
}

bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::size_t GbkCharLength(std::string_view s, std::size_t pos) {
  if (pos + 1 < s.size() && IsGbkLeadByte(static_cast<unsigned char>(s[pos]))) return 2;
  return 1;
}

}  // namespace veltrane::runtime
