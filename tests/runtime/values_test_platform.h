// The headless platform installed for one value-operation test, and GBK
// helpers for readable expectations.
#pragma once

#include <string>
#include <string_view>

#include "runtime/platform/headless/headless_platform.h"

namespace veltrane::test_support {

class ValuesPlatformScope {
 public:
  ValuesPlatformScope();
  ~ValuesPlatformScope();
  ValuesPlatformScope(const ValuesPlatformScope&) = delete;
  ValuesPlatformScope& operator=(const ValuesPlatformScope&) = delete;

  platform::HeadlessPlatform& platform() { return platform_; }

 private:
  platform::HeadlessPlatform platform_;
};

// GBK bytes of a UTF-8 literal, and UTF-8 of GBK bytes.
std::string Gbk8(std::string_view utf8);
std::string Utf8(std::string_view gbk);

}  // namespace veltrane::test_support
