#include "chart/method.h"

#include <array>
#include <cmath>

#include "calendar/date_time.h"
#include "chart/method_chaibu.h"
#include "chart/method_maoshan.h"
#include "chart/method_zhirun.h"

namespace veltrane::chart {
namespace {

struct MethodEntry {
  std::string_view name;
  std::string_view text;
  MethodJu (*compute)(const MethodInput&);
};

// Indexed by ChartMethod.
constexpr std::array<MethodEntry, kChartMethodCount> kMethods = {{
    {"chaibu", "拆补法", ChaibuJu},
    {"zhirun", "置闰法", ZhirunJu},
    {"maoshan", "茅山法", MaoshanJu},
}};

}  // namespace

std::string_view ChartMethodName(ChartMethod method) {
  return kMethods[static_cast<std::size_t>(method)].name;
}

std::string_view ChartMethodText(ChartMethod method) {
  return kMethods[static_cast<std::size_t>(method)].text;
}

std::optional<ChartMethod> ChartMethodOfName(std::string_view name) {
  for (std::size_t i = 0; i < kMethods.size(); ++i) {
    if (kMethods[i].name == name) return static_cast<ChartMethod>(i);
  }
  return std::nullopt;
}

MethodJu MethodJuOf(SolarTerm term, Yuan yuan) {
  const auto y = static_cast<std::size_t>(yuan) - 1;  // None wraps past the table
  const auto t = static_cast<std::size_t>(term) - 1;
  const int ju = y < kJuTable.size() && t < kJuTable[0].size() ? kJuTable[y][t] : 0;
  return MethodJu{term, yuan, ju};
}

Yuan YuanOfDayGanZhi(int day_ganzhi) {
  // The 上元 符头 甲子 (1), 己卯 (16), 甲午 (31), 己酉 (46) come every fifteen
  // days; each yuan lasts five.
  return static_cast<Yuan>((day_ganzhi - 1) % 15 / 5 + 1);
}

bool IsMethodInputValid(const MethodInput& input) {
  static const double first = calendar::DayNumberOfDate(kMethodFirstYear, 1, 1);
  static const double end = calendar::DayNumberOfDate(kMethodLastYear + 1, 1, 1);
  return input.moment >= first && input.moment < end && input.day_ganzhi >= 1 &&
         input.day_ganzhi <= kGanZhiCount && input.zhirun_lead_days >= kFewestZhirunLeadDays &&
         input.zhirun_lead_days <= kMostZhirunLeadDays;
}

std::optional<MethodJu> ComputeMethodJu(ChartMethod method, const MethodInput& input) {
  const auto index = static_cast<std::size_t>(method);
  if (index >= kMethods.size() || !IsMethodInputValid(input)) return std::nullopt;
  return kMethods[index].compute(input);
}

}  // namespace veltrane::chart
