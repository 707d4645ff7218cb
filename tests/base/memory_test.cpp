// Heap blocks, the owners of heap texts and byte blocks, and the ConstantPool.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/memory.h"

namespace veltrane::runtime {
namespace {

TEST(AllocMemory, GivesZeroFilledDistinctBlocksEvenForZeroBytes) {
  auto* a = static_cast<unsigned char*>(AllocMemory(64));
  for (int i = 0; i < 64; ++i) ASSERT_EQ(a[i], 0) << i;
  void* empty1 = AllocMemory(0);
  void* empty2 = AllocMemory(0);
  EXPECT_NE(empty1, nullptr);
  EXPECT_NE(empty1, empty2);
  FreeMemory(a);
  FreeMemory(empty1);
  FreeMemory(empty2);
}

TEST(ReallocMemory, NullActsAsAlloc) {
  auto* p = static_cast<char*>(ReallocMemory(nullptr, 5));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(std::string(p, 5), std::string(5, '\0'));
  FreeMemory(p);
}

TEST(ReallocMemory, KeepsHeapContentsWhenGrowingAndShrinking) {
  auto* p = static_cast<char*>(AllocMemory(4));
  std::memcpy(p, "abcd", 4);
  p = static_cast<char*>(ReallocMemory(p, 4096));
  EXPECT_EQ(std::string(p, 4), "abcd");
  p = static_cast<char*>(ReallocMemory(p, 2));
  EXPECT_EQ(std::string(p, 2), "ab");
  FreeMemory(p);
}

struct PoolCopyCase {
  const char* name;
  std::int32_t bytes;
  std::size_t copied;  // of the 6 bytes "pool!\0" left in the pool from the pointer
};

class ReallocFromPoolTest : public ::testing::TestWithParam<PoolCopyCase> {};

TEST_P(ReallocFromPoolTest, CopiesAtMostUpToThePoolsEnd) {
  // A text interned alone in a pool block of its own, so the block ends right after it.
  const std::string big(20000, 'x');
  const char* text = ConstantPool::Intern(big + "pool!");
  const char* tail = text + big.size();
  ASSERT_EQ(ConstantPool::BytesToEnd(tail), 6u);

  const auto& c = GetParam();
  auto* copy = static_cast<char*>(ReallocMemory(const_cast<char*>(tail), c.bytes));
  ASSERT_FALSE(ConstantPool::Contains(copy));
  EXPECT_EQ(std::memcmp(copy, "pool!", std::min<std::size_t>(c.copied, 5)), 0);
  // Whatever lies past the copied part is the new block's own zero fill.
  for (std::size_t i = c.copied; i < static_cast<std::size_t>(c.bytes); ++i) {
    EXPECT_EQ(copy[i], '\0') << i;
  }
  EXPECT_STREQ(tail, "pool!");  // the constant itself is untouched
  FreeMemory(copy);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReallocFromPoolTest,
                         ::testing::Values(PoolCopyCase{"shorter", 3, 3},
                                           PoolCopyCase{"exact", 6, 6},
                                           PoolCopyCase{"longer_than_pool", 40, 6},
                                           PoolCopyCase{"zero", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FreeMemory, IgnoresNullAndConstants) {
  FreeMemory(nullptr);
  const char* constant = ConstantPool::Intern("caption");
  FreeMemory(const_cast<char*>(constant));
  FreeMemory(const_cast<char*>(constant + 3));
  EXPECT_STREQ(constant, "caption");
}

TEST(ConstantPool, InternsEqualTextsOnceAndKeepsPointersStable) {
  const char* first = ConstantPool::Intern("\xBC\xD7");  // 甲
  std::vector<std::string> many;
  for (int i = 0; i < 3000; ++i) ConstantPool::Intern("filler " + std::to_string(i));
  EXPECT_EQ(ConstantPool::Intern("\xBC\xD7"), first);
  EXPECT_STREQ(first, "\xBC\xD7");
  EXPECT_TRUE(ConstantPool::Contains(first));
  EXPECT_TRUE(ConstantPool::Contains(first + 2));  // its terminator
}

TEST(ConstantPool, KeepsEmptyTextsAndTextsWithZeroBytes) {
  const char* empty = ConstantPool::Intern("");
  EXPECT_STREQ(empty, "");
  EXPECT_TRUE(ConstantPool::Contains(empty));
  const std::string_view with_zero("a\0b", 3);
  const char* p = ConstantPool::Intern(with_zero);
  EXPECT_EQ(std::string_view(p, 3), with_zero);
  EXPECT_NE(p, ConstantPool::Intern("a"));
}

TEST(ConstantPool, DoesNotClaimHeapOrStackPointers) {
  HeapText heap = HeapText::Copy("x");
  const char local[] = "y";
  EXPECT_FALSE(ConstantPool::Contains(heap.get()));
  EXPECT_FALSE(ConstantPool::Contains(local));
  EXPECT_FALSE(ConstantPool::Contains(nullptr));
  EXPECT_EQ(ConstantPool::BytesToEnd(local), 0u);
}

TEST(HeapText, CopiesOwnsAndReleases) {
  HeapText text = HeapText::Copy(
      "\xD2\xF5\xB6\xDD"
      "3");  // 阴遁3
  EXPECT_EQ(text.view(),
            "\xD2\xF5\xB6\xDD"
            "3");
  EXPECT_EQ(text.c_str()[5], '\0');

  HeapText moved = std::move(text);
  EXPECT_TRUE(text.is_null());  // NOLINT(bugprone-use-after-move): the moved-from state is defined
  EXPECT_STREQ(text.c_str(), "");
  EXPECT_EQ(moved.view().size(), 5u);

  char* raw = moved.release();
  EXPECT_TRUE(moved.is_null());
  HeapText adopted(raw);
  EXPECT_EQ(adopted.get(), raw);
  adopted = HeapText::Copy("");
  EXPECT_EQ(adopted.view(), "");
  EXPECT_FALSE(adopted.is_null());
}

TEST(HeapBytes, LaysOutWordOneLengthAndBytes) {
  const std::vector<std::uint8_t> data = {0, 1, 2, 0xFF};
  HeapBytes block = HeapBytes::Copy(data);
  const auto* raw = static_cast<const std::uint8_t*>(block.get());
  const std::vector<std::uint8_t> head(raw, raw + 8);
  EXPECT_EQ(head, (std::vector<std::uint8_t>{1, 0, 0, 0, 4, 0, 0, 0}));
  EXPECT_EQ(std::vector<std::uint8_t>(block.bytes().begin(), block.bytes().end()), data);

  HeapBytes empty = HeapBytes::Copy({});
  EXPECT_EQ(empty.size(), 0u);
  EXPECT_FALSE(empty.is_null());
  HeapBytes none;
  EXPECT_TRUE(none.bytes().empty());
  none = std::move(block);
  EXPECT_EQ(none.size(), 4u);
  FreeMemory(none.release());
}

// Below the form runtime nothing reports a failed allocation in a box: without a
// handler the process says so on stderr and aborts, and a set handler is called
// with the size asked for (a negative size always fails).
[[noreturn]] void ExitWithTheSize(std::int32_t bytes) {
  std::fprintf(stderr, "handler got %d\n", static_cast<int>(bytes));
  std::_Exit(3);
}

TEST(AllocationFailureDeathTest, AbortsWithoutAHandlerAndCallsTheOneSet) {
  EXPECT_DEATH(
      {
        FailAllocationForTests(1);
        AllocMemory(16);
      },
      "allocating 16 bytes failed");
  EXPECT_EXIT(
      {
        SetAllocationFailureHandler(&ExitWithTheSize);
        ReallocMemory(AllocMemory(4), -2);
      },
      testing::ExitedWithCode(3), "handler got -2");
}

}  // namespace
}  // namespace veltrane::runtime
