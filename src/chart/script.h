// The scripts a chart can be written in: 简体 (the window's), 繁體 and English.
// Every text table of the vocabulary has one column per script, in this order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace veltrane::chart {

enum class Script : std::uint8_t { kHans, kHant, kEn };
inline constexpr std::size_t kScriptCount = 3;
inline constexpr std::array<Script, kScriptCount> kScripts = {Script::kHans, Script::kHant,
                                                              Script::kEn};

// The script's language tag: zh-Hans, zh-Hant, en.
constexpr std::string_view Tag(Script script) {
  constexpr std::array<std::string_view, kScriptCount> kTags = {"zh-Hans", "zh-Hant", "en"};
  const auto i = static_cast<std::size_t>(script);
  return i < kTags.size() ? kTags[i] : std::string_view();
}

// The script of a language tag as Tag writes it; nullopt for any other word.
constexpr std::optional<Script> ScriptOfTag(std::string_view tag) {
  for (Script s : kScripts) {
    if (Tag(s) == tag) return s;
  }
  return std::nullopt;
}

// One text in every script, by Script.
struct ScriptTexts {
  std::string_view hans;
  std::string_view hant;
  std::string_view en;
  constexpr std::string_view In(Script script) const {
    switch (script) {
      case Script::kHans:
        return hans;
      case Script::kHant:
        return hant;
      case Script::kEn:
        return en;
    }
    return {};
  }
};

}  // namespace veltrane::chart
