// Heap memory: texts and byte blocks handed to the
// program's code are heap blocks the caller frees with FreeMemory; constant
// texts live in the ConstantPool and are never freed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace veltrane::runtime {

// What a failed allocation of `bytes` does; it does not return. The form
// runtime sets the fatal report "分配 %d 字节内存失败!" here.
using AllocationFailureHandler = void (*)(std::int32_t bytes);

// Sets the handler of failed allocations; null restores the default, which
// writes one line to stderr and aborts.
void SetAllocationFailureHandler(AllocationFailureHandler handler);

// Allocates a zero-filled block; the allocation failure handler runs when it cannot.
void* AllocMemory(std::int32_t bytes);

// Resizes a block (null acts as AllocMemory; a ConstantPool pointer is copied
// into a new block); a failure goes to the handler like AllocMemory's.
void* ReallocMemory(void* p, std::int32_t bytes);

// Returns a block to the heap; null and ConstantPool pointers are ignored.
void FreeMemory(void* p);

// Tests only: AllocMemory and ReallocMemory calls made since the last
// FailAllocationForTests (or since start), whether they succeeded or not.
std::int64_t AllocationCountForTests();

// Tests only: the n-th allocation from now (1 = the next) fails as an
// exhausted heap would; 0 turns the failure off. Restarts the count.
void FailAllocationForTests(std::int64_t n);

// Owner of a zero-terminated GBK text allocated with AllocMemory.
class HeapText {
 public:
  HeapText() = default;
  explicit HeapText(char* owned) : p_(owned) {}
  HeapText(HeapText&& other) noexcept : p_(other.release()) {}
  HeapText& operator=(HeapText&& other) noexcept;
  HeapText(const HeapText&) = delete;
  HeapText& operator=(const HeapText&) = delete;
  ~HeapText() { FreeMemory(p_); }

  // A new heap copy of gbk with its terminator.
  static HeapText Copy(std::string_view gbk);

  const char* c_str() const { return p_ != nullptr ? p_ : ""; }  // "" when null
  std::string_view view() const { return c_str(); }
  char* get() const { return p_; }
  bool is_null() const { return p_ == nullptr; }
  char* release();  // hands the block to the caller

 private:
  char* p_ = nullptr;
};

// Owner of a byte block as handed to the program's code: a 32-bit word 1, the
// 32-bit length, then the bytes, allocated with AllocMemory.
class HeapBytes {
 public:
  HeapBytes() = default;
  explicit HeapBytes(void* owned) : p_(static_cast<std::uint8_t*>(owned)) {}
  HeapBytes(HeapBytes&& other) noexcept : p_(static_cast<std::uint8_t*>(other.release())) {}
  HeapBytes& operator=(HeapBytes&& other) noexcept;
  HeapBytes(const HeapBytes&) = delete;
  HeapBytes& operator=(const HeapBytes&) = delete;
  ~HeapBytes() { FreeMemory(p_); }

  // A new heap block holding a copy of bytes.
  static HeapBytes Copy(std::span<const std::uint8_t> bytes);

  std::span<const std::uint8_t> bytes() const;  // empty when null
  std::size_t size() const { return bytes().size(); }
  void* get() const { return p_; }
  bool is_null() const { return p_ == nullptr; }
  void* release();  // hands the block to the caller

 private:
  std::uint8_t* p_ = nullptr;
};

// The read-only block of the program's constant texts. Pointers it hands out
// stay valid for the whole run.
class ConstantPool {
 public:
  // A stable zero-terminated copy of gbk inside the pool; equal texts share one copy.
  static const char* Intern(std::string_view gbk);
  // True when p points into the pool.
  static bool Contains(const void* p);
  // Bytes from p to the end of the pool block holding it; 0 when outside the pool.
  static std::size_t BytesToEnd(const void* p);
};

}  // namespace veltrane::runtime
