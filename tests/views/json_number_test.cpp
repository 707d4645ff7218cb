// The JSON writer's numbers agree with std::to_chars, which the views do not
// use for floating point (the browser's standard library lacks it).
#include "views/json_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
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

// Longitudes as typed and any finite double, by their bits: the shortest form
// is std::to_chars's to the last digit, and fits the writers' room.
TEST(JsonNumber, DoubleAsShortestToChars) {
  const auto written = [](double value) {
    char text[kMaxNumberChars];
    return std::string(text, WriteShortestDouble(text, value));
  };
  for (double typed : {0.0, -0.0, 116.4, -73.95, 87.6, 180.0, -180.0, 0.1, 1e-7, 151.2093, 2.5e-5,
                       1e16, 123456789.0, 1e300, -4.9e-324, 1.7976931348623157e308}) {
    EXPECT_EQ(written(typed), Shortest(typed)) << typed;
  }
  std::uint64_t bits = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 50000; ++i) {
    bits ^= bits << 13, bits ^= bits >> 7, bits ^= bits << 17;
    const double longitude = static_cast<double>(bits % 36000001) / 100000.0 - 180.0;
    ASSERT_EQ(written(longitude), Shortest(longitude));
    const double any = std::bit_cast<double>(bits);
    if (std::isfinite(any)) {
      ASSERT_EQ(written(any), Shortest(any)) << bits;
    }
  }
  EXPECT_EQ(written(std::numeric_limits<double>::quiet_NaN()), "null");
  EXPECT_EQ(written(-std::numeric_limits<double>::infinity()), "null");
}

}  // namespace
}  // namespace veltrane::views
