// The codec seam on glibc's iconv.
#include <iconv.h>

#include <cerrno>

#include "base/text/codec.h"

namespace veltrane::runtime::codec {
namespace {

// One iconv descriptor per direction and thread, opened on first use: iconv
// keeps state in its descriptor, so threads that convert at once need their own.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (cd_ != Invalid()) iconv_close(cd_);
  }

  std::size_t ConvertPrefix(std::string_view in, std::string& out) {
    if (cd_ == Invalid()) return 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char buffer[1024];
    while (src_left > 0) {
      char* dst = buffer;
      std::size_t dst_left = sizeof buffer;
      const std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      const int error = errno;
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      // EILSEQ or EINVAL: a sequence that has no character on the other side.
      if (rc == static_cast<std::size_t>(-1) && error != E2BIG) break;
    }
    return in.size() - src_left;
  }

 private:
  // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open's documented failure value.
  static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }

  iconv_t cd_;
};

}  // namespace

std::size_t ConvertPrefix(Direction direction, std::string_view in, std::string& out) {
  if (direction == Direction::kGbkToUtf8) {
    thread_local Converter converter("UTF-8", "CP936");
    return converter.ConvertPrefix(in, out);
  }
  thread_local Converter converter("CP936", "UTF-8");
  return converter.ConvertPrefix(in, out);
}

}  // namespace veltrane::runtime::codec
