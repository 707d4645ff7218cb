// The headless platform installed for one value-operation test, GBK helpers
// for readable expectations, and the text of a text result.
#pragma once

#include <string>
#include <string_view>

#include "form/command_arg.h"
#include "platform/headless/headless_platform.h"

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

// The GBK bytes of a text result, whose heap text it frees; a result tagged
// other than Text fails the test.
std::string TakeText(const runtime::CommandArg& result);

}  // namespace veltrane::test_support
