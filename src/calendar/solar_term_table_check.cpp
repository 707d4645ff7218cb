#include "calendar/solar_term_table_check.h"

#include <cstdio>

#include "calendar/date_time.h"
#include "calendar/gregorian.h"
#include "calendar/solar_term_table.h"

namespace veltrane::calendar {
namespace {

std::string Where(int year, int slot) {
  char text[32];
  std::snprintf(text, sizeof text, "%d slot %d: ", year, slot);
  return text;
}

// The first field out of range, or an empty text.
std::string FieldProblem(int year, int slot, std::span<const std::uint8_t> e) {
  const int month = e[0];
  const int day = e[1];
  if (month < 1 || month > 12) return "month " + std::to_string(month) + " out of range";
  if (day < 1 || day > DaysInMonth(year, month)) {
    return "day " + std::to_string(day) + " out of range";
  }
  if (e[2] > 23 || e[3] > 59 || e[4] > 59) return "time of day out of range";
  const int want_month = (slot + 1) / 2;
  if (month != want_month) {
    return "month " + std::to_string(month) + ", want " + std::to_string(want_month);
  }
  return {};
}

// Seconds from 1899-12-30 00:00 to the entry's moment.
long long SecondsOf(int year, std::span<const std::uint8_t> e) {
  return 86400LL * DayNumberOfDate(year, e[0], e[1]) + 3600LL * e[2] + 60LL * e[3] + e[4];
}

}  // namespace

std::vector<std::string> SolarTermTableProblems(std::span<const std::uint8_t> table) {
  std::vector<std::string> problems;
  if (table.size() != kSolarTermTableBytes) {
    problems.push_back("size " + std::to_string(table.size()) + ", want " +
                       std::to_string(kSolarTermTableBytes));
    return problems;
  }
  bool have_previous = false;
  long long previous = 0;
  for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
    for (int slot = 1; slot <= kTermsPerYear; ++slot) {
      const auto entry = table.subspan(SolarTermEntryOffset(year, slot), kTermEntryBytes);
      if (const std::string problem = FieldProblem(year, slot, entry); !problem.empty()) {
        problems.push_back(Where(year, slot) + problem);
        have_previous = false;  // no order check against a broken entry
        continue;
      }
      const long long moment = SecondsOf(year, entry);
      if (have_previous && moment <= previous) {
        problems.push_back(Where(year, slot) + "not after the term before it");
      }
      previous = moment;
      have_previous = true;
    }
  }
  return problems;
}

}  // namespace veltrane::calendar
