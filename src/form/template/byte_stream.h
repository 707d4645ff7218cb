// Little-endian reading and writing of the template's primitive encodings:
// integers, counted texts and bytes, zero-terminated texts and text lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane::runtime {

// Reads from a byte block; every read checks the block's end and yields
// nullopt (without moving) when the value does not fit.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }
  bool at_end() const { return pos_ == bytes_.size(); }

  std::optional<std::uint8_t> U8();
  std::optional<std::uint16_t> U16();
  std::optional<std::uint32_t> U32();
  std::optional<std::int32_t> I32();
  // The next n bytes, as a view into the block.
  std::optional<std::span<const std::uint8_t>> Bytes(std::size_t n);
  // 32-bit length, then that many bytes.
  std::optional<std::span<const std::uint8_t>> CountedBytes();
  // 32-bit length, then that many GBK bytes.
  std::optional<std::string> CountedText();
  // GBK bytes up to a 0 byte, which is consumed.
  std::optional<std::string> ZeroText();
  // 16-bit count (0xFFFF: a 32-bit count follows), then that many counted texts.
  std::optional<std::vector<std::string>> TextList();
  bool Skip(std::size_t n);

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// Appends the same encodings to a growing byte block.
class ByteWriter {
 public:
  void U8(std::uint8_t v) { out_.push_back(v); }
  void U16(std::uint16_t v);
  void U32(std::uint32_t v);
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Bytes(std::span<const std::uint8_t> bytes);
  void CountedBytes(std::span<const std::uint8_t> bytes);
  void CountedText(std::string_view gbk);
  // Writes text up to its first 0 byte, then the terminator.
  void ZeroText(std::string_view gbk);
  void TextList(std::span<const std::string> texts);

  std::size_t size() const { return out_.size(); }
  const std::vector<std::uint8_t>& bytes() const { return out_; }
  std::vector<std::uint8_t> Take() { return std::move(out_); }

 private:
  std::vector<std::uint8_t> out_;
};

// Loads and stores a little-endian 32-bit word at p.
std::uint32_t LoadU32(const std::uint8_t* p);
void StoreU32(std::uint8_t* p, std::uint32_t value);

}  // namespace veltrane::runtime
