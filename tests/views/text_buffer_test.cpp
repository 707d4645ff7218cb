// The views' growable buffer at, and beyond, the room it starts with.
#include "views/text_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrane::views {
namespace {

TEST(TextBuffer, FillsItsInlineRoomThenGrowsKeepingEveryByte) {
  TextBuffer<8> buffer;
  buffer.Append("abcd");
  buffer.Append(std::string_view("efg"));
  buffer.Push('h');
  EXPECT_EQ(buffer.View(), "abcdefgh");
  EXPECT_EQ(buffer.capacity(), 8u);  // exactly full: no growth yet

  buffer.Push('i');  // one beyond
  EXPECT_GE(buffer.capacity(), 9u);
  EXPECT_EQ(buffer.View(), "abcdefghi");

  // A write far beyond the doubled room takes what it needs at once.
  const std::string long_text(1000, 'x');
  buffer.Append(long_text);
  EXPECT_EQ(buffer.size(), 1009u);
  EXPECT_EQ(buffer.View().substr(0, 9), "abcdefghi");
  EXPECT_EQ(buffer.View().substr(9), long_text);
}

TEST(TextBuffer, RoomAndCommitWriteInPlaceAcrossGrowth) {
  TextBuffer<4> buffer;
  buffer.Append("ab");
  char* at = buffer.Room(10);  // more than is left: grows first
  for (int i = 0; i < 10; ++i) at[i] = static_cast<char>('0' + i);
  buffer.Commit(3);  // only the first three count
  EXPECT_EQ(buffer.View(), "ab012");
  buffer.Append(std::string_view());  // an empty write changes nothing
  EXPECT_EQ(buffer.View(), "ab012");
}

}  // namespace
}  // namespace veltrane::views
