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
    std::memcpy(Room(text.size()), text.data(), text.size());
    end_ += text.size();
  }

  // Appends a literal, whose length is known at compile time.
  template <std::size_t N>
  void Append(const char (&literal)[N]) {
    std::memcpy(Room(N - 1), literal, N - 1);
    end_ += N - 1;
  }

  // Appends one byte.
  void Push(char c) {
    *Room(1) = c;
    ++end_;
  }

  // Returns a pointer to at least n writable bytes at the end; Commit(k)
  // then adds the k ≤ n bytes written there.
  char* Room(std::size_t n) {
    if (static_cast<std::size_t>(limit_ - end_) < n) Grow(n);
    return end_;
  }
  void Commit(std::size_t n) { end_ += n; }

  std::string_view View() const { return {begin_, size()}; }
  std::size_t size() const { return static_cast<std::size_t>(end_ - begin_); }
  std::size_t capacity() const { return static_cast<std::size_t>(limit_ - begin_); }

 private:
  // Out of the writers' way: a line rarely outgrows the inline room.
  [[gnu::noinline]] void Grow(std::size_t n) {
    const std::size_t size = this->size();
    const std::size_t wanted = std::max(capacity() * 2, size + n);
    auto bigger = std::make_unique<char[]>(wanted);
    std::memcpy(bigger.get(), begin_, size);
    heap_ = std::move(bigger);
    begin_ = heap_.get();
    end_ = begin_ + size;
    limit_ = begin_ + wanted;
  }

  char inline_[kInline];
  std::unique_ptr<char[]> heap_;
  char* begin_ = inline_;
  char* end_ = inline_;
  char* limit_ = inline_ + kInline;
};

}  // namespace veltrane::views
