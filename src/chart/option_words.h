// The words and texts of the chart options, one row per value: the tool's
// command line, the JSON's "conventions" and the web page's form and link all
// read them. The methods' words are the method table's (chart/method.h).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "chart/chart_options.h"

namespace veltrane::chart {

// One value of an option: the word that names it and its Chinese text.
template <typename Value>
struct OptionWord {
  Value value;
  std::string_view word;  // "23", "gen-kun", "mean"
  std::string_view text;  // "23时（子初）", "阳艮阴坤", "平太阳时"
};

// Every value of each option, the window's (ChartOptions{}) first.
std::span<const OptionWord<DayStart>> DayStartWords();
std::span<const OptionWord<CentrePalace>> CentrePalaceWords();
std::span<const OptionWord<SolarTime>> SolarTimeWords();

// The word of a value.
std::string_view WordOf(DayStart value);
std::string_view WordOf(CentrePalace value);
std::string_view WordOf(SolarTime value);

// The value a word names; nullopt for any other text.
std::optional<DayStart> DayStartOfWord(std::string_view word);
std::optional<CentrePalace> CentrePalaceOfWord(std::string_view word);
std::optional<SolarTime> SolarTimeOfWord(std::string_view word);

}  // namespace veltrane::chart
