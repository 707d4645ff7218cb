// Charts under the options, each worked by hand from the sixty-day cycle
// (2001-12-27 is 甲子), the ju table and the ring order 1 8 3 4 9 2 7 6.
#include <gtest/gtest.h>

#include <string>

#include "chart/plot_chart.h"
#include "views/chart_text.h"
#include "views/chart_view.h"

namespace veltrane::chart {
namespace {

constexpr int kJiaZi = 1, kWuChen = 5, kJiSi = 6, kYiMao = 52, kBingChen = 53;

ChartOptions With(DayStart start) {
  ChartOptions o;
  o.day_start = start;
  return o;
}
ChartOptions GenKun() {
  ChartOptions o;
  o.centre_palace = CentrePalace::kGenKun;
  return o;
}
ChartOptions At(double longitude, SolarTime clock) {
  ChartOptions o;
  o.longitude = longitude;
  o.solar_time = clock;
  return o;
}

// 2001-12-31 is 戊辰, 2002-01-01 己巳; both lie in 冬至 (阳 1 7 4). From 23:00
// the day starting at 23 counts 己巳 (its own 符头, 中元: 阳7); at midnight the
// day stays 戊辰 (符头 甲子, 上元: 阳1). Both take 己巳's 子 hour, 甲子.
TEST(ChartOptionsTest, DayStartMovesOnlyTheDayOf23xx) {
  const ChartMoment late{2001, 12, 31, 23, 30};
  const Chart at23 = ComputeChart(late, With(DayStart::kAt23));
  const Chart at0 = ComputeChart(late, With(DayStart::kAtMidnight));
  EXPECT_EQ(at23.pillars.day, kJiSi);
  EXPECT_EQ(at23.ju, 7);
  EXPECT_EQ(at0.pillars.day, kWuChen);
  EXPECT_EQ(at0.ju, 1);
  EXPECT_EQ(at23.pillars.hour, kJiaZi);
  EXPECT_EQ(at0.pillars.hour, kJiaZi);
  for (const ChartMoment m : {ChartMoment{2001, 12, 31, 22, 59}, ChartMoment{2002, 1, 1, 0, 0}}) {
    EXPECT_EQ(ComputeChart(m, With(DayStart::kAtMidnight)).pillars, ComputeChart(m).pillars);
  }
}

// 2024-04-30 01:30 and 2024-05-01 04:00 lie in 谷雨上元, 阳遁五局: 戊 in palace
// 5, 丁 in 2, 辛 in 8. At 乙丑 (xun 甲子, instrument 戊 in the centre) the stem
// of the host palace carries its star to 乙's palace 4: 丁 with 天芮 (寄坤), or
// 辛 with 天任 (寄艮), whose home gate (死门 or 生门) goes to 己's palace 6.
// At 戊寅 (xun 甲戌, 己 in 6) the hour stem 戊 is central: 己 with 天心 and
// 值符 go to the host palace, 2 or 8.
TEST(ChartOptionsTest, GenKunHostsTheCentreInPalace8InYangDun) {
  const ChartMoment instrument_central{2024, 4, 30, 1, 30};
  const Chart kun = ComputeChart(instrument_central);
  const Chart gen = ComputeChart(instrument_central, GenKun());
  ASSERT_EQ(kun.ju, 5);
  const Palace p4 = Palace::At<4>();
  EXPECT_EQ(kun.cell(p4).heaven_stem, Stem::kDing);
  EXPECT_EQ(kun.cell(p4).star, Star::kRui);
  EXPECT_EQ(gen.cell(p4).heaven_stem, Stem::kXin);
  EXPECT_EQ(gen.cell(p4).star, Star::kRen);
  EXPECT_EQ(gen.cell(Palace::At<6>()).heaven_stem, Stem::kDing);  // with 天芮, two ring steps on
  EXPECT_EQ(kun.duty_gate, Gate::kDeath);
  EXPECT_EQ(gen.duty_gate, Gate::kLife);
  EXPECT_EQ(gen.duty_gate_palace, Palace::At<6>());
  EXPECT_EQ(gen.duty_star, Star::kRen);
  const std::string text = views::FormatChartText(views::ViewOfChart(gen));
  EXPECT_NE(text.find("戊　禽任　辛"), std::string::npos) << text;
  EXPECT_EQ(text.find("禽芮"), std::string::npos) << text;

  const ChartMoment hour_stem_central{2024, 5, 1, 4, 0};
  for (const auto& [options, host] :
       {std::pair{ChartOptions{}, Palace::At<2>()}, std::pair{GenKun(), Palace::At<8>()}}) {
    const Chart c = ComputeChart(hour_stem_central, options);
    EXPECT_EQ(c.centre_host, host);
    EXPECT_EQ(c.cell(host).heaven_stem, Stem::kJi);
    EXPECT_EQ(c.cell(host).star, Star::kXin);
    EXPECT_EQ(c.cell(host).deity, Deity::kZhiFu);
    EXPECT_EQ(c.duty_star_palace, kCentre);
  }
}

// 2024-08-18 01:30 is 阴遁五局 with 戊 central at 乙丑: 寄坤 either way.
TEST(ChartOptionsTest, GenKunKeepsPalace2InYinDun) {
  const ChartMoment m{2024, 8, 18, 1, 30};
  const Chart kun = ComputeChart(m);
  const Chart gen = ComputeChart(m, GenKun());
  ASSERT_EQ(kun.ju, -5);
  ASSERT_EQ(kun.cell(kCentre).earth_stem, Stem::kWu);
  EXPECT_EQ(gen.cells, kun.cells);
  EXPECT_EQ(gen.duty_gate_palace, kun.duty_gate_palace);
  EXPECT_EQ(views::FormatChartText(views::ViewOfChart(gen)),
            views::FormatChartText(views::ViewOfChart(kun)));
}

// At 0° the mean clock runs 8 h behind UTC+8: 2001-12-27 04:00 is 12-26
// 20:00, day 癸亥 (符头 己未, 下元: 冬至 阳4), hour 壬戌 (戊癸 days open with 壬子).
// The year, month and term come from the instant: 辛巳 庚子, 冬至.
TEST(ChartOptionsTest, LongitudeReadsTheDayAndHourFromLocalMeanTime) {
  const ChartMoment m{2001, 12, 27, 4, 0};
  const Chart here = ComputeChart(m);
  const Chart greenwich = ComputeChart(m, At(0.0, SolarTime::kMean));
  EXPECT_EQ(greenwich.pillars.day, 60);
  EXPECT_EQ(greenwich.pillars.hour, 59);
  EXPECT_EQ(greenwich.pillars.year, here.pillars.year);
  EXPECT_EQ(greenwich.pillars.month, here.pillars.month);
  EXPECT_EQ(greenwich.term, here.term);
  EXPECT_EQ(greenwich.ju, 4);
  ASSERT_TRUE(greenwich.solar_clock);
  EXPECT_EQ(greenwich.solar_clock->time, (ChartMoment{2001, 12, 26, 20, 0}));
  EXPECT_EQ(greenwich.solar_clock->longitude_correction_seconds, -28800.0);
  EXPECT_EQ(greenwich.solar_clock->equation_of_time_seconds, 0.0);
  // On the 120° meridian the mean clock is UTC+8 itself.
  const Chart meridian = ComputeChart(m, At(120.0, SolarTime::kMean));
  EXPECT_EQ(meridian.pillars, here.pillars);
  EXPECT_EQ(meridian.cells, here.cells);
}

// Early November the apparent Sun runs 16 min 26 s ahead of the mean (the
// year's largest equation of time): 2021-11-03 22:50 at 120° E is 23:06:26
// apparent, so the day is already 丙辰 (not 乙卯) and the hour its 子, 戊子.
TEST(ChartOptionsTest, ApparentTimeAddsTheEquationOfTime) {
  const ChartMoment m{2021, 11, 3, 22, 50};
  const Chart c = ComputeChart(m, At(120.0, SolarTime::kApparent));
  ASSERT_TRUE(c.solar_clock);
  EXPECT_NEAR(c.solar_clock->equation_of_time_seconds, 986.0, 3.0);
  EXPECT_EQ(c.solar_clock->time, (ChartMoment{2021, 11, 3, 23, 6}));
  EXPECT_EQ(ComputeChart(m).pillars.day, kYiMao);
  EXPECT_EQ(c.pillars.day, kBingChen);
  EXPECT_EQ(c.pillars.hour, 25);
  // Midnight start, and the clock rather than the moment decides the 23rd hour.
  ChartOptions midnight = At(120.0, SolarTime::kApparent);
  midnight.day_start = DayStart::kAtMidnight;
  EXPECT_EQ(ComputeChart(m, midnight).pillars.day, kYiMao);
  EXPECT_EQ(ComputeChart(m, midnight).pillars.hour, 25);
}

}  // namespace
}  // namespace veltrane::chart
