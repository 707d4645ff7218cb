// Little-endian readers and writers for control type blocks: 32- and 16-bit
// values, counted texts and bytes, text lists, in the template's encodings. A
// reader never reads past its span; the first shortfall makes every later read
// fail, and the error names the block and the byte offset.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "form/controls/log_font.h"
#include "form/template/byte_stream.h"

namespace veltrane::runtime {

class BlockReader {
 public:
  BlockReader(std::span<const std::uint8_t> bytes, const char* block_name)
      : reader_(bytes), name_(block_name) {}

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
  std::size_t offset() const { return reader_.position(); }
  bool AtEnd() const { return reader_.at_end(); }
  // Fails the block with a message naming it and the current byte offset.
  void Reject(std::string_view what) { RejectAt(what, offset()); }
  // The block must be read completely and without a failure.
  Result<bool> Finish() const;

 private:
  // The next n bytes; fails the block when it runs short.
  bool Take(std::size_t n, std::span<const std::uint8_t>& at);
  // Takes a value the byte reader read; fails the block when there was none.
  template <typename T>
  bool Accept(std::optional<T> value, T& out);
  void RejectAt(std::string_view what, std::size_t at);

  ByteReader reader_;
  const char* name_;
  bool failed_ = false;
  std::string error_;
};

// Type blocks are written in the template's encodings.
using BlockWriter = ByteWriter;

// A list of 32-bit values as its byte block: one little-endian value each.
std::vector<std::uint8_t> EncodeItemData(std::span<const std::uint32_t> values);
// Fails when the bytes are not a whole number of 32-bit values.
Result<std::vector<std::uint32_t>> DecodeItemData(std::span<const std::uint8_t> bytes);

}  // namespace veltrane::runtime
