#include "app/cli_tzif.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace veltrane::app {
namespace {

constexpr std::size_t kHeaderSize = 44;

// Big-endian reads over the file's bytes, each checked against its end.
class Bytes {
 public:
  explicit Bytes(std::span<const unsigned char> bytes) : bytes_(bytes) {}

  std::size_t Position() const { return pos_; }
  std::size_t Left() const { return bytes_.size() - pos_; }
  bool Skip(std::uint64_t n) {
    if (n > Left()) return false;
    pos_ += static_cast<std::size_t>(n);
    return true;
  }
  std::uint64_t Unsigned(std::size_t width) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < width; ++i) v = (v << 8) | bytes_[pos_ + i];
    pos_ += width;
    return v;
  }
  std::int64_t Signed(std::size_t width) {
    const std::uint64_t v = Unsigned(width);
    // Eight bytes are the value itself (two's complement); subtracting INT64_MIN would overflow.
    if (width == sizeof v) return static_cast<std::int64_t>(v);
    const std::uint64_t sign = std::uint64_t{1} << (8 * width - 1);
    return static_cast<std::int64_t>(v ^ sign) - static_cast<std::int64_t>(sign);
  }
  std::uint8_t Byte() { return bytes_[pos_++]; }
  std::span<const unsigned char> Rest() const { return bytes_.subspan(pos_); }

 private:
  std::span<const unsigned char> bytes_;
  std::size_t pos_ = 0;
};

struct Counts {
  std::uint64_t isut, isstd, leap, time, type, chars;
  char version;
};

Result<Counts> ReadHeader(Bytes& in) {
  if (in.Left() < kHeaderSize) return Error{"the zone file is cut short"};
  const std::span<const unsigned char> head = in.Rest().first(5);
  if (head[0] != 'T' || head[1] != 'Z' || head[2] != 'i' || head[3] != 'f') {
    return Error{"not a compiled zone file"};
  }
  Counts c{};
  in.Skip(4);
  c.version = static_cast<char>(in.Byte());
  in.Skip(15);
  c.isut = in.Unsigned(4);
  c.isstd = in.Unsigned(4);
  c.leap = in.Unsigned(4);
  c.time = in.Unsigned(4);
  c.type = in.Unsigned(4);
  c.chars = in.Unsigned(4);
  if (c.type == 0 || c.chars == 0 || (c.isut != 0 && c.isut != c.type) ||
      (c.isstd != 0 && c.isstd != c.type) || c.type > 256) {
    return Error{"the zone file's counts are inconsistent"};
  }
  // Leap-second files count TAI-like seconds, which civil time does not.
  if (c.leap != 0) return Error{"zone files with leap seconds are not read"};
  return c;
}

std::uint64_t BlockSize(const Counts& c, std::uint64_t time_width) {
  return c.time * time_width + c.time + c.type * 6 + c.chars + c.leap * (time_width + 4) + c.isstd +
         c.isut;
}

// The data block after a header, its times `width` bytes wide.
Result<TzifZone> ReadBlock(Bytes& in, const Counts& c, std::size_t width) {
  if (BlockSize(c, width) > in.Left()) return Error{"the zone file is cut short"};
  TzifZone zone;
  zone.changes.reserve(c.time);
  for (std::uint64_t i = 0; i < c.time; ++i) {
    const std::int64_t at = in.Signed(width);
    if (!zone.changes.empty() && at <= zone.changes.back()) {
      return Error{"the zone file's changes are out of order"};
    }
    zone.changes.push_back(at);
  }
  std::vector<std::uint8_t> type_of_change(c.time);
  for (auto& t : type_of_change) {
    t = in.Byte();
    if (t >= c.type) return Error{"the zone file names a local time type it lacks"};
  }
  std::vector<std::int32_t> type_offsets(c.type);
  for (auto& offset : type_offsets) {
    const std::int64_t utoff = in.Signed(4);
    in.Skip(2);  // is-DST flag and abbreviation index
    // Offsets within a day of UTC, as the format requires.
    if (utoff <= -86400 || utoff >= 86400) return Error{"the zone file's offset is out of range"};
    offset = static_cast<std::int32_t>(utoff);
  }
  in.Skip(c.chars + c.isstd + c.isut);
  zone.first_offset = type_offsets[0];
  zone.offsets.reserve(c.time);
  for (const std::uint8_t t : type_of_change) zone.offsets.push_back(type_offsets[t]);
  return zone;
}

}  // namespace

Result<TzifZone> ParseTzif(std::span<const unsigned char> bytes) {
  Bytes in(bytes);
  const auto v1 = ReadHeader(in);
  if (!v1) return v1.error();
  if (v1->version == '\0') return ReadBlock(in, *v1, 4);
  // Version 2 on: skip the 32-bit block, read the 64-bit one and the footer.
  if (!in.Skip(BlockSize(*v1, 4))) return Error{"the zone file is cut short"};
  const auto v2 = ReadHeader(in);
  if (!v2) return v2.error();
  auto zone = ReadBlock(in, *v2, 8);
  if (!zone) return zone;
  const std::span<const unsigned char> rest = in.Rest();
  if (rest.empty() || rest[0] != '\n') return Error{"the zone file lacks its closing rule"};
  const auto close = std::find(rest.begin() + 1, rest.end(), '\n');
  if (close == rest.end()) return Error{"the zone file lacks its closing rule"};
  const std::string_view footer(reinterpret_cast<const char*>(rest.data()) + 1,
                                static_cast<std::size_t>(close - rest.begin() - 1));
  if (!footer.empty()) {
    auto rule = ParsePosixTz(footer);
    if (!rule) return rule.error();
    zone->rule = *rule;
  }
  return zone;
}

std::int32_t TzifOffsetAt(const TzifZone& zone, std::int64_t utc_seconds) {
  const auto after = std::upper_bound(zone.changes.begin(), zone.changes.end(), utc_seconds);
  if (after == zone.changes.end() && zone.rule) return PosixTzOffsetAt(*zone.rule, utc_seconds);
  if (after == zone.changes.begin()) return zone.first_offset;
  return zone.offsets[static_cast<std::size_t>(after - zone.changes.begin() - 1)];
}

}  // namespace veltrane::app
