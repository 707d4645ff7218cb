// A chart plotted by a method other than 拆补: its term, yuan and ju are the
// method's and its plates are laid for that ju; nothing else moves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "chart/method.h"
#include "chart/plot_chart.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

struct MethodCase {
  ChartMoment moment;
  ChartMethod method;
  SolarTerm term;
  Yuan yuan;
  int ju;
};

// From the 2024 worked year: at noon on 22 December 置闰 is in the 闰局 of
// 大雪 (11 to 25 December) while 冬至 is in force since the 21st; at noon on
// 2 January the 小寒 period of 置闰 has begun by 超神 on 甲子 (1 January),
// four days before 小寒, and 茅山 is in the 下元 of 冬至 (ten days after its
// moment of 22 December 2023).
TEST(MethodChartTest, TermYuanJuAndPlatesAreTheMethods) {
  const MethodCase cases[] = {
      {{2024, 12, 22, 12, 0}, ChartMethod::kChaibu, SolarTerm::kDongzhi, Yuan::Lower, 4},
      {{2024, 12, 22, 12, 0}, ChartMethod::kZhirun, SolarTerm::kDaxue, Yuan::Lower, -1},
      {{2024, 1, 2, 12, 0}, ChartMethod::kChaibu, SolarTerm::kDongzhi, Yuan::Upper, 1},
      {{2024, 1, 2, 12, 0}, ChartMethod::kZhirun, SolarTerm::kXiaohan, Yuan::Upper, 2},
      {{2024, 1, 2, 12, 0}, ChartMethod::kMaoshan, SolarTerm::kDongzhi, Yuan::Lower, 4},
  };
  for (const MethodCase& c : cases) {
    SCOPED_TRACE(std::string(ChartMethodName(c.method)) + " " + std::to_string(c.moment.month));
    const Chart window = ComputeChart(c.moment);
    ChartOptions options;
    options.method = c.method;
    const Chart chart = ComputeChart(c.moment, options);
    EXPECT_EQ(chart.term, c.term);
    EXPECT_EQ(chart.yuan, c.yuan);
    EXPECT_EQ(chart.ju, c.ju);
    // The earth plate lays 戊 in the palace of the ju's number.
    EXPECT_EQ(chart.cell(Palace::Of(std::abs(c.ju)).value()).earth_stem, Stem::kWu);
    EXPECT_EQ(chart.pillars.day, window.pillars.day);
    EXPECT_EQ(chart.pillars.hour, window.pillars.hour);
    EXPECT_EQ(chart.xun, window.xun);
  }
}

// The plates are laid again under the chart's other options: on 22 December
// 2024 拆补 gives 阳遁 and 置闰 阴遁, so under 艮坤 palace 5 counts as 8 and as 2.
TEST(MethodChartTest, PlatesKeepTheCentrePalaceOption) {
  ChartOptions options;
  options.centre_palace = CentrePalace::kGenKun;
  EXPECT_EQ(ComputeChart({2024, 12, 22, 12, 0}, options).centre_host, Palace::At<8>());
  options.method = ChartMethod::kZhirun;
  EXPECT_EQ(ComputeChart({2024, 12, 22, 12, 0}, options).centre_host, Palace::At<2>());
}

// 23:30 on 25 December 2024, the last day of the 闰局 of 大雪: by default the
// day pillar is already the 26th (甲子), which opens 冬至 上元; under a day
// that starts at midnight it is still the 25th, the 下元 of the repetition.
// The period walk counts term days the same way in each case.
TEST(MethodChartTest, ZhirunFollowsTheDayStartInItsWalkAndItsLookup) {
  ChartOptions options;
  options.method = ChartMethod::kZhirun;
  const Chart at_23 = ComputeChart({2024, 12, 25, 23, 30}, options);
  EXPECT_EQ(at_23.term, SolarTerm::kDongzhi);
  EXPECT_EQ(at_23.yuan, Yuan::Upper);
  EXPECT_EQ(at_23.ju, 1);
  options.day_start = DayStart::kAtMidnight;
  const Chart at_midnight = ComputeChart({2024, 12, 25, 23, 30}, options);
  EXPECT_EQ(at_midnight.term, SolarTerm::kDaxue);
  EXPECT_EQ(at_midnight.yuan, Yuan::Lower);
  EXPECT_EQ(at_midnight.ju, -1);
  const MethodInput input = MethodInputOfChart(at_midnight, options);
  EXPECT_TRUE(input.day_from_midnight);
  EXPECT_EQ(input.zhirun_lead_days, kDefaultZhirunLeadDays);
}

// The method is a step of the plotting itself: a model that plotted other
// charts before gives the same method chart as a fresh one.
TEST(MethodChartTest, PlottingOnAModelTakesTheMethod) {
  PlateModel model;
  for (const ChartMethod method : {ChartMethod::kZhirun, ChartMethod::kMaoshan}) {
    ChartOptions options;
    options.method = method;
    for (const ChartMoment moment :
         {ChartMoment{2024, 12, 22, 12, 0}, ChartMoment{2024, 1, 2, 12, 0},
          ChartMoment{1800, 1, 1, 0, 0}, ChartMoment{2999, 12, 31, 23, 0}}) {
      PlotChartOnModel(model, {2015, 6, 1, 3, 0});
      const Chart on_model = PlotChartOnModel(model, moment, options);
      const Chart fresh = ComputeChart(moment, options);
      EXPECT_EQ(on_model.ju, fresh.ju);
      EXPECT_EQ(on_model.term_moment, fresh.term_moment);
      EXPECT_EQ(on_model.cells, fresh.cells);
    }
  }
}

// The yuan of a day pillar outside 1..60 is none, whose ju is 0.
TEST(MethodChartTest, NoYuanOutsideTheSixtyDays) {
  for (const int day : {0, -1, 61, 1000}) {
    EXPECT_EQ(YuanOfDayGanZhi(day), Yuan::None) << day;
    EXPECT_EQ(MethodJuOf(SolarTerm::kDongzhi, YuanOfDayGanZhi(day)).ju, 0) << day;
  }
  EXPECT_EQ(YuanOfDayGanZhi(1), Yuan::Upper);
  EXPECT_EQ(YuanOfDayGanZhi(60), Yuan::Lower);
}

}  // namespace
}  // namespace veltrane::chart
