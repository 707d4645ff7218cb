#include "chart/method.h"

#include <array>
#include <chrono>

#include "chart/method_chaibu.h"
#include "chart/method_maoshan.h"
#include "chart/method_zhirun.h"

namespace veltrane::chart {
namespace {

struct MethodEntry {
  std::string_view name;
  ScriptTexts text;
  MethodJu (*compute)(const MethodInput&, const TermStart&);
};

// Indexed by ChartMethod.
constexpr std::array<MethodEntry, kChartMethodCount> kMethods = {{
    {"chaibu", {"拆补法", "拆補法", "the Chaibu method"}, ChaibuJu},
    {"zhirun", {"置闰法", "置閏法", "the Zhirun method"}, ZhirunJu},
    {"maoshan", {"茅山法", "茅山法", "the Maoshan method"}, MaoshanJu},
}};

// Days since 1899-12-30, the day count of the calendar's date module.
constexpr int DayNumberOf(std::chrono::year_month_day date) {
  constexpr std::chrono::sys_days kDayZero = std::chrono::year{1899} / 12 / 30;
  return static_cast<int>((std::chrono::sys_days(date) - kDayZero).count());
}

}  // namespace

std::string_view ChartMethodName(ChartMethod method) {
  return kMethods[static_cast<std::size_t>(method)].name;
}

std::string_view ChartMethodText(ChartMethod method, Script script) {
  return kMethods[static_cast<std::size_t>(method)].text.In(script);
}

std::optional<ChartMethod> ChartMethodOfName(std::string_view name) {
  for (std::size_t i = 0; i < kMethods.size(); ++i) {
    if (kMethods[i].name == name) return static_cast<ChartMethod>(i);
  }
  return std::nullopt;
}

bool IsMethodInputValid(const MethodInput& input) {
  constexpr double first = DayNumberOf(std::chrono::year{kMethodFirstYear} / 1 / 1);
  constexpr double end = DayNumberOf(std::chrono::year{kMethodLastYear + 1} / 1 / 1);
  return input.moment >= first && input.moment < end && input.day_ganzhi >= 1 &&
         input.day_ganzhi <= kGanZhiCount && input.zhirun_lead_days >= kFewestZhirunLeadDays &&
         input.zhirun_lead_days <= kMostZhirunLeadDays;
}

std::optional<MethodJu> ComputeMethodJu(ChartMethod method, const MethodInput& input,
                                        const TermStart& in_force) {
  const auto index = static_cast<std::size_t>(method);
  if (index >= kMethods.size() || !IsMethodInputValid(input)) return std::nullopt;
  return kMethods[index].compute(input, in_force);
}

std::optional<MethodJu> ComputeMethodJu(ChartMethod method, const MethodInput& input) {
  if (!IsMethodInputValid(input)) return std::nullopt;
  return ComputeMethodJu(method, input, TermStartAt(input.moment));
}

}  // namespace veltrane::chart
