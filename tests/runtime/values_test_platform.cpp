#include "values_test_platform.h"

#include "runtime/text/gbk.h"

namespace veltrane::test_support {

ValuesPlatformScope::ValuesPlatformScope() { platform::InstallPlatform(&platform_); }

ValuesPlatformScope::~ValuesPlatformScope() { platform::InstallPlatform(nullptr); }

std::string Gbk8(std::string_view utf8) { return runtime::GbkFromUtf8(utf8); }

std::string Utf8(std::string_view gbk) { return runtime::Utf8FromGbk(gbk); }

}  // namespace veltrane::test_support
