// Walking a range of moments by the keys that fix their charts: the pillars, term, yuan and ju
// of every moment without plotting each. A chart's keys change only at a day edge, a term or
// jie instant, or (under 茅山) a yuan instant, and the hour pillar steps once per two hours, so
// the keys are computed in full at the two ends of each day and where they differ the edge is
// found by halving; in between the hour pillar is counted on.
#pragma once

#include <array>
#include <cstdint>

#include "chart/chart_moment.h"
#include "chart/chart_options.h"
#include "chart/plot_chart.h"

namespace veltrane::search {

// A run of consecutive moments whose charts share every key but the hour pillar.
struct KeyRun {
  std::int64_t first = 0;  // numbers of its first and last moments
  std::int64_t last = 0;
  chart::Chart keys;   // ComputeChartKeys of the first moment
  int first_hour = 1;  // the first moment's hour pillar
};

class KeyWalk {
 public:
  // The moments first + k·step_minutes (step_minutes ≥ 1) under `options`.
  KeyWalk(const chart::ChartMoment& first, int step_minutes, const chart::ChartOptions& options);

  // The run that starts at moment `index` and ends at the latest moment before `end` (which
  // exceeds index) with the same keys but the hour pillar.
  KeyRun RunFrom(std::int64_t index, std::int64_t end);

  // The hour pillar of moment `index` of a run.
  int HourPillar(const KeyRun& run, std::int64_t index) const;

  // The minute number (calendar::MinuteNumberOf) of moment `index`.
  std::int64_t MinuteOf(std::int64_t index) const { return first_minute_ + index * step_; }

  // The civil moment of moment `index`.
  chart::ChartMoment MomentOf(std::int64_t index) const;

 private:
  const chart::Chart& KeysAt(std::int64_t index);
  // The last moment before the edge of the pillar day that moment `index` lies in.
  std::int64_t LastOfDay(std::int64_t index) const;

  std::int64_t first_minute_;
  std::int64_t step_;
  chart::ChartOptions options_;
  // A longitude puts the day and hour edges on the local solar clock, whose equation of time
  // moves them from day to day: every moment's keys are then computed in full.
  bool each_moment_;
  // The keys of the two moments computed last (a day's next day and its last moment are often
  // both asked for again), by moment number; −1 for none.
  struct Known {
    std::int64_t index = -1;
    chart::Chart keys;
  };
  std::array<Known, 2> known_;
  std::size_t newest_ = 0;
};

}  // namespace veltrane::search
