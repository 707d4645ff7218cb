// The template's primitive encodings: what the writer appends the reader takes
// back, and a read that does not fit fails without moving.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/template/byte_stream.h"

namespace veltrane::runtime {
namespace {

class TextListTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(TextListTest, RoundTripsAnyCountIncludingTheLongForm) {
  std::vector<std::string> texts(GetParam());
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::to_string(i % 13);
  ByteWriter out;
  out.TextList(texts);
  const auto bytes = out.Take();
  const bool long_form = texts.size() >= 0xFFFF;
  EXPECT_EQ(bytes[0] == 0xFF && bytes[1] == 0xFF, long_form);

  ByteReader in(bytes);
  auto read = in.TextList();
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, texts);
  EXPECT_TRUE(in.at_end());
}

INSTANTIATE_TEST_SUITE_P(Counts, TextListTest, ::testing::Values(0, 1, 3, 0xFFFE, 0xFFFF, 70000));

TEST(ByteReader, FailedReadsLeaveThePositionAlone) {
  ByteWriter out;
  out.U16(0x0002);              // two texts promised
  out.CountedText("\xBC\xD7");  // only one present
  const auto bytes = out.Take();
  ByteReader in(bytes);
  EXPECT_FALSE(in.TextList());
  EXPECT_EQ(in.position(), 0u);

  ASSERT_TRUE(in.Skip(2));
  EXPECT_FALSE(in.Bytes(100));
  EXPECT_EQ(in.position(), 2u);
  EXPECT_EQ(in.CountedText(), "\xBC\xD7");
  EXPECT_FALSE(in.U8());
  EXPECT_FALSE(in.ZeroText());
  EXPECT_FALSE(in.Skip(1));
}

TEST(ByteReader, CountsBeyondTheBlockAreRejectedBeforeReading) {
  const std::vector<std::uint8_t> huge_count = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0};
  ByteReader list(huge_count);
  EXPECT_FALSE(list.TextList());
  const std::vector<std::uint8_t> huge_length = {0xF0, 0xFF, 0xFF, 0xFF, 'a'};
  ByteReader text(huge_length);
  EXPECT_FALSE(text.CountedText());
  EXPECT_EQ(text.position(), 0u);
}

TEST(ByteWriter, WritesLittleEndianAndCutsZeroTextsAtTheirFirstZero) {
  ByteWriter out;
  out.I32(-2);
  out.U16(0x1234);
  out.ZeroText(std::string("ab\0c", 4));
  EXPECT_EQ(out.bytes(),
            (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 'a', 'b', 0}));
  ByteReader in(out.bytes());
  EXPECT_EQ(in.I32(), -2);
  EXPECT_EQ(in.U16(), 0x1234);
  EXPECT_EQ(in.ZeroText(), "ab");
  EXPECT_TRUE(in.at_end());
}

}  // namespace
}  // namespace veltrane::runtime
