#include "app/cli_chart_json.h"

#include <charconv>
#include <cstdint>
#include <string_view>

#include "app/cli_option_table.h"
#include "app/version.h"
#include "calendar/date_time.h"
#include "calendar/lunar_tables.h"
#include "chart/method.h"
#include "reading/reading.h"
#include "views/chart_json.h"
#include "views/json_string.h"

namespace veltrane::app {
namespace {

constexpr std::string_view kDayStartJson[] = {"0", "23"};
constexpr std::string_view kCentrePalaceJson[] = {"\"kun\"", "\"gen-kun\""};
constexpr std::string_view kSolarTimeJson[] = {"\"apparent\"", "\"mean\""};
static_assert(views::NeedsNoJsonEscape(kVersion));  // written as it is

}  // namespace

RunConventions::RunConventions(const chart::ChartOptions& options, std::string zone,
                               int near_minutes, const reading::ReadingProfile& profile)
    : options_(options), zone_(std::move(zone)), near_minutes_(near_minutes), profile_(profile) {
  views::AppendJsonString(zone_json_, zone_.empty() ? "UTC+8" : std::string_view(zone_));
  // The keys are the option table's, so each convention is named where its option is.
  const auto key = [](OptionId id) {
    return ",\"" + std::string(OptionOf(id).json_key) + "\":";
  };
  json_ = key(OptionId::kDayStart);
  json_[0] = '{';
  json_ += kDayStartJson[options.day_start == chart::DayStart::kAt23 ? 1 : 0];
  json_ += key(OptionId::kCentrePalace);
  json_ += kCentrePalaceJson[options.centre_palace == chart::CentrePalace::kGenKun ? 1 : 0];
  json_ += key(OptionId::kTz) + zone_json_ + key(OptionId::kLongitude);
  if (options.longitude) {
    char number[32];
    json_.append(number, std::to_chars(number, number + sizeof number, *options.longitude).ptr);
  } else {
    json_ += "null";
  }
  json_ += key(OptionId::kSolarTime);
  json_ += kSolarTimeJson[options.solar_time == chart::SolarTime::kMean ? 1 : 0];
  // The 置闰 reading is a convention of that method only.
  const std::string zhirun_lead =
      key(OptionId::kZhirunLead) + std::to_string(options.zhirun_lead_days) + "}";
  json_without_method_ = json_ + zhirun_lead;
  json_ += options.method == chart::ChartMethod::kZhirun ? zhirun_lead : "}";
  std::string method = key(OptionId::kMethod).substr(1);
  views::AppendJsonString(method, chart::ChartMethodName(options.method));
  json_.insert(1, method + ",");
}

const RunConventions& DefaultConventions() {
  static const RunConventions conventions;
  return conventions;
}

void AppendChartJson(std::string& line, const ChartMoment& moment, const chart::Chart& chart,
                     const std::optional<calendar::LunarDate>& lunar,
                     const chart::ChartBoundaries& boundaries, const RunConventions& conventions,
                     const ZonedMoment* input, std::span<const views::JsonMember> extra) {
  const views::JsonRun run{kVersion, conventions.json(), conventions.zone_json(),
                           conventions.options().solar_time, conventions.near_minutes()};
  const views::JsonInput given =
      input != nullptr ? views::JsonInput{input->local, input->offset_minutes, input->ambiguous}
                       : views::JsonInput{};
  const reading::Reading reading = reading::Read(chart, conventions.profile());
  views::AppendChartJson(line, moment, chart, lunar, boundaries, run,
                         input != nullptr ? &given : nullptr, &reading, extra);
}

const std::optional<calendar::LunarDate>& LunarDayCache::Of(const ChartMoment& m) {
  const int day_number = calendar::DayNumberOfDate(m.year, m.month, m.day);
  if (known_ && day_number == day_number_) return lunar_;
  // A later day of the same lunar month and Gregorian year (the calendar
  // converts no day from 2049 on) counts on from the known one.
  const int later = day_number - day_number_;
  if (known_ && lunar_ && m.year == year_ && later > 0 && lunar_->day + later <= month_length_) {
    lunar_->day += later;
  } else {
    lunar_ = calendar::GregorianToLunar(static_cast<std::uint16_t>(m.year),
                                        static_cast<std::uint16_t>(m.month),
                                        static_cast<std::uint16_t>(m.day));
    if (lunar_) {
      const calendar::MonthLengths lengths =
          calendar::LunarMonthLengths(lunar_->year, lunar_->month);
      month_length_ = lunar_->leap ? lengths.leap : lengths.ordinary;
    }
  }
  known_ = true;
  year_ = m.year;
  day_number_ = day_number;
  return lunar_;
}

std::string ChartJsonLine(const ChartMoment& moment, const RunConventions& conventions,
                          const ZonedMoment* input) {
  std::string line;
  LunarDayCache lunar;
  const chart::Chart chart = chart::ComputeChart(moment, conventions.options());
  AppendChartJson(line, moment, chart, lunar.Of(moment),
                  chart::ComputeBoundaries(chart, conventions.options()), conventions, input);
  line += '\n';
  return line;
}

}  // namespace veltrane::app
