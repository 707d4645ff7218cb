// Shared by the search's tests: stepping through the hours of a span of years.
#pragma once

#include <functional>

#include "chart/chart_moment.h"

namespace veltrane::search::testing {

// Calls visit(moment) for the middle of every two-hour branch (hh:30 at odd hours, so that no
// moment lies on a branch edge) from 1 January of `first` to 31 December of `last`.
inline void ForEachHourBranch(int first, int last,
                              const std::function<void(const chart::ChartMoment&)>& visit) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int year = first; year <= last; ++year) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    for (int month = 1; month <= 12; ++month) {
      const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
      for (int day = 1; day <= days; ++day) {
        for (int hour = 1; hour < 24; hour += 2) visit({year, month, day, hour, 30});
      }
    }
  }
}

}  // namespace veltrane::search::testing
