// Little-endian readers and writers for control type blocks: 32- and 16-bit
// values, counted texts and bytes, text lists. A reader never reads past its
// span; the first shortfall makes every later read fail.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/controls/log_font.h"
#include "runtime/result.h"

namespace veltrane::runtime {

class BlockReader {
 public:
  BlockReader(std::span<const std::uint8_t> bytes, const char* block_name)
      : bytes_(bytes), name_(block_name) {}

  // Each returns false (and keeps failing) once the block runs short.
  bool U32(std::uint32_t& out);
  bool I32(std::int32_t& out);
  bool U16(std::uint16_t& out);
  bool CountedText(std::string& out);
  bool CountedBytes(std::vector<std::uint8_t>& out);
  bool TextList(std::vector<std::string>& out);
  // A stored font: counted bytes of 0 (default font) or 60 bytes.
  bool StoredFont(std::optional<LogFont>& out);
  // Reads the version word; a version above `newest` fails the block.
  bool Version(std::uint32_t& out, std::uint32_t newest);

  bool failed() const { return failed_; }
  std::size_t offset() const { return pos_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }
  // Fails the block with a message naming it and the current byte offset.
  void Reject(std::string_view what);
  // The block must be read completely and without a failure.
  Result<bool> Finish() const;

 private:
  bool Take(std::size_t n, const std::uint8_t*& at);

  std::span<const std::uint8_t> bytes_;
  const char* name_;
  std::size_t pos_ = 0;
  bool failed_ = false;
  std::string error_;
};

class BlockWriter {
 public:
  void U32(std::uint32_t v);
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void U16(std::uint16_t v);
  void CountedText(std::string_view text);
  void CountedBytes(std::span<const std::uint8_t> bytes);
  void TextList(std::span<const std::string> items);

  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace veltrane::runtime
