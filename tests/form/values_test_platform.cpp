#include "values_test_platform.h"

#include <gtest/gtest.h>

#include "base/memory.h"
#include "base/text/gbk.h"
#include "form/values/command_args.h"

namespace veltrane::test_support {

ValuesPlatformScope::ValuesPlatformScope() { platform::InstallPlatform(&platform_); }

ValuesPlatformScope::~ValuesPlatformScope() { platform::InstallPlatform(nullptr); }

std::string Gbk8(std::string_view utf8) { return runtime::GbkFromUtf8(utf8); }

std::string Utf8(std::string_view gbk) { return runtime::Utf8FromGbk(gbk); }

std::string TakeText(const runtime::CommandArg& result) {
  EXPECT_EQ(result.tag, runtime::ValueTag::Text);
  const runtime::HeapText owned(static_cast<char*>(runtime::ArgPointer(result)));
  return std::string(owned.view());
}

}  // namespace veltrane::test_support
