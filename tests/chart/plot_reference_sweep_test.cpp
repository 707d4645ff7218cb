// The engine's plotting against the literal reference plotting over two
// centuries: every two hours of 1900 to 2100 (odd hours on every other day)
// on one plate model carried from chart to chart, compared field by field and
// box by box; every hour of the years at the ends of the plotting's range, of
// the stored term table and of the negative DateTime; and a thinner sweep of
// the whole range 1800..2999.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "calendar/gregorian.h"
#include "chart/plot_chart.h"
#include "plot_reference.h"
#include "plot_reference_diff.h"

namespace veltrane::chart {
namespace {

using calendar::DaysInMonth;

namespace ref = reference;

std::string Describe(int y, int m, int d, int h, int mi) {
  return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d) + " " +
         std::to_string(h) + ":" + std::to_string(mi);
}

// The kinds of chart the sweep has to meet.
struct Coverage {
  // Each ju (+ 9) with each hour pillar (− 1).
  std::array<std::array<bool, 60>, 19> ju_and_hour{};
  // The xun's instrument on palace 5; among those, the hour stem being the
  // instrument; and the hour stem, another instrument, on palace 5.
  long instrument_in_centre = 0;
  long fu_yin_in_centre = 0;
  long hour_stem_in_centre = 0;
  long after_23 = 0;

  void Add(const ref::Chart& c) {
    ju_and_hour[static_cast<std::size_t>(c.ju + 9)][static_cast<std::size_t>(c.hour_pillar - 1)] =
        true;
    const int centre = c.palaces[4].earth;
    if (c.hour == 23) ++after_23;
    if (centre == InstrumentOfXun(c.xun)) {
      ++instrument_in_centre;
      if (c.hour_stem == centre) ++fu_yin_in_centre;
    } else if (c.hour_stem == centre) {
      ++hour_stem_in_centre;
    }
  }
  int Combinations() const {
    int n = 0;
    for (const auto& row : ju_and_hour) {
      for (bool seen : row) n += seen ? 1 : 0;
    }
    return n;
  }
  // Item index of the xun's instrument: 戊 己 庚 辛 壬 癸 for 甲子 .. 甲寅.
  static int InstrumentOfXun(int xun) {
    constexpr std::array<int, 6> kInstruments = {8, 7, 6, 5, 4, 3};
    return xun >= 0 && xun < 6 ? kInstruments[static_cast<std::size_t>(xun)] : -1;
  }
};

TEST(PlotReferenceSweepTest, EveryTwoHoursFrom1900To2100BoxByBox) {
  PlateModel model;
  ref::Boxes boxes;
  ui::CentreMarkers markers;
  ref::PlaceStarBoxes(markers, boxes);
  Coverage coverage;
  long charts = 0;
  int failures = 0;
  long day_index = 0;
  for (int y = 1900; y <= 2100; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= DaysInMonth(y, m); ++d, ++day_index) {
        for (int h = static_cast<int>(day_index % 2); h < 24; h += 2) {
          const int mi = static_cast<int>((day_index * 17 + h * 7) % 60);
          const Chart engine = PlotChartOnModel(model, {y, m, d, h, mi});
          const ref::Chart expected = ref::PlotChart(boxes, y, m, d, h, mi);
          coverage.Add(expected);
          ++charts;
          const std::string diff = ref::ChartDifferences(engine, expected) +
                                   ref::TextDifferences(engine, expected) +
                                   ref::BoxDifferences(model, markers, boxes);
          if (!diff.empty() && ++failures <= 20) {
            ADD_FAILURE() << Describe(y, m, d, h, mi) << ": " << diff;
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0) << "of " << charts << " charts";
  EXPECT_GT(charts, 880'000);
  EXPECT_EQ(coverage.Combinations(), 18 * 60);  // every ju with every hour pillar
  EXPECT_GT(coverage.instrument_in_centre, 1000);
  EXPECT_GT(coverage.fu_yin_in_centre, 100);
  EXPECT_GT(coverage.hour_stem_in_centre, 1000);
  EXPECT_GT(coverage.after_23, 30'000);
}

TEST(PlotReferenceSweepTest, EveryHourOfTheBoundaryYears) {
  long charts = 0;
  int failures = 0;
  for (int y : {1800, 1850, 1879, 1880, 1899, 1900, 2079, 2080, 2100, 2999}) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= DaysInMonth(y, m); ++d) {
        for (int h = 0; h < 24; ++h) {
          const int mi = (d * 13 + h * 7) % 60;
          ref::Boxes boxes;
          const ref::Chart expected = ref::PlotChart(boxes, y, m, d, h, mi);
          const Chart engine = ComputeChart({y, m, d, h, mi});
          const std::string diff =
              ref::ChartDifferences(engine, expected) + ref::TextDifferences(engine, expected);
          ++charts;
          if (!diff.empty() && ++failures <= 20) {
            ADD_FAILURE() << Describe(y, m, d, h, mi) << ": " << diff;
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0) << "of " << charts << " charts";
}

// Every 97th hour (so every hour of the day in turn) of the whole range the
// plotting accepts, where the terms outside 1880..2079 come from the formula.
TEST(PlotReferenceSweepTest, Every97thHourFrom1800To2999) {
  long charts = 0;
  int failures = 0;
  long n = 0;
  for (int y = 1800; y <= 2999; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= DaysInMonth(y, m); ++d) {
        for (int h = 0; h < 24; ++h) {
          if (n++ % 97 != 0) continue;
          const int mi = static_cast<int>(n % 60);
          ref::Boxes boxes;
          const ref::Chart expected = ref::PlotChart(boxes, y, m, d, h, mi);
          const Chart engine = ComputeChart({y, m, d, h, mi});
          const std::string diff =
              ref::ChartDifferences(engine, expected) + ref::TextDifferences(engine, expected);
          ++charts;
          if (!diff.empty() && ++failures <= 20) {
            ADD_FAILURE() << Describe(y, m, d, h, mi) << ": " << diff;
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0) << "of " << charts << " charts";
}

}  // namespace
}  // namespace veltrane::chart
