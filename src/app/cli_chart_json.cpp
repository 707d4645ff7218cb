#include "app/cli_chart_json.h"

#include <cstdint>
#include <string_view>

#include "app/version.h"
#include "calendar/date_time.h"
#include "calendar/lunar_tables.h"
#include "reading/reading.h"
#include "views/chart_conventions.h"
#include "views/chart_json.h"
#include "views/json_string.h"

namespace veltrane::app {

static_assert(views::NeedsNoJsonEscape(kVersion));  // written as it is

RunConventions::RunConventions(const chart::ChartOptions& options, std::string zone,
                               int near_minutes, const reading::ReadingProfile& profile)
    : options_(options),
      zone_(std::move(zone)),
      near_minutes_(near_minutes),
      profile_(profile),
      json_(views::ConventionsJson(options, zone_)),
      json_without_method_(views::ConventionsJsonWithoutMethod(options, zone_)),
      zone_json_(views::ZoneJson(zone_)) {}

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
