// A growable byte buffer for the writers of the views: a line is built in
// place with plain copies, and every write checks the room left first, so no
// text, however long, runs past the end. Room for a typical line is kept
// inline; a longer one moves to the heap, doubling as it grows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace veltrane::views {

template <std::size_t kInline>
class TextBuffer {
 public:
  TextBuffer() = default;
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;

  // Appends bytes.
  void Append(std::string_view text) {
    if (text.empty()) return;
    char* at = Room(text.size());
    std::memcpy(at, text.data(), text.size());
    size_ += text.size();
  }

  // Appends a literal, whose length is known at compile time.
  template <std::size_t N>
  void Append(const char (&literal)[N]) {
    char* at = Room(N - 1);
    std::memcpy(at, literal, N - 1);
    size_ += N - 1;
  }

  // Appends one byte.
  void Push(char c) {
    *Room(1) = c;
    ++size_;
  }

  // Returns a pointer to at least n writable bytes at the end; Commit(k)
  // then adds the k ≤ n bytes written there.
  char* Room(std::size_t n) {
    if (capacity_ - size_ < n) Grow(n);
    return data_ + size_;
  }
  void Commit(std::size_t n) { size_ += n; }

  std::string_view View() const { return {data_, size_}; }
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }

 private:
  void Grow(std::size_t n) {
    const std::size_t wanted = std::max(capacity_ * 2, size_ + n);
    auto bigger = std::make_unique<char[]>(wanted);
    std::memcpy(bigger.get(), data_, size_);
    heap_ = std::move(bigger);
    data_ = heap_.get();
    capacity_ = wanted;
  }

  char inline_[kInline];
  std::unique_ptr<char[]> heap_;
  char* data_ = inline_;
  std::size_t size_ = 0;
  std::size_t capacity_ = kInline;
};

}  // namespace veltrane::views
