// One-dimensional arrays indexed from 1, as the program's run-time tables are:
// an index below 1 raises run-time error 4, one past the count error 1.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/memory.h"

namespace veltrane::chart {

// Run-time error numbers of a bad array index.
inline constexpr int kIndexAboveBounds = 1;
inline constexpr int kIndexBelowOne = 4;

// Raises the array-index error for index unless 1 <= index <= count.
void CheckArrayIndex(int index, int count);

// An array of texts, each element its own heap copy (GBK).
class TextArray {
 public:
  // Number of elements; 0 for an empty array.
  int count() const { return static_cast<int>(items_.size()); }
  // Element index (1-based); raises error 4 or 1 outside 1..count.
  const char* At(int index) const;
  // Linear search from index 1: position of the first element equal to text,
  // or count + 1 when none is.
  int Find(std::string_view text) const;
  // Replaces the elements by heap copies of texts, freeing the previous ones.
  void Assign(std::span<const char* const> texts);
  // Frees every element and leaves the array empty.
  void Clear() { items_.clear(); }

 private:
  std::vector<runtime::HeapText> items_;
};

// An array of 32-bit integers.
class IntegerArray {
 public:
  int count() const { return static_cast<int>(items_.size()); }
  // Element index (1-based); raises error 4 or 1 outside 1..count.
  std::int32_t At(int index) const;
  void Assign(std::span<const std::int32_t> values) { items_.assign(values.begin(), values.end()); }
  void Clear() { items_.clear(); }

 private:
  std::vector<std::int32_t> items_;
};

}  // namespace veltrane::chart
