#include "runtime/controls/block_codec.h"

namespace veltrane::runtime {

bool BlockReader::Take(std::size_t n, const std::uint8_t*& at) {
  if (failed_) return false;
  if (n > bytes_.size() - pos_) {
    Reject("runs past its end");
    return false;
  }
  at = bytes_.data() + pos_;
  pos_ += n;
  return true;
}

bool BlockReader::U32(std::uint32_t& out) {
  const std::uint8_t* p = nullptr;
  if (!Take(4, p)) return false;
  out = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  return true;
}

bool BlockReader::I32(std::int32_t& out) {
  std::uint32_t v = 0;
  if (!U32(v)) return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

bool BlockReader::U16(std::uint16_t& out) {
  const std::uint8_t* p = nullptr;
  if (!Take(2, p)) return false;
  out = static_cast<std::uint16_t>(p[0] | p[1] << 8);
  return true;
}

bool BlockReader::CountedText(std::string& out) {
  std::uint32_t n = 0;
  const std::uint8_t* p = nullptr;
  if (!U32(n) || !Take(n, p)) return false;
  out.assign(reinterpret_cast<const char*>(p), n);
  return true;
}

bool BlockReader::CountedBytes(std::vector<std::uint8_t>& out) {
  std::uint32_t n = 0;
  const std::uint8_t* p = nullptr;
  if (!U32(n) || !Take(n, p)) return false;
  out.assign(p, p + n);
  return true;
}

bool BlockReader::TextList(std::vector<std::string>& out) {
  std::uint16_t short_count = 0;
  if (!U16(short_count)) return false;
  std::uint32_t count = short_count;
  if (short_count == 0xFFFF && !U32(count)) return false;
  // Every item needs at least its 4-byte length: refuse counts the block cannot hold.
  if (count > (bytes_.size() - pos_) / 4) {
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
  const std::size_t at = pos_;
  std::vector<std::uint8_t> bytes;
  if (!CountedBytes(bytes)) return false;
  Result<std::optional<LogFont>> font = DecodeStoredFont(bytes);
  if (!font) {
    pos_ = at;
    Reject(font.error().message);
    return false;
  }
  out = *font;
  return true;
}

bool BlockReader::Version(std::uint32_t& out, std::uint32_t newest) {
  if (!U32(out)) return false;
  if (out > newest) {
    pos_ = 0;
    Reject("version " + std::to_string(out) + " is newer than " + std::to_string(newest));
    return false;
  }
  return true;
}

void BlockReader::Reject(std::string_view what) {
  if (failed_) return;
  failed_ = true;
  error_ = std::string(name_) + " block: " + std::string(what) + " at byte " + std::to_string(pos_);
}

Result<bool> BlockReader::Finish() const {
  if (failed_) return Error{error_};
  if (!AtEnd()) {
    return Error{std::string(name_) + " block: trailing bytes at byte " + std::to_string(pos_)};
  }
  return true;
}

void BlockWriter::U32(std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8)
    bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
}

void BlockWriter::U16(std::uint16_t v) {
  bytes_.push_back(static_cast<std::uint8_t>(v));
  bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void BlockWriter::CountedText(std::string_view text) {
  U32(static_cast<std::uint32_t>(text.size()));
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void BlockWriter::CountedBytes(std::span<const std::uint8_t> bytes) {
  U32(static_cast<std::uint32_t>(bytes.size()));
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void BlockWriter::TextList(std::span<const std::string> items) {
  if (items.size() < 0xFFFF) {
    U16(static_cast<std::uint16_t>(items.size()));
  } else {
    U16(0xFFFF);
    U32(static_cast<std::uint32_t>(items.size()));
  }
  for (const std::string& item : items) CountedText(item);
}

}  // namespace veltrane::runtime
