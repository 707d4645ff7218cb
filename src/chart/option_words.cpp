#include "chart/option_words.h"

#include <array>

namespace veltrane::chart {
namespace {

constexpr std::array<OptionWord<DayStart>, 2> kDayStarts = {{
    {DayStart::kAt23, "23", "23时（子初）"},
    {DayStart::kAtMidnight, "0", "0时（晚子时）"},
}};
constexpr std::array<OptionWord<CentrePalace>, 2> kCentrePalaces = {{
    {CentrePalace::kKun, "kun", "坤二宫"},
    {CentrePalace::kGenKun, "gen-kun", "阳艮阴坤"},
}};
constexpr std::array<OptionWord<SolarTime>, 2> kSolarTimes = {{
    {SolarTime::kApparent, "apparent", "真太阳时"},
    {SolarTime::kMean, "mean", "平太阳时"},
}};

// Each table names every value once, the default first.
template <typename Value, std::size_t N>
constexpr bool IsSoundTable(const std::array<OptionWord<Value>, N>& rows) {
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].word.empty() || rows[i].text.empty()) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (rows[j].value == rows[i].value || rows[j].word == rows[i].word) return false;
    }
  }
  return true;
}
static_assert(IsSoundTable(kDayStarts) && kDayStarts[0].value == ChartOptions{}.day_start);
static_assert(IsSoundTable(kCentrePalaces) &&
              kCentrePalaces[0].value == ChartOptions{}.centre_palace);
static_assert(IsSoundTable(kSolarTimes) && kSolarTimes[0].value == ChartOptions{}.solar_time);

template <typename Value, std::size_t N>
std::string_view Word(const std::array<OptionWord<Value>, N>& rows, Value value) {
  for (const auto& row : rows) {
    if (row.value == value) return row.word;
  }
  return rows[0].word;  // not reached: every value has its row
}

template <typename Value, std::size_t N>
std::optional<Value> ValueOf(const std::array<OptionWord<Value>, N>& rows, std::string_view word) {
  for (const auto& row : rows) {
    if (row.word == word) return row.value;
  }
  return std::nullopt;
}

}  // namespace

std::span<const OptionWord<DayStart>> DayStartWords() { return kDayStarts; }
std::span<const OptionWord<CentrePalace>> CentrePalaceWords() { return kCentrePalaces; }
std::span<const OptionWord<SolarTime>> SolarTimeWords() { return kSolarTimes; }

std::string_view WordOf(DayStart value) { return Word(kDayStarts, value); }
std::string_view WordOf(CentrePalace value) { return Word(kCentrePalaces, value); }
std::string_view WordOf(SolarTime value) { return Word(kSolarTimes, value); }

std::optional<DayStart> DayStartOfWord(std::string_view word) { return ValueOf(kDayStarts, word); }
std::optional<CentrePalace> CentrePalaceOfWord(std::string_view word) {
  return ValueOf(kCentrePalaces, word);
}
std::optional<SolarTime> SolarTimeOfWord(std::string_view word) {
  return ValueOf(kSolarTimes, word);
}

}  // namespace veltrane::chart
