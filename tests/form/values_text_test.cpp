// Text value operations on GBK bytes: parts cut at bytes, searching and
// replacing only at character starts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "form/values/command.h"
#include "form/values/command_args.h"
#include "form/values/value_ops.h"
#include "values_test_platform.h"

namespace veltrane::runtime {
namespace {

using test_support::Gbk8;
using test_support::TakeText;
using test_support::Utf8;

TEST(ValuesTextParts, CutAtBytePositions) {
  const std::string ju = Gbk8("阳遁3局");
  EXPECT_EQ(ops::MidText(ju.c_str(), 5, 1).view(), "3");
  EXPECT_EQ(Utf8(ops::LeftText(ju.c_str(), 4).view()), "阳遁");
  EXPECT_EQ(Utf8(ops::RightText(ju.c_str(), 2).view()), "局");
  EXPECT_EQ(Utf8(ops::MidText(ju.c_str(), 3, 2).view()), "遁");
  // Three bytes of 阳遁: a character and a half.
  EXPECT_EQ(ops::LeftText(Gbk8("阳遁").c_str(), 3).view(), Gbk8("阳遁").substr(0, 3));
  EXPECT_EQ(ops::RightText(ju.c_str(), 3).view(), ju.substr(4));
}

TEST(ValuesTextParts, OutsideTheTextGiveEmptyOrClippedTexts) {
  struct Case {
    const char* name;
    std::string got;
    std::string want;
  };
  const char* s = "abcdef";
  const Case cases[] = {
      {"left zero", std::string(ops::LeftText(s, 0).view()), ""},
      {"left negative", std::string(ops::LeftText(s, -3).view()), ""},
      {"left beyond", std::string(ops::LeftText(s, 99).view()), "abcdef"},
      {"right zero", std::string(ops::RightText(s, 0).view()), ""},
      {"right beyond", std::string(ops::RightText(s, 7).view()), "abcdef"},
      {"mid start zero", std::string(ops::MidText(s, 0, 2).view()), ""},
      {"mid start past end", std::string(ops::MidText(s, 7, 2).view()), ""},
      {"mid at last byte", std::string(ops::MidText(s, 6, 5).view()), "f"},
      {"mid zero count", std::string(ops::MidText(s, 2, 0).view()), ""},
      {"mid huge count", std::string(ops::MidText(s, 2, 2147483647).view()), "bcdef"},
      {"empty text", std::string(ops::LeftText("", 3).view()), ""},
      {"null text", std::string(ops::MidText(nullptr, 1, 3).view()), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(ValuesFindText, MatchesOnlyAtCharacterStarts) {
  // 阳 is D1 F4, 遁 is B6 DD: the bytes F4 B6 span two characters.
  const std::string ju = Gbk8("阳遁3局");
  EXPECT_EQ(ops::FindText(ju.c_str(), "\xF4\xB6"), -1);
  EXPECT_EQ(ops::FindText(ju.c_str(), Gbk8("遁").c_str()), 3);
  EXPECT_EQ(ops::FindText(ju.c_str(), "3"), 5);
  EXPECT_EQ(ops::FindText(ju.c_str(), Gbk8("局").c_str()), 6);
  EXPECT_EQ(ops::FindText(ju.c_str(), Gbk8("阴").c_str()), -1);
  // 丙 is B1 FB, 癸 is B9 EF: searching a trail byte that is also a letter.
  const std::string trail_a =
      "\x81\x41"
      "A";  // a character whose trail byte is 'A', then 'A'
  EXPECT_EQ(ops::FindText(trail_a.c_str(), "A"), 3);
  // Every byte from 0x80 up leads a character, 0x80 and 0xFF as well.
  EXPECT_EQ(ops::FindText("\x80\x41", "A"), -1);
  EXPECT_EQ(ops::FindText("\xFF\x41", "A"), -1);
  const std::string unused_leads = std::string("\xFF\x41\x80\x41") + "A";
  EXPECT_EQ(ops::FindText(unused_leads.c_str(), "A"), 5);
  EXPECT_EQ(ops::FindText("\x7F\x41", "A"), 2);
  EXPECT_EQ(ops::FindText("abc", "abcd"), -1);
  EXPECT_EQ(ops::FindText("abc", ""), -1);
  EXPECT_EQ(ops::FindText("", "a"), -1);
}

TEST(ValuesFindText, StartIgnoreCaseAndATruncatedLastCharacter) {
  auto find = [](const std::string& s, const std::string& sought, CommandArg start,
                 bool ignore_case) {
    CommandArg args[] = {TextArg(s.c_str()), TextArg(sought.c_str()), start, BoolArg(ignore_case)};
    const CommandArg r = CallCommand(ValueOp::FindText, 4, args);
    EXPECT_EQ(r.tag, ValueTag::Integer);
    return ArgInt(r);
  };
  EXPECT_EQ(find("abcabc", "abc", IntArg(2), false), 4);
  EXPECT_EQ(find("abcabc", "abc", IntArg(-5), false), 1);
  EXPECT_EQ(find("abcabc", "abc", IntArg(7), false), -1);
  EXPECT_EQ(find("xAbC", "abc", OmittedArg(), true), 2);
  EXPECT_EQ(find("xAbC", "abc", OmittedArg(), false), -1);
  // Case folding never touches a trail byte: 0x81 0x61 differs from 0x81 0x41.
  EXPECT_EQ(find("\x81\x61", "\x81\x41", OmittedArg(), true), -1);
  // A lead byte followed by the terminating zero ends the search.
  EXPECT_EQ(find("ab\xB0", "\xB0", OmittedArg(), false), -1);
  EXPECT_EQ(find("a\xB0", "a\xB0", OmittedArg(), false), 1);
}

TEST(ValuesReplaceText, DefaultsStartCountAndCase) {
  struct Case {
    const char* name;
    std::vector<CommandArg> args;
    std::string want;
  };
  const Case cases[] = {
      {"every occurrence", {TextArg("a-b-c"), TextArg("-"), TextArg("+")}, "a+b+c"},
      {"replacement omitted", {TextArg("a-b-c"), TextArg("-")}, "abc"},
      {"from byte 3", {TextArg("a-b-c"), TextArg("-"), TextArg("+"), IntArg(3)}, "a-b+c"},
      {"count 1", {TextArg("a-b-c"), TextArg("-"), TextArg("+"), OmittedArg(), IntArg(1)}, "a+b-c"},
      {"count 0", {TextArg("a-b-c"), TextArg("-"), TextArg("+"), IntArg(1), IntArg(0)}, "a-b-c"},
      {"start past the end", {TextArg("a-b"), TextArg("-"), TextArg("+"), IntArg(4)}, "a-b"},
      {"empty sought", {TextArg("abc"), TextArg(""), TextArg("+")}, "abc"},
      {"empty text", {TextArg(""), TextArg("a"), TextArg("+")}, ""},
      {"case-insensitive",
       {TextArg("aXbxc"), TextArg("x"), TextArg("_"), OmittedArg(), OmittedArg(), BoolArg(false)},
       "a_b_c"},
      {"case-sensitive by default", {TextArg("aXbxc"), TextArg("x"), TextArg("_")}, "aXb_c"},
      {"longer than the rest", {TextArg("abcab"), TextArg("abc"), TextArg("!")}, "!ab"},
      {"lead byte at the end kept", {TextArg("a\xB0"), TextArg("a"), TextArg("b")}, "b\xB0"},
      {"0x80 and 0xFF lead characters",
       {TextArg("\x80-\xFF--"), TextArg("-"), TextArg("+")},
       "\x80-\xFF-+"},
      {"lone lead byte at the end is no character",
       {TextArg("a\xB0"), TextArg("\xB0"), TextArg("b")},
       "a\xB0"},
  };
  for (const Case& c : cases) {
    std::vector<CommandArg> args = c.args;
    EXPECT_EQ(
        TakeText(CallCommand(ValueOp::ReplaceText, static_cast<int>(args.size()), args.data())),
        c.want)
        << c.name;
  }
}

TEST(ValuesReplaceText, TheChartTextCaseWorksOnWholeCharacters) {
  const std::string s = Gbk8("伤门 杜门 伤门");
  EXPECT_EQ(Utf8(ops::ReplaceText(s.c_str(), Gbk8("伤").c_str(), Gbk8("景").c_str()).view()),
            "景门 杜门 景门");
}

// Random texts of single bytes and two-byte characters whose trail bytes may
// equal the sought byte: replacing that byte changes exactly the single-byte
// units equal to it and never a byte inside a character.
TEST(ValuesReplaceText, NeverSplitsADoubleByteCharacter) {
  std::mt19937 random(20151231);
  const std::vector<std::string> units = {
      "A", "b", "-", "\x81\x41", "\xB0\x41", "\xD1\xF4", "\xC1\x2D", "\xFE\x62", " "};
  for (int round = 0; round < 500; ++round) {
    std::vector<std::string> pieces;
    const int length = static_cast<int>(random() % 20);
    for (int i = 0; i < length; ++i) pieces.push_back(units[random() % units.size()]);
    const std::string sought = units[random() % 3];  // "A", "b" or "-"
    std::string s;
    std::string want;
    for (const std::string& piece : pieces) {
      s += piece;
      want += piece == sought ? std::string("[]") : piece;
    }
    EXPECT_EQ(ops::ReplaceText(s.c_str(), sought.c_str(), "[]").view(), want);
    const std::int32_t found = ops::FindText(s.c_str(), sought.c_str());
    const std::size_t at = want.find("[]");
    EXPECT_EQ(found, at == std::string::npos ? -1 : static_cast<std::int32_t>(at) + 1);
  }
}

}  // namespace
}  // namespace veltrane::runtime
