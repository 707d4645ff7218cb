// How a chart is plotted: the conventions that schools differ on. Every
// default is the window's rule, so ChartOptions{} plots the window's chart.
#pragma once

#include <optional>

#include "chart/method.h"

namespace veltrane::chart {

// When the day pillar, and with it the yuan, changes: at 23:00 (the 子 hour
// opens the next day) or at midnight (23:00–23:59 keeps its day and takes the
// next day's 子 hour pillar, the 晚子时 reckoning).
enum class DayStart : int { kAt23 = 23, kAtMidnight = 0 };

// The palace that palace 5 counts as wherever a ring position is needed for
// it: always palace 2 (坤), or palace 8 (艮) in 阳遁 and palace 2 in 阴遁.
enum class CentrePalace : int { kKun, kGenKun };

// The solar clock of the day and hour pillars when a longitude is given:
// apparent (with the equation of time) or mean.
enum class SolarTime : int { kApparent, kMean };

struct ChartOptions {
  DayStart day_start = DayStart::kAt23;
  CentrePalace centre_palace = CentrePalace::kKun;
  // Degrees east of Greenwich. When set, the day and hour pillars (and the
  // yuan that follows the day) are read from the local solar time there.
  std::optional<double> longitude;
  SolarTime solar_time = SolarTime::kApparent;
  ChartMethod method = ChartMethod::kChaibu;
  // Under 置闰: the lead in days at which 芒种 or 大雪 repeats (8..10).
  int zhirun_lead_days = kDefaultZhirunLeadDays;
  bool operator==(const ChartOptions&) const = default;
};

}  // namespace veltrane::chart
