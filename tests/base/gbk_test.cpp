// GBK conversion at the edges and the byte rules of GBK text.
#include <gtest/gtest.h>

#include <string>

#include "base/memory.h"
#include "base/text/gbk.h"
#include "base/text/gbk_literal.h"

namespace veltrane::runtime {
namespace {

struct RoundTrip {
  const char* utf8;
  const char* gbk;
};

class GbkRoundTripTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(GbkRoundTripTest, ConvertsBothWays) {
  const auto& c = GetParam();
  EXPECT_EQ(GbkFromUtf8(c.utf8), c.gbk);
  EXPECT_EQ(Utf8FromGbk(c.gbk), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GbkRoundTripTest,
    ::testing::Values(RoundTrip{"", ""}, RoundTrip{"ABC 123", "ABC 123"},
                      RoundTrip{"甲子", "\xBC\xD7\xD7\xD3"},
                      RoundTrip{"阳遁3局",
                                "\xD1\xF4\xB6\xDD"
                                "3\xBE\xD6"},
                      RoundTrip{"错误代码：", "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA"},
                      RoundTrip{"┌─┐", "\xA9\xB0\xA9\xA4\xA9\xB4"}, RoundTrip{"€", "\x80"}));

TEST(GbkFromUtf8, ReplacesWhatGbkLacksAndMalformedUtf8) {
  EXPECT_EQ(GbkFromUtf8("a😀b"), "a?b");
  EXPECT_EQ(GbkFromUtf8("a\xFF"
                        "b"),
            "a?b");
  EXPECT_EQ(GbkFromUtf8("a\xE7\x94"), "a?");  // cut inside a character
  EXPECT_EQ(GbkFromUtf8("\xE7\x94"
                        "b"),
            "?b");
  EXPECT_EQ(GbkFromUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Utf8FromGbk, ReplacesBytesThatStartNoCharacter) {
  EXPECT_EQ(Utf8FromGbk("\xBC"), "\xEF\xBF\xBD");  // lead byte at the end
  EXPECT_EQ(Utf8FromGbk("\xFF"
                        "A"),
            "\xEF\xBF\xBD"
            "A");  // never a GBK byte
  EXPECT_EQ(Utf8FromGbk("\xBC\xD7\xBC"), "甲\xEF\xBF\xBD");
  const std::string long_text(5000, '\xBC');  // every byte a lead: pairs, then one left
  const std::string utf8 = Utf8FromGbk(long_text);
  EXPECT_FALSE(utf8.empty());
}

TEST(GbkBytes, LeadBytesAndCharacterLengths) {
  EXPECT_FALSE(IsGbkLeadByte(0x80));
  EXPECT_TRUE(IsGbkLeadByte(0x81));
  EXPECT_TRUE(IsGbkLeadByte(0xFE));
  EXPECT_FALSE(IsGbkLeadByte(0xFF));
  EXPECT_FALSE(IsGbkLeadByte('A'));

  const std::string text =
      "\xBC\xD7"
      "A\xBC";  // 甲, A, a lead byte at the end
  EXPECT_EQ(GbkCharLength(text, 0), 2u);
  EXPECT_EQ(GbkCharLength(text, 2), 1u);
  EXPECT_EQ(GbkCharLength(text, 3), 1u);
  EXPECT_EQ(GbkCharLength(text, 4), 1u);
  EXPECT_EQ(GbkCharLength("", 0), 1u);
}

TEST(GbkLiteral, ConvertsOnceIntoThePool) {
  const char* first = Gbk("运行时出错!");
  EXPECT_EQ(Gbk("运行时出错!"), first);
  EXPECT_TRUE(ConstantPool::Contains(first));
  EXPECT_EQ(Utf8FromGbk(first), "运行时出错!");
}

// One typed character: every UTF-8 length, and '?' where GBK has no character.
TEST(GbkFromCodePoint, TypedCharacters) {
  EXPECT_EQ(GbkFromCodePoint(U'A'), "A");
  EXPECT_EQ(GbkFromCodePoint(U'乙'), "\xD2\xD2");
  EXPECT_EQ(GbkFromCodePoint(U'\u00B7'), "\xA1\xA4");  // two-byte UTF-8
  EXPECT_EQ(GbkFromCodePoint(0xD800), "?");            // half of a surrogate pair
  EXPECT_EQ(GbkFromCodePoint(U'\U0001F600'), "?");     // four-byte UTF-8, not in GBK
}

}  // namespace
}  // namespace veltrane::runtime
