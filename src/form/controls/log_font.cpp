#include "form/controls/log_font.h"

#include <algorithm>
#include <cstring>

namespace veltrane::runtime {
namespace {

void PutI32(std::uint8_t* at, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::int32_t GetI32(const std::uint8_t* at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(at[i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

}  // namespace

std::string_view LogFont::FaceName() const {
  const auto end = std::find(face.begin(), face.end() - 1, '\0');
  return std::string_view(face.data(), static_cast<std::size_t>(end - face.begin()));
}

void LogFont::SetFaceName(std::string_view gbk) {
  face.fill('\0');
  if (gbk.size() >= kFaceSize) return;
  std::copy(gbk.begin(), gbk.end(), face.begin());
}

std::array<std::uint8_t, LogFont::kSize> LogFont::Encode() const {
  std::array<std::uint8_t, kSize> out{};
  PutI32(&out[0], height);
  PutI32(&out[4], width);
  PutI32(&out[8], escapement);
  PutI32(&out[12], orientation);
  PutI32(&out[16], weight);
  const std::uint8_t bytes[8] = {italic,        underline,      strike_out, char_set,
                                 out_precision, clip_precision, quality,    pitch_and_family};
  std::memcpy(&out[20], bytes, sizeof bytes);
  std::memcpy(&out[28], face.data(), kFaceSize);
  return out;
}

Result<LogFont> LogFont::Decode(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kSize) {
    return Error{"font record of " + std::to_string(bytes.size()) + " bytes, not 60"};
  }
  LogFont f;
  f.height = GetI32(&bytes[0]);
  f.width = GetI32(&bytes[4]);
  f.escapement = GetI32(&bytes[8]);
  f.orientation = GetI32(&bytes[12]);
  f.weight = GetI32(&bytes[16]);
  f.italic = bytes[20];
  f.underline = bytes[21];
  f.strike_out = bytes[22];
  f.char_set = bytes[23];
  f.out_precision = bytes[24];
  f.clip_precision = bytes[25];
  f.quality = bytes[26];
  f.pitch_and_family = bytes[27];
  std::memcpy(f.face.data(), &bytes[28], kFaceSize);
  f.face[kFaceSize - 1] = '\0';  // an unterminated face never runs past the record
  return f;
}

std::vector<std::uint8_t> EncodeStoredFont(const std::optional<LogFont>& font) {
  if (!font) return {};
  const auto bytes = font->Encode();
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

Result<std::optional<LogFont>> DecodeStoredFont(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return std::optional<LogFont>{};
  Result<LogFont> font = LogFont::Decode(bytes);
  if (!font) return font.error();
  return std::optional<LogFont>(*font);
}

platform::Font ToPlatformFont(const std::optional<LogFont>& font) {
  platform::Font out;
  if (!font) return out;
  out.is_default = false;
  out.height = font->height;
  out.weight = font->weight;
  out.italic = font->italic != 0;
  out.underline = font->underline != 0;
  out.strike_out = font->strike_out != 0;
  out.escapement = font->escapement;
  out.face = std::string(font->FaceName());
  return out;
}

LogFont BoldFont(int pixel_height) {
  LogFont f;
  f.height = -pixel_height;
  f.weight = 700;
  f.char_set = 134;  // GB2312_CHARSET
  return f;
}

}  // namespace veltrane::runtime
