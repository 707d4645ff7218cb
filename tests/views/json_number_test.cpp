// The JSON writer's numbers agree with std::to_chars, which the views do not
// use for floating point (the browser's standard library lacks it).
#include "views/json_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <string>

namespace veltrane::views {
namespace {

std::string Written(char* (*write)(char*, std::int64_t), std::int64_t value) {
  char text[kMaxNumberChars];
  return {text, write(text, value)};
}

std::string Shortest(double value) {
  char text[64];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

std::string FixedOne(double value) {
  char text[64];
  return {text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr};
}

// Minutes to the hundredth as "near" writes them: every count within a day
// either side, then powers of ten and round numbers where the shortest form
// turns scientific.
TEST(JsonNumber, HundredthsAsShortestToChars) {
  for (std::int64_t k = -200000; k <= 200000; ++k) {
    ASSERT_EQ(Written(WriteHundredths, k), Shortest(static_cast<double>(k) / 100.0)) << k;
  }
  for (std::int64_t p = 1; p <= 100000000000000LL; p *= 10) {
    for (std::int64_t k : {p, -p, 3 * p, 12 * p, 1234 * p, p + 1, p - 1}) {
      ASSERT_EQ(Written(WriteHundredths, k), Shortest(static_cast<double>(k) / 100.0)) << k;
    }
  }
}

// Seconds to a tenth as the solar clock writes them: a longitude's correction
// reaches ±72,000 s.
TEST(JsonNumber, TenthsAsFixedToChars) {
  for (std::int64_t k = -800000; k <= 800000; ++k) {
    ASSERT_EQ(Written(WriteTenths, k), FixedOne(static_cast<double>(k) / 10.0)) << k;
  }
  EXPECT_EQ(Written(WriteTenths, 123456789012LL), "12345678901.2");
  EXPECT_EQ(Written(WriteInt, -2147483648LL), "-2147483648");
}

}  // namespace
}  // namespace veltrane::views
