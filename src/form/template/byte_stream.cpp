#include "form/template/byte_stream.h"

#include <cstring>

namespace veltrane::runtime {

std::uint32_t LoadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void StoreU32(std::uint8_t* p, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::optional<std::uint8_t> ByteReader::U8() {
  if (remaining() < 1) return std::nullopt;
  return bytes_[pos_++];
}

std::optional<std::uint16_t> ByteReader::U16() {
  if (remaining() < 2) return std::nullopt;
  const auto value = static_cast<std::uint16_t>(bytes_[pos_] | bytes_[pos_ + 1] << 8);
  pos_ += 2;
  return value;
}

std::optional<std::uint32_t> ByteReader::U32() {
  if (remaining() < 4) return std::nullopt;
  const std::uint32_t value = LoadU32(bytes_.data() + pos_);
  pos_ += 4;
  return value;
}

std::optional<std::int32_t> ByteReader::I32() {
  auto value = U32();
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::optional<std::span<const std::uint8_t>> ByteReader::Bytes(std::size_t n) {
  if (remaining() < n) return std::nullopt;
  auto view = bytes_.subspan(pos_, n);
  pos_ += n;
  return view;
}

std::optional<std::span<const std::uint8_t>> ByteReader::CountedBytes() {
  const std::size_t start = pos_;
  auto length = U32();
  if (!length) return std::nullopt;
  auto view = Bytes(*length);
  if (!view) pos_ = start;
  return view;
}

std::optional<std::string> ByteReader::CountedText() {
  auto view = CountedBytes();
  if (!view) return std::nullopt;
  return std::string(view->begin(), view->end());
}

std::optional<std::string> ByteReader::ZeroText() {
  for (std::size_t end = pos_; end < bytes_.size(); ++end) {
    if (bytes_[end] == 0) {
      std::string text(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                       bytes_.begin() + static_cast<std::ptrdiff_t>(end));
      pos_ = end + 1;
      return text;
    }
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> ByteReader::TextList() {
  const std::size_t start = pos_;
  auto fail = [&] {
    pos_ = start;
    return std::nullopt;
  };
  auto short_count = U16();
  if (!short_count) return fail();
  std::uint32_t count = *short_count;
  if (count == 0xFFFF) {
    auto long_count = U32();
    if (!long_count) return fail();
    count = *long_count;
  }
  // Every text takes at least its 4-byte length, so a count beyond that is false.
  if (count > remaining() / 4) return fail();
  std::vector<std::string> texts;
  texts.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    auto text = CountedText();
    if (!text) return fail();
    texts.push_back(std::move(*text));
  }
  return texts;
}

bool ByteReader::Skip(std::size_t n) {
  if (remaining() < n) return false;
  pos_ += n;
  return true;
}

void ByteWriter::U16(std::uint16_t v) {
  out_.push_back(static_cast<std::uint8_t>(v));
  out_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::U32(std::uint32_t v) {
  const std::size_t at = out_.size();
  out_.resize(at + 4);
  StoreU32(out_.data() + at, v);
}

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes) {
  out_.insert(out_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::CountedBytes(std::span<const std::uint8_t> bytes) {
  U32(static_cast<std::uint32_t>(bytes.size()));
  Bytes(bytes);
}

void ByteWriter::CountedText(std::string_view gbk) {
  U32(static_cast<std::uint32_t>(gbk.size()));
  out_.insert(out_.end(), gbk.begin(), gbk.end());
}

void ByteWriter::ZeroText(std::string_view gbk) {
  gbk = gbk.substr(0, gbk.find('\0'));
  out_.insert(out_.end(), gbk.begin(), gbk.end());
  out_.push_back(0);
}

void ByteWriter::TextList(std::span<const std::string> texts) {
  if (texts.size() < 0xFFFF) {
    U16(static_cast<std::uint16_t>(texts.size()));
  } else {
    U16(0xFFFF);
    U32(static_cast<std::uint32_t>(texts.size()));
  }
  for (const std::string& text : texts) CountedText(text);
}

}  // namespace veltrane::runtime
