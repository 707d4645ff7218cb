// A stored font: the 60-byte Windows LOGFONT record that type blocks carry,
// and its conversion to the platform's font description.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/platform.h"

namespace veltrane::runtime {

struct LogFont {
  static constexpr std::size_t kSize = 60;
  static constexpr std::size_t kFaceSize = 32;  // zero-terminated, GBK

  std::int32_t height = 0;  // negative: character height in pixels; positive: cell height
  std::int32_t width = 0;
  std::int32_t escapement = 0;  // tenths of a degree
  std::int32_t orientation = 0;
  std::int32_t weight = 400;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strike_out = 0;
  std::uint8_t char_set = 1;  // DEFAULT_CHARSET
  std::uint8_t out_precision = 0;
  std::uint8_t clip_precision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitch_and_family = 0;
  std::array<char, kFaceSize> face{};

  // The face name up to its terminator (at most 31 bytes).
  std::string_view FaceName() const;
  // Stores a face name; one over 31 bytes leaves the face empty (the default face).
  void SetFaceName(std::string_view gbk);

  std::array<std::uint8_t, kSize> Encode() const;
  static Result<LogFont> Decode(std::span<const std::uint8_t> bytes);

  bool operator==(const LogFont&) const = default;
};

// The font as a type block stores it: counted bytes of 0 (default font) or 60 bytes.
std::vector<std::uint8_t> EncodeStoredFont(const std::optional<LogFont>& font);
Result<std::optional<LogFont>> DecodeStoredFont(std::span<const std::uint8_t> bytes);

// What the platform draws with; no stored font means the default GUI font.
platform::Font ToPlatformFont(const std::optional<LogFont>& font);

// A bold font of the given character height in pixels, GBK character set and
// the default face: the form of every stored font of the main window.
LogFont BoldFont(int pixel_height);

}  // namespace veltrane::runtime
