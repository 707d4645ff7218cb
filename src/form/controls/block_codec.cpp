#include "form/controls/block_codec.h"

namespace veltrane::runtime {

template <typename T>
bool BlockReader::Accept(std::optional<T> value, T& out) {
  if (!value) {
    Reject("runs past its end");
    return false;
  }
  out = *value;
  return true;
}

bool BlockReader::Take(std::size_t n, std::span<const std::uint8_t>& at) {
  return !failed_ && Accept(reader_.Bytes(n), at);
}

bool BlockReader::U32(std::uint32_t& out) { return !failed_ && Accept(reader_.U32(), out); }

bool BlockReader::I32(std::int32_t& out) { return !failed_ && Accept(reader_.I32(), out); }

bool BlockReader::U16(std::uint16_t& out) { return !failed_ && Accept(reader_.U16(), out); }

bool BlockReader::CountedText(std::string& out) {
  std::uint32_t n = 0;
  std::span<const std::uint8_t> p;
  if (!U32(n) || !Take(n, p)) return false;
  out.assign(p.begin(), p.end());
  return true;
}

bool BlockReader::CountedBytes(std::vector<std::uint8_t>& out) {
  std::uint32_t n = 0;
  std::span<const std::uint8_t> p;
  if (!U32(n) || !Take(n, p)) return false;
  out.assign(p.begin(), p.end());
  return true;
}

bool BlockReader::TextList(std::vector<std::string>& out) {
  std::uint16_t short_count = 0;
  if (!U16(short_count)) return false;
  std::uint32_t count = short_count;
  if (short_count == 0xFFFF && !U32(count)) return false;
  // Every item needs at least its 4-byte length: refuse counts the block cannot hold.
  if (count > reader_.remaining() / 4) {
    Reject("holds a text list longer than the block");
    return false;
  }
  out.clear();
  out.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    std::string item;
    if (!CountedText(item)) return false;
    out.push_back(std::move(item));
  }
  return true;
}

bool BlockReader::StoredFont(std::optional<LogFont>& out) {
  const std::size_t at = offset();
  std::vector<std::uint8_t> bytes;
  if (!CountedBytes(bytes)) return false;
  Result<std::optional<LogFont>> font = DecodeStoredFont(bytes);
  if (!font) {
    RejectAt(font.error().message, at);
    return false;
  }
  out = *font;
  return true;
}

bool BlockReader::Version(std::uint32_t& out, std::uint32_t newest) {
  if (!U32(out)) return false;
  if (out > newest) {
    RejectAt("version " + std::to_string(out) + " is newer than " + std::to_string(newest), 0);
    return false;
  }
  return true;
}

void BlockReader::RejectAt(std::string_view what, std::size_t at) {
  if (failed_) return;
  failed_ = true;
  error_ = std::string(name_) + " block: " + std::string(what) + " at byte " + std::to_string(at);
}

Result<bool> BlockReader::Finish() const {
  if (failed_) return Error{error_};
  if (!AtEnd()) {
    return Error{std::string(name_) + " block: trailing bytes at byte " + std::to_string(offset())};
  }
  return true;
}

std::vector<std::uint8_t> EncodeItemData(std::span<const std::uint32_t> values) {
  BlockWriter w;
  for (std::uint32_t v : values) w.U32(v);
  return w.Take();
}

Result<std::vector<std::uint32_t>> DecodeItemData(std::span<const std::uint8_t> bytes) {
  if (bytes.size() % 4 != 0) {
    return Error{"item data of " + std::to_string(bytes.size()) + " bytes"};
  }
  BlockReader r(bytes, "item data");
  std::vector<std::uint32_t> values(bytes.size() / 4);
  for (std::uint32_t& v : values) r.U32(v);
  return values;
}

}  // namespace veltrane::runtime
