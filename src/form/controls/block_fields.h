// A type block written and read from its property rows: the version word,
// then each row's stored field that the version has, in row order.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "base/result.h"
#include "form/controls/block_codec.h"
#include "form/controls/log_font.h"

namespace veltrane::runtime {

namespace block_fields {

template <typename Block>
void Write(BlockWriter& w, const Block& b, std::int32_t Block::*f) {
  w.I32(b.*f);
}
template <typename Block>
void Write(BlockWriter& w, const Block& b, std::uint32_t Block::*f) {
  w.U32(b.*f);
}
template <typename Block>
void Write(BlockWriter& w, const Block& b, std::uint16_t Block::*f) {
  w.U16(b.*f);
}
template <typename Block>
void Write(BlockWriter& w, const Block& b, std::string Block::*f) {
  w.CountedText(b.*f);
}
template <typename Block>
void Write(BlockWriter& w, const Block& b, std::vector<std::uint8_t> Block::*f) {
  w.CountedBytes(b.*f);
}
template <typename Block>
void Write(BlockWriter& w, const Block& b, std::optional<LogFont> Block::*f) {
  w.CountedBytes(EncodeStoredFont(b.*f));
}
template <typename Block>
void Write(BlockWriter& w, const Block& b, std::vector<std::string> Block::*f) {
  w.TextList(b.*f);
}
template <typename Block>
void Write(BlockWriter& w, const Block& b, std::vector<std::uint32_t> Block::*f) {
  w.CountedBytes(EncodeItemData(b.*f));
}
template <typename Block>
void Write(BlockWriter& /*w*/, const Block& /*b*/, std::monostate /*computed*/) {}

template <typename Block>
void Read(BlockReader& r, Block& b, std::int32_t Block::*f) {
  r.I32(b.*f);
}
template <typename Block>
void Read(BlockReader& r, Block& b, std::uint32_t Block::*f) {
  r.U32(b.*f);
}
template <typename Block>
void Read(BlockReader& r, Block& b, std::uint16_t Block::*f) {
  r.U16(b.*f);
}
template <typename Block>
void Read(BlockReader& r, Block& b, std::string Block::*f) {
  r.CountedText(b.*f);
}
template <typename Block>
void Read(BlockReader& r, Block& b, std::vector<std::uint8_t> Block::*f) {
  r.CountedBytes(b.*f);
}
template <typename Block>
void Read(BlockReader& r, Block& b, std::optional<LogFont> Block::*f) {
  r.StoredFont(b.*f);
}
template <typename Block>
void Read(BlockReader& r, Block& b, std::vector<std::string> Block::*f) {
  r.TextList(b.*f);
}
template <typename Block>
void Read(BlockReader& r, Block& b, std::vector<std::uint32_t> Block::*f) {
  std::vector<std::uint8_t> data;
  if (!r.CountedBytes(data)) return;
  if (Result<std::vector<std::uint32_t>> values = DecodeItemData(data)) {
    b.*f = std::move(*values);
  } else {
    r.Reject(values.error().message);
  }
}
template <typename Block>
void Read(BlockReader& /*r*/, Block& /*b*/, std::monostate /*computed*/) {}

}  // namespace block_fields

// Writes the fields that `block.version` has (a version above the newest
// writes the newest's).
template <typename Block, typename Rows>
std::vector<std::uint8_t> EncodeBlock(const Block& block, const Rows& rows) {
  BlockWriter w;
  w.U32(block.version);
  for (const auto& row : rows) {
    if (block.version < row.since) continue;
    std::visit([&](auto field) { block_fields::Write(w, block, field); }, row.field);
  }
  return w.Take();
}

// Fails on a version above Block::kVersion, a short block, a field that does
// not decode, or trailing bytes; the error names `name` and the byte offset.
template <typename Block, typename Rows>
Result<Block> DecodeBlock(std::span<const std::uint8_t> bytes, const char* name, const Rows& rows) {
  BlockReader r(bytes, name);
  Block block;
  if (!r.Version(block.version, Block::kVersion)) return r.Finish().error();
  for (const auto& row : rows) {
    if (block.version < row.since) continue;
    std::visit([&](auto field) { block_fields::Read(r, block, field); }, row.field);
  }
  if (Result<bool> done = r.Finish(); !done) return done.error();
  return block;
}

}  // namespace veltrane::runtime
