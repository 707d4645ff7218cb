#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/memory.h"

namespace veltrane::runtime {
namespace {

// The pool grows in blocks that never move, so interned pointers stay valid.
constexpr std::size_t kBlockSize = std::size_t{16} * 1024;

struct Block {
  std::unique_ptr<char[]> data;
  std::size_t capacity = 0;
  std::size_t used = 0;
};

struct Pool {
  std::mutex mutex;
  std::vector<Block> blocks;
  std::unordered_map<std::string_view, const char*> index;

  const Block* BlockOf(const void* p) const {
    const auto* c = static_cast<const char*>(p);
    for (const Block& block : blocks) {
      const char* begin = block.data.get();
      // The transparent functors order any two pointers, also of different blocks.
      if (std::less_equal<>()(begin, c) && std::less<>()(c, begin + block.used)) {
        return &block;
      }
    }
    return nullptr;
  }
};

// Deliberately never destroyed: exit routines and static destructors may still
// hold constant texts.
Pool& ThePool() {
  static Pool* pool = new Pool;
  return *pool;
}

}  // namespace

const char* ConstantPool::Intern(std::string_view gbk) {
  Pool& pool = ThePool();
  std::lock_guard lock(pool.mutex);
  if (auto found = pool.index.find(gbk); found != pool.index.end()) return found->second;

  const std::size_t needed = gbk.size() + 1;
  if (pool.blocks.empty() || pool.blocks.back().capacity - pool.blocks.back().used < needed) {
    const std::size_t capacity = needed > kBlockSize ? needed : kBlockSize;
    pool.blocks.push_back(Block{std::make_unique<char[]>(capacity), capacity, 0});
  }
  Block& block = pool.blocks.back();
  char* text = block.data.get() + block.used;
  if (!gbk.empty()) std::memcpy(text, gbk.data(), gbk.size());
  text[gbk.size()] = '\0';
  block.used += needed;
  pool.index.emplace(std::string_view(text, gbk.size()), text);
  return text;
}

bool ConstantPool::Contains(const void* p) {
  if (p == nullptr) return false;
  Pool& pool = ThePool();
  std::lock_guard lock(pool.mutex);
  return pool.BlockOf(p) != nullptr;
}

std::size_t ConstantPool::BytesToEnd(const void* p) {
  if (p == nullptr) return 0;
  Pool& pool = ThePool();
  std::lock_guard lock(pool.mutex);
  const Block* block = pool.BlockOf(p);
  if (block == nullptr) return 0;
  return static_cast<std::size_t>(block->data.get() + block->used - static_cast<const char*>(p));
}

}  // namespace veltrane::runtime
