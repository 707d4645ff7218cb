// The chart-setting methods: how the term whose ju is used and the yuan are
// chosen for a chart moment. 拆补 (chaibu) is the window's rule; 置闰 (zhirun)
// and 茅山 (maoshan) are the alternatives. docs/methods.md gives each rule.
#pragma once

#include <optional>
#include <string_view>

#include "chart/method_terms.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {

enum class ChartMethod : int { kChaibu = 0, kZhirun = 1, kMaoshan = 2 };

inline constexpr int kChartMethodCount = 3;

// The command-line and JSON name of a method: "chaibu", "zhirun", "maoshan".
std::string_view ChartMethodName(ChartMethod method);

// The Chinese name of a method as the notes under a chart give it: "拆补法",
// "置闰法", "茅山法".
std::string_view ChartMethodText(ChartMethod method);

// The method of a name as ChartMethodName gives it; nullopt for any other text.
std::optional<ChartMethod> ChartMethodOfName(std::string_view name);

// First and last Gregorian year for which the methods answer (the plotting's years).
inline constexpr int kMethodFirstYear = 1800;
inline constexpr int kMethodLastYear = 2999;

// What a method reads of a chart: the moment and the day pillar.
struct MethodInput {
  double moment = 0;   // linear day count since 1899-12-30 (NormalizeMoment form), UTC+8
  int day_ganzhi = 1;  // the day pillar, 1 = 甲子 .. 60 = 癸亥
};

// What a method gives: the term whose ju is used, the yuan and the ju.
struct MethodJu {
  SolarTerm term = SolarTerm::kDongzhi;
  Yuan yuan = Yuan::Upper;
  int ju = 1;  // signed: positive 阳遁, negative 阴遁
  friend bool operator==(const MethodJu&, const MethodJu&) = default;
};

// The ju of a term and yuan from the ju table; 0 for Yuan::None.
MethodJu MethodJuOf(SolarTerm term, Yuan yuan);

// The yuan of a day pillar by its 符头 (the 甲 or 己 day that opens its five
// days): 上元 for 甲子 己卯 甲午 己酉, 中元 for 己巳 甲申 己亥 甲寅, 下元 for the rest;
// the same as the yuan day lists. Yuan::None for a number outside 1..60.
Yuan YuanOfDayGanZhi(int day_ganzhi);

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
