// The chart-setting methods: how the term whose ju is used and the yuan are
// chosen for a chart moment. 拆补 (chaibu) is the window's rule; 置闰 (zhirun)
// and 茅山 (maoshan) are the alternatives. docs/methods.md gives each rule.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "chart/method_terms.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {

enum class ChartMethod : int { kChaibu = 0, kZhirun = 1, kMaoshan = 2 };

inline constexpr int kChartMethodCount = 3;

// The command-line and JSON name of a method: "chaibu", "zhirun", "maoshan".
std::string_view ChartMethodName(ChartMethod method);

// The name of a method as the notes under a chart give it: "拆补法", "置闰法",
// "茅山法" (in 繁體 "置閏法", in English "the Zhirun method").
std::string_view ChartMethodText(ChartMethod method, Script script = Script::kHans);

// The method of a name as ChartMethodName gives it; nullopt for any other text.
std::optional<ChartMethod> ChartMethodOfName(std::string_view name);

// First and last Gregorian year for which the methods answer (the plotting's years).
inline constexpr int kMethodFirstYear = 1800;
inline constexpr int kMethodLastYear = 2999;

// The lead in days (符头 day to term day) at which 置闰 repeats 芒种 or 大雪,
// unless a chart says otherwise, and the readings a chart may choose.
inline constexpr int kDefaultZhirunLeadDays = 10;
inline constexpr int kFewestZhirunLeadDays = 8;
inline constexpr int kMostZhirunLeadDays = 10;

// What a method reads of a chart: the moment and the day pillar.
struct MethodInput {
  double moment = 0;   // linear day count since 1899-12-30 (NormalizeMoment form), UTC+8
  int day_ganzhi = 1;  // the day pillar, 1 = 甲子 .. 60 = 癸亥
  bool day_from_midnight = false;  // the day pillar changes at midnight, not at 23:00
  int zhirun_lead_days = kDefaultZhirunLeadDays;  // 8..10: the lead at which 置闰 repeats
};

// What a method gives: the term whose ju is used, the yuan and the ju.
struct MethodJu {
  SolarTerm term = SolarTerm::kDongzhi;
  Yuan yuan = Yuan::Upper;
  int ju = 1;  // signed: positive 阳遁, negative 阴遁
  friend bool operator==(const MethodJu&, const MethodJu&) = default;
};

// The ju of a term and yuan from the ju table; 0 for Yuan::None.
constexpr MethodJu MethodJuOf(SolarTerm term, Yuan yuan) {
  const auto y = static_cast<std::size_t>(yuan) - 1;  // None wraps past the table
  const auto t = static_cast<std::size_t>(term) - 1;
  const int ju = y < kJuTable.size() && t < kJuTable[0].size() ? kJuTable[y][t] : 0;
  return MethodJu{term, yuan, ju};
}

// The yuan of a day pillar by its 符头 (the 甲 or 己 day that opens its five
// days): 上元 for 甲子 己卯 甲午 己酉, 中元 for 己巳 甲申 己亥 甲寅, 下元 for the rest;
// the same as the yuan day lists. Yuan::None for a number outside 1..60.
constexpr Yuan YuanOfDayGanZhi(int day_ganzhi);

namespace detail {

// The yuan of each day pillar, index 0 for none: the 上元 符头 甲子 (1), 己卯
// (16), 甲午 (31), 己酉 (46) come every fifteen days, and each yuan lasts five.
inline constexpr std::array<Yuan, kGanZhiCount + 1> kYuanOfDay = [] {
  std::array<Yuan, kGanZhiCount + 1> yuan{};
  for (int n = 1; n <= kGanZhiCount; ++n) {
    yuan[static_cast<std::size_t>(n)] = static_cast<Yuan>((n - 1) % 15 / 5 + 1);
  }
  return yuan;
}();

}  // namespace detail

constexpr Yuan YuanOfDayGanZhi(int day_ganzhi) {
  const auto n = static_cast<std::size_t>(day_ganzhi);
  return n < detail::kYuanOfDay.size() ? detail::kYuanOfDay[n] : Yuan::None;
}

// Whether an input lies within the methods' years with a day pillar 1..60.
bool IsMethodInputValid(const MethodInput& input);

// The term, yuan and ju of a chart by a method, given the term in force at
// input.moment (TermStartAt), which the plotting searches once per chart;
// nullopt for an invalid input.
std::optional<MethodJu> ComputeMethodJu(ChartMethod method, const MethodInput& input,
                                        const TermStart& in_force);

// The term, yuan and ju of a chart by a method, searching the term in force
// itself; nullopt for an invalid input.
std::optional<MethodJu> ComputeMethodJu(ChartMethod method, const MethodInput& input);

}  // namespace veltrane::chart
