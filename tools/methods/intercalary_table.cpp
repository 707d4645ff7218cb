#include "intercalary_table.h"

#include <cstdio>
#include <string_view>

#include "calendar/date_time.h"
#include "chart/method_terms.h"
#include "chart/method_zhirun.h"
#include "chart/pillars.h"
#include "chart/vocabulary.h"

namespace veltrane::tools {
namespace {

std::string DayText(int day_number) {
  const calendar::CivilDate date = calendar::DateOfDayNumber(day_number);
  const int gz = chart::GanZhiOfDayNumber(day_number);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d ", date.year, date.month, date.day);
  return std::string(text) + std::string(chart::GanZhiText(gz));
}

}  // namespace

std::string IntercalaryTableMarkdown(int first_year, int last_year) {
  std::string rows =
      "| repeated term | first day | last day | lead of the first pass |\n"
      "|---|---|---|---|\n";
  for (const chart::ZhirunPeriod& period : chart::ZhirunIntercalaryPeriods(first_year, last_year)) {
    const std::string_view term = chart::Text(chart::SolarTermOfOrdinal(period.term));
    rows += "| " + std::string(term) + " | " + DayText(period.first_day) + " | " +
            DayText(period.first_day + 14) + " | " + std::to_string(period.lead_days + 15) + " |\n";
  }
  return rows;
}

}  // namespace veltrane::tools
