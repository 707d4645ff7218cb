#include "chart/table_array.h"

#include "runtime/fatal.h"

namespace veltrane::chart {

void CheckArrayIndex(int index, int count) {
  if (index < 1) runtime::RaiseRuntimeError(kIndexBelowOne);
  if (index > count) runtime::RaiseRuntimeError(kIndexAboveBounds);
}

const char* TextArray::At(int index) const {
  CheckArrayIndex(index, count());
  return items_[static_cast<std::size_t>(index - 1)].c_str();
}

int TextArray::Find(std::string_view text) const {
  for (int i = 0; i < count(); ++i) {
    if (items_[static_cast<std::size_t>(i)].view() == text) return i + 1;
  }
  return count() + 1;
}

void TextArray::Assign(std::span<const char* const> texts) {
  std::vector<runtime::HeapText> copies;
  copies.reserve(texts.size());
  for (const char* text : texts)
    copies.push_back(runtime::HeapText::Copy(text != nullptr ? text : ""));
  items_ = std::move(copies);  // the previous elements are freed here
}

std::int32_t IntegerArray::At(int index) const {
  CheckArrayIndex(index, count());
  return items_[static_cast<std::size_t>(index - 1)];
}

}  // namespace veltrane::chart
