#include "base/memory.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace veltrane::runtime {
namespace {

// Constant-initialised, so a handler set during start-up is never overwritten.
AllocationFailureHandler failure_handler = nullptr;

[[noreturn]] void AllocationFailed(std::int32_t bytes) {
  if (failure_handler != nullptr) failure_handler(bytes);
  // Reached without a handler, or if one returned against its contract.
  std::fprintf(stderr, "veltrane: allocating %d bytes failed\n", static_cast<int>(bytes));
  std::abort();
}

struct AllocationFault {
  std::int64_t count = 0;
  std::int64_t fail_at = 0;  // 0 = never
};

AllocationFault& Fault() {
  static AllocationFault fault;
  return fault;
}

// Counts the call; true when it is the one a test asked to fail.
bool InjectedFailure() {
  AllocationFault& fault = Fault();
  return ++fault.count == fault.fail_at;
}

// A block of 0 bytes is still a distinct block that FreeMemory takes back.
std::size_t BlockSize(std::int32_t bytes) {
  return bytes == 0 ? 1 : static_cast<std::size_t>(bytes);
}

}  // namespace

void SetAllocationFailureHandler(AllocationFailureHandler handler) { failure_handler = handler; }

std::int64_t AllocationCountForTests() { return Fault().count; }

void FailAllocationForTests(std::int64_t n) { Fault() = {0, n}; }

void* AllocMemory(std::int32_t bytes) {
  // A negative count is a request no heap can meet.
  if (bytes < 0 || InjectedFailure()) AllocationFailed(bytes);
  void* p = std::calloc(BlockSize(bytes), 1);
  if (p == nullptr) AllocationFailed(bytes);
  return p;
}

void* ReallocMemory(void* p, std::int32_t bytes) {
  if (p == nullptr) return AllocMemory(bytes);
  if (ConstantPool::Contains(p)) {
    // Constants are never resized in place: the caller gets its own copy.
    void* copy = AllocMemory(bytes);
    const std::size_t count =
        std::min(static_cast<std::size_t>(bytes), ConstantPool::BytesToEnd(p));
    std::memcpy(copy, p, count);
    return copy;
  }
  if (bytes < 0 || InjectedFailure()) AllocationFailed(bytes);
  void* resized = std::realloc(p, BlockSize(bytes));
  if (resized == nullptr) AllocationFailed(bytes);
  return resized;
}

void FreeMemory(void* p) {
  if (p == nullptr || ConstantPool::Contains(p)) return;
  std::free(p);
}

HeapText& HeapText::operator=(HeapText&& other) noexcept {
  if (this != &other) {
    FreeMemory(p_);
    p_ = other.release();
  }
  return *this;
}

HeapText HeapText::Copy(std::string_view gbk) {
  auto* p = static_cast<char*>(AllocMemory(static_cast<std::int32_t>(gbk.size() + 1)));
  if (!gbk.empty()) std::memcpy(p, gbk.data(), gbk.size());
  p[gbk.size()] = '\0';
  return HeapText(p);
}

char* HeapText::release() {
  char* p = p_;
  p_ = nullptr;
  return p;
}

namespace {

constexpr std::size_t kBytesHeader = 8;  // word 1, then the length

std::uint32_t LoadWord(const std::uint8_t* p) {
  std::uint32_t value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

void StoreWord(std::uint8_t* p, std::uint32_t value) { std::memcpy(p, &value, sizeof value); }

}  // namespace

HeapBytes& HeapBytes::operator=(HeapBytes&& other) noexcept {
  if (this != &other) {
    FreeMemory(p_);
    p_ = static_cast<std::uint8_t*>(other.release());
  }
  return *this;
}

HeapBytes HeapBytes::Copy(std::span<const std::uint8_t> bytes) {
  auto* p = static_cast<std::uint8_t*>(
      AllocMemory(static_cast<std::int32_t>(kBytesHeader + bytes.size())));
  StoreWord(p, 1);
  StoreWord(p + 4, static_cast<std::uint32_t>(bytes.size()));
  if (!bytes.empty()) std::memcpy(p + kBytesHeader, bytes.data(), bytes.size());
  return HeapBytes(p);
}

std::span<const std::uint8_t> HeapBytes::bytes() const {
  if (p_ == nullptr) return {};
  return {p_ + kBytesHeader, LoadWord(p_ + 4)};
}

void* HeapBytes::release() {
  void* p = p_;
  p_ = nullptr;
  return p;
}

}  // namespace veltrane::runtime
