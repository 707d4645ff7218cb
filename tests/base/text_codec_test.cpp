// The codec seam under the GBK helpers: where a conversion stops, long texts,
// and threads converting at once.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "base/text/codec.h"
#include "base/text/gbk.h"

namespace veltrane::runtime::codec {
namespace {

struct Stop {
  Direction direction;
  std::string_view in;
  std::size_t converted;
  std::string_view out;
};

TEST(TextCodec, StopsBeforeTheFirstSequenceThatDoesNotConvert) {
  const Stop stops[] = {
      {Direction::kGbkToUtf8,
       "\xBC\xD7"
       "A",
       3, "甲A"},
      {Direction::kGbkToUtf8, "\xBC\xD7\xFF\xBC\xD7", 2, "甲"},
      {Direction::kGbkToUtf8, "A\xBC", 1, "A"},  // cut off at the end
      {Direction::kGbkToUtf8, "\x81\x30", 0, ""},
      {Direction::kUtf8ToGbk, "甲😀", 3, "\xBC\xD7"},
      {Direction::kUtf8ToGbk, "a\xE7\x94", 1, "a"},
      {Direction::kUtf8ToGbk, "\xED\xA0\x80", 0, ""},  // an encoded surrogate
      {Direction::kUtf8ToGbk, "ä", 0, ""},             // no look-alike stands in
  };
  for (const Stop& s : stops) {
    std::string out = "x";
    EXPECT_EQ(ConvertPrefix(s.direction, s.in, out), s.converted) << s.out;
    EXPECT_EQ(out, "x" + std::string(s.out));
  }
}

TEST(TextCodec, LongTextsConvertWholeAndStopAtTheirEnd) {
  std::string utf8;
  for (int i = 0; i < 40000; ++i) utf8 += i % 7 == 0 ? "A" : "阳遁";
  const std::string gbk = GbkFromUtf8(utf8);
  EXPECT_EQ(Utf8FromGbk(gbk), utf8);
  EXPECT_EQ(Utf8FromGbk(gbk + "\xFF"), utf8 + "\xEF\xBF\xBD");
  EXPECT_EQ(GbkFromUtf8(utf8 + "😀"), gbk + "?");
}

TEST(TextCodec, ThreadsConvertAtOnceAlike) {
  const std::string utf8 = "┌─┐ 阳遁3局 甲子 错误代码：";
  const std::string gbk = GbkFromUtf8(utf8);
  std::vector<int> wrong(4, 0);
  std::vector<std::thread> threads;
  for (int& w : wrong) {
    threads.emplace_back([&, counter = &w] {
      for (int i = 0; i < 2000; ++i) {
        if (GbkFromUtf8(utf8) != gbk || Utf8FromGbk(gbk) != utf8) ++*counter;
      }
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace veltrane::runtime::codec
