#include "base/text/gbk_literal.h"

#include <mutex>
#include <string>
#include <unordered_map>

#include "base/memory.h"
#include "base/text/gbk.h"

namespace veltrane::runtime {

const char* Gbk(std::string_view utf8) {
  // Keyed by the UTF-8 text so each constant is converted only once.
  static std::mutex mutex;
  static auto* cache = new std::unordered_map<std::string, const char*>;
  std::lock_guard lock(mutex);
  auto [it, inserted] = cache->try_emplace(std::string(utf8), nullptr);
  if (inserted) it->second = ConstantPool::Intern(GbkFromUtf8(utf8));
  return it->second;
}

}  // namespace veltrane::runtime
