// The edges around a chart, minutes across which it would be plotted
// differently: the start of the solar term in force and of the next one, the
// start of the current yuan and of the next, and the start and end of the
// hour branch; and which of them lie near the chart's moment.
#pragma once

#include <array>
#include <cstdint>

#include "chart/chart_options.h"
#include "chart/plot_chart.h"

namespace veltrane::chart {

// An instant as whole seconds from 1899-12-30 00:00 China Standard Time (UTC+8).
using ChartSeconds = std::int64_t;

// Where a term's moment comes from: the calendar's stored moments (1880..2079)
// or the closed solar-term formula of the four-pillar arithmetic.
enum class TermSource : int { kTable, kFormula };

// The edges of a chart, in the order they are reported.
enum class Edge : int { kTermStart, kNextTerm, kYuanStart, kNextYuan, kHourStart, kHourEnd };
inline constexpr int kEdgeCount = 6;

struct TermEdge {
  SolarTerm term = SolarTerm::kDongzhi;
  ChartSeconds start = 0;  // the first whole second at which the term is in force
  TermSource source = TermSource::kTable;
};

struct ChartBoundaries {
  ChartSeconds chart = 0;  // the chart's own instant
  TermEdge term;           // the term in force
  TermEdge next_term;
  // The sixty-cycle numbers of the 符头 days (甲 or 己) that open the current
  // and the next yuan; 0 where the yuan is not counted by 符头 (茅山).
  int yuan_head = 0;
  int next_yuan_head = 0;
  ChartSeconds yuan_start = 0;
  ChartSeconds next_yuan = 0;
  Branch hour_branch = Branch::kZi;
  ChartSeconds hour_start = 0;
  ChartSeconds hour_end = 0;
  // How far the term moments of the two terms' years may be off, in seconds
  // (calendar::TermUncertaintySeconds; −1 outside its years).
  int term_uncertainty_seconds = -1;

  // The instant of an edge.
  ChartSeconds At(Edge edge) const;
};

// An edge within the near window of a chart: its signed distance from the
// chart, positive when the edge is still to come.
struct NearEdge {
  Edge edge = Edge::kTermStart;
  ChartSeconds offset = 0;  // edge − chart, seconds
};

// The near edges of a chart in Edge order, at most one of each.
struct NearEdges {
  std::array<NearEdge, kEdgeCount> items{};
  int count = 0;
  const NearEdge* begin() const { return items.data(); }
  const NearEdge* end() const { return items.data() + count; }
};

// The edges of a plotted chart under the options it was plotted with. The
// day and hour edges (and the yuan's, which follow the day) are read on the
// chart's pillar clock: China Standard Time, or the local solar time of the
// options' longitude; the term edges are instants in any case.
ChartBoundaries ComputeBoundaries(const Chart& chart, const ChartOptions& options = {});

// How close, unless told otherwise, an edge must lie to a chart to count as near.
inline constexpr int kDefaultNearMinutes = 10;

// The edges no more than near_minutes from the chart (near_minutes ≥ 0).
NearEdges NearEdgesOf(const ChartBoundaries& boundaries, int near_minutes);

// A ChartSeconds instant as a civil date and time in China Standard Time.
struct CivilSecond {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};
CivilSecond CivilOfSeconds(ChartSeconds instant);

// The ChartSeconds instant of a chart moment (a civil minute in UTC+8).
ChartSeconds SecondsOfMoment(const ChartMoment& moment);

}  // namespace veltrane::chart
