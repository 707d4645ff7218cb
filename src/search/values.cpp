#include "search/values.h"

#include <array>
#include <charconv>

#include "chart/vocabulary.h"
#include "reading/rule.h"

namespace veltrane::search {
namespace {

using chart::kStemTexts;

template <std::size_t N>
std::optional<int> IndexIn(const std::array<std::string_view, N>& texts, std::string_view word) {
  for (std::size_t i = 0; i < N; ++i) {
    if (texts[i] == word) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> SmallNumber(std::string_view word) {
  int number = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, number);
  if (ec != std::errc() || ptr != end || word.empty()) return std::nullopt;
  return number;
}

// 一..九 or 1..9.
std::optional<int> JuNumber(std::string_view word) {
  constexpr std::array<std::string_view, 9> kNumerals = {"一", "二", "三", "四", "五",
                                                         "六", "七", "八", "九"};
  if (const auto i = IndexIn(kNumerals, word)) return *i + 1;
  const auto n = SmallNumber(word);
  if (n && *n >= 1 && *n <= 9) return n;
  return std::nullopt;
}

// 阳遁七局, 阴遁3局, or a signed number −9..−1, 1..9.
std::optional<int> JuOf(std::string_view word) {
  if (word.starts_with("-") || word.starts_with("+")) {
    const auto n = JuNumber(word.substr(1));
    if (!n) return std::nullopt;
    return word[0] == '-' ? -*n : *n;
  }
  if (const auto n = JuNumber(word)) return n;
  constexpr std::string_view kYang = "阳遁";
  constexpr std::string_view kYin = "阴遁";
  constexpr std::string_view kJu = "局";
  int sign = 0;
  if (word.starts_with(kYang)) sign = 1;
  if (word.starts_with(kYin)) sign = -1;
  if (sign == 0 || !word.ends_with(kJu) || word.size() < kYang.size() + kJu.size()) {
    return std::nullopt;
  }
  const auto n = JuNumber(word.substr(kYang.size(), word.size() - kYang.size() - kJu.size()));
  if (!n) return std::nullopt;
  return sign * *n;
}

// A sixty-cycle pair such as 甲子: its number 1..60.
std::optional<int> GanZhiOf(std::string_view word) {
  constexpr std::size_t kCharBytes = 3;  // every stem and branch is three UTF-8 bytes
  if (word.size() != 2 * kCharBytes) return std::nullopt;
  const auto stem = IndexIn(kStemTexts, word.substr(0, kCharBytes));
  const auto branch = IndexIn(chart::kBranchTexts, word.substr(kCharBytes));
  if (!stem || !branch || *stem % 2 != *branch % 2) return std::nullopt;
  for (int n = 0; n < chart::kGanZhiCount; ++n) {
    if (n % chart::kStemCount == *stem && n % chart::kBranchCount == *branch) return n + 1;
  }
  return std::nullopt;
}

std::optional<int> DunOf(std::string_view word) {
  if (word == "阳" || word == "阳遁") return 0;
  if (word == "阴" || word == "阴遁") return 1;
  return std::nullopt;
}

std::optional<int> YuanOf(std::string_view word) {
  if (const auto i = IndexIn(chart::kYuanTexts, word)) return *i + 1;
  return std::nullopt;
}

std::optional<int> PalaceNumber(std::string_view word) {
  const auto n = SmallNumber(word);
  if (n && *n >= 1 && *n <= chart::kPalaceCount) return n;
  return std::nullopt;
}

std::optional<int> DeityOf(std::string_view word) {
  for (std::size_t i = 0; i < chart::kDeityTexts.size(); ++i) {
    if (chart::kDeityTexts[i].name == word) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> StemOf(std::string_view word) {
  if (const auto i = IndexIn(kStemTexts, word)) return *i + 1;
  return std::nullopt;
}

std::optional<int> TermOf(std::string_view word) {
  if (const auto i = IndexIn(chart::kTermTexts, word)) return *i + 1;
  return std::nullopt;
}

std::optional<int> StarOf(std::string_view word) { return IndexIn(chart::kStarTexts, word); }
std::optional<int> GateOf(std::string_view word) { return IndexIn(chart::kGateTexts, word); }

struct FieldValues {
  Field field;
  std::optional<int> (*read)(std::string_view);
  std::string_view hint;
};

constexpr std::array<FieldValues, 17> kFieldValues = {{
    {Field::kJu, JuOf, "a ju such as 阴遁七局, 阳遁3局 or -7"},
    {Field::kDun, DunOf, "阳 or 阴"},
    {Field::kTerm, TermOf, "a solar term such as 冬至"},
    {Field::kYuan, YuanOf, "上元, 中元 or 下元"},
    {Field::kDutyStar, StarOf, "a star such as 天蓬"},
    {Field::kDutyGate, GateOf, "a gate such as 开门"},
    {Field::kDutyGatePalace, PalaceNumber, "a palace 1..9"},
    {Field::kPalaceGate, GateOf, "a gate such as 开门"},
    {Field::kPalaceHeaven, StemOf, "a stem such as 丙"},
    {Field::kPalaceStar, StarOf, "a star such as 天蓬"},
    {Field::kPalaceDeity, DeityOf, "a deity such as 值符"},
    {Field::kPalaceEarth, StemOf, "a stem such as 丙"},
    {Field::kYear, GanZhiOf, "a stem and branch such as 甲子"},
    {Field::kMonth, GanZhiOf, "a stem and branch such as 甲子"},
    {Field::kDay, GanZhiOf, "a stem and branch such as 甲子"},
    {Field::kHour, GanZhiOf, "a stem and branch such as 甲子"},
    {Field::kHourStem, StemOf, "a stem such as 甲"},
}};

}  // namespace

std::optional<int> ValueOf(Field field, std::string_view word) {
  for (const FieldValues& row : kFieldValues) {
    if (row.field == field) return row.read(word);
  }
  return std::nullopt;
}

std::vector<std::uint16_t> RulesNamed(std::string_view word) {
  std::vector<std::uint16_t> found;
  const auto rules = reading::Rules();
  for (std::size_t i = 0; i < rules.size(); ++i) {
    if (rules[i].id == word || rules[i].name == word)
      found.push_back(static_cast<std::uint16_t>(i));
  }
  return found;
}

std::string_view ValueHint(Field field) {
  for (const FieldValues& row : kFieldValues) {
    if (row.field == field) return row.hint;
  }
  return "a rule's id or name such as 青龙返首";
}

}  // namespace veltrane::search
