// The books the rules quote, and the chapter words they share.
#pragma once

#include <string_view>

namespace veltrane::reading::books {

// 遁甲演義, 明 程道生, in the 四庫全書 (文淵閣) text; quoted in its own characters and variants.
inline constexpr std::string_view kYanyi = "遁甲演義 (四庫全書本)";
// 烟波钓叟歌, quoted as commonly transcribed in simplified characters.
inline constexpr std::string_view kYanbo = "烟波钓叟歌";
// 奇門遁甲統宗, quoted in its traditional characters.
inline constexpr std::string_view kTongzong = "奇門遁甲統宗";

inline constexpr std::string_view kNotFound =
    "no line of the classical texts stating this rule was found in a public transcription; the "
    "rule follows the common practice of the chart plotters";

}  // namespace veltrane::reading::books
