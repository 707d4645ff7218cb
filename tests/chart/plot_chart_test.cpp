// Plotting on the plate model: the worked chart, the earth-plate layouts, the
// hour-pillar cases, the term in force, and the decisions on clamping and on
// an instrument in the centre palace.
#include "chart/plot_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "base/text/gbk.h"
#include "calendar/date_time.h"
#include "calendar/solar_term_moment.h"
#include "chart/box_items.h"
#include "chart/term_in_force.h"
#include "ui/window_texts.h"
#include "worked_chart_palaces.h"

namespace veltrane::chart {
namespace {

using testing_support::IndexOf;
using testing_support::kWorkedChartPalaces;
using testing_support::PalaceRow;
using ui::DutyText;
using ui::JuText;
using ui::PillarsText;
using ui::TermName;
using ui::TermText;
using ui::XunText;

Stem StemNamed(std::string_view s) { return static_cast<Stem>(IndexOf(kStemTexts, s) + 1); }
std::optional<Star> StarNamed(std::string_view s) {
  return RingItemOf<Star>(IndexOf(kStarItems, s));
}
std::optional<Gate> GateNamed(std::string_view s) {
  return RingItemOf<Gate>(IndexOf(kGateItems, s));
}
std::optional<Deity> DeityNamed(std::string_view s) {
  return RingItemOf<Deity>(IndexOf(kDeityItems, s));
}
std::optional<Deity> CounterNamed(std::string_view s) {
  return RingItemOf<Deity>(IndexOf(kCounterDeityItems, s));
}
Palace P(int number) { return Palace::Of(number).value(); }

std::string Utf8(std::string_view gbk) { return runtime::Utf8FromGbk(gbk); }

// Sixty-cycle number of a two-character UTF-8 GanZhi.
int GanZhi(std::string_view utf8) {
  for (int n = 1; n <= kGanZhiCount; ++n) {
    if (std::string(GanZhiText(n)) == utf8) return n;
  }
  ADD_FAILURE() << "no GanZhi " << utf8;
  return 1;
}

void ExpectPalaces(const Chart& chart, const std::array<PalaceRow, 9>& rows) {
  for (const Palace p : kPalaces) {
    const PalaceRow& r = rows[p.index()];
    const PalaceCell& c = chart.cell(p);
    SCOPED_TRACE("palace " + std::to_string(p.number()));
    EXPECT_EQ(c.earth_stem, StemNamed(r.earth));
    EXPECT_EQ(c.heaven_stem, StemNamed(r.heaven));
    EXPECT_EQ(c.hidden_stem, StemNamed(r.hidden));
    if (p.is_centre()) {
      EXPECT_FALSE(c.star || c.gate || c.deity || c.counter_deity);
      continue;
    }
    EXPECT_EQ(c.star, StarNamed(r.star));
    EXPECT_EQ(c.gate, GateNamed(r.gate));
    EXPECT_EQ(c.deity, DeityNamed(r.deity));
    EXPECT_EQ(c.counter_deity, CounterNamed(r.counter));
  }
}

// The earth stems of palaces 1..9 as one UTF-8 text.
std::string EarthRow(const Chart& chart) {
  std::string row;
  for (const Palace p : kPalaces) row += Text(chart.cell(p).earth_stem);
  return row;
}

// Lays the plates for a ju and an hour pillar on a freshly reset model.
Chart PlatesFor(int ju, std::string_view hour_pillar, PlateModel* model_out = nullptr) {
  PlateModel model;
  model.ResetChart();
  Chart chart;
  chart.ju = ju;
  chart.pillars.hour = GanZhi(hour_pillar);
  PlotPlates(model, chart);
  if (model_out != nullptr) *model_out = model;
  return chart;
}

// --- The worked chart ----------------------------------------------------------

TEST(WorkedChartTest, December27Of2001AtHour4) {
  const Chart chart = ComputeChart({2001, 12, 27, 4, 17});
  EXPECT_EQ(Utf8(PillarsText(chart.pillars).view()), "辛巳庚子甲子丙寅");
  EXPECT_EQ(chart.term, SolarTerm::kDongzhi);
  EXPECT_EQ(chart.yuan, Yuan::Upper);
  EXPECT_EQ(chart.ju, 1);
  EXPECT_EQ(Utf8(TermText(chart).view()), "冬至:上元 阳遁1局");
  EXPECT_EQ(Utf8(JuText(chart).view()), "阳遁1局");
  EXPECT_EQ(Utf8(XunText(chart)), "甲子戊");
  EXPECT_EQ(chart.hour_stem, Stem::kBing);
  EXPECT_EQ(chart.duty_gate_target, Stem::kGeng);
  EXPECT_EQ(chart.void_palaces, (std::array<Palace, 2>{P(6), P(6)}));
  EXPECT_EQ(chart.horse_palace, P(2));
  ExpectPalaces(chart, kWorkedChartPalaces);
  EXPECT_EQ(chart.duty_star, Star::kPeng);
  EXPECT_EQ(chart.duty_star_palace, P(8));
  EXPECT_EQ(chart.duty_gate, Gate::kRest);
  EXPECT_EQ(chart.duty_gate_palace, P(3));
  EXPECT_EQ(Utf8(DutyText(chart).view()), "值符天蓬落8宫 值使休门落3宫");
}

TEST(WorkedChartTest, SameHourInYinJu9) {
  const Chart chart = PlatesFor(-9, "丙寅");
  EXPECT_EQ(Utf8(DutyText(chart).view()), "值符天英落2宫 值使景门落7宫");
  const char* hidden[] = {"壬", "辛", "庚", "己", "戊", "乙", "丙", "丁", "癸"};
  for (const Palace p : kPalaces) {
    EXPECT_EQ(chart.cell(p).hidden_stem, StemNamed(hidden[p.index()])) << p.number();
  }
}

TEST(WorkedChartTest, TheMinuteDoesNotChangeTheChart) {
  const Chart at0 = ComputeChart({2001, 12, 27, 4, 0});
  const Chart at59 = ComputeChart({2001, 12, 27, 4, 59});
  EXPECT_EQ(at0.cells, at59.cells);
  EXPECT_EQ(Utf8(DutyText(at59).view()), "值符天蓬落8宫 值使休门落3宫");
}

// --- The earth plate -----------------------------------------------------------

struct EarthCase {
  int ju;
  int steps;  // earth steps it takes: the counter and its label after them
  const char* earth;
};

TEST(EarthPlateTest, JuLaysWuInItsPalaceAndFollowsLayingOrder) {
  const EarthCase cases[] = {
      {1, 8, "戊己庚辛壬癸丁丙乙"}, {-9, 9, "乙丙丁癸壬辛庚己戊"},  // the reset arrangement
      {9, 9, "己庚辛壬癸丁丙乙戊"}, {-1, 8, "戊乙丙丁癸壬辛庚己"}, {5, 4, "癸丁丙乙戊己庚辛壬"},
  };
  for (const EarthCase& c : cases) {
    PlateModel model;
    const Chart chart = PlatesFor(c.ju, "丙寅", &model);
    EXPECT_EQ(EarthRow(chart), c.earth) << "ju " << c.ju;
    EXPECT_EQ(model.counters.earth, c.steps % 9) << "ju " << c.ju;
  }
}

// --- Hour pillars --------------------------------------------------------------

TEST(HourPillarTest, JiaHourWithOuterInstrumentIsFuYin) {
  // 甲子 hour in yang 1: the instrument 戊 lies in palace 1 and is the hour stem.
  PlateModel model;
  const Chart chart = PlatesFor(1, "甲子", &model);
  EXPECT_EQ(chart.hour_stem, Stem::kWu);
  EXPECT_EQ(model.counters.star, 0);  // eight star steps: back where it started
  EXPECT_EQ(model.LabelNumber(CounterLabel::Star), 8);
  for (const Palace p : kPalaces) {
    EXPECT_EQ(chart.cell(p).heaven_stem, chart.cell(p).earth_stem) << p.number();
  }
  EXPECT_EQ(chart.cell(P(1)).star, Star::kPeng);
  EXPECT_EQ(chart.cell(P(2)).star, Star::kRui);
  EXPECT_EQ(chart.cell(P(1)).gate, Gate::kRest);  // e = 0: the duty gate stays home
  EXPECT_EQ(chart.duty_gate_palace, P(1));
  EXPECT_EQ(Utf8(DutyText(chart).view()), "值符天蓬落1宫 值使休门落1宫");
}

TEST(HourPillarTest, GuiHaiBelongsToJiaYin) {
  const Chart chart = PlatesFor(1, "癸亥");
  EXPECT_EQ(Utf8(XunText(chart)), "甲寅癸");
  EXPECT_EQ(chart.hour_stem, Stem::kGui);
  EXPECT_EQ(chart.void_palaces, (std::array<Palace, 2>{P(8), P(1)}));
  EXPECT_EQ(chart.horse_palace, P(4));
  // e = 9 hours since 甲寅: nine places on in LayingOrder is 癸 itself.
  EXPECT_EQ(chart.duty_gate_target, Stem::kGui);
}

TEST(HourPillarTest, HorsePalaceFollowsTheHourBranch) {
  const struct {
    const char* hour;
    int horse;
  } cases[] = {{"甲子", 8}, {"丙辰", 8}, {"壬申", 8}, {"乙丑", 6}, {"丁巳", 6}, {"丁酉", 6},
               {"丙寅", 2}, {"庚午", 2}, {"甲戌", 2}, {"丁卯", 4}, {"辛未", 4}, {"乙亥", 4}};
  for (const auto& c : cases) {
    EXPECT_EQ(PlatesFor(3, c.hour).horse_palace.number(), c.horse) << c.hour;
  }
}

TEST(HourPillarTest, From23HoursTheNextDaysYuanDecides) {
  // 2001-12-31 is 戊辰 (上元); 2002-01-01 is 己巳 (中元); both in 冬至.
  const Chart before = ComputeChart({2001, 12, 31, 22, 59});
  const Chart after = ComputeChart({2001, 12, 31, 23, 0});
  EXPECT_EQ(std::string(GanZhiText(before.pillars.day)), "戊辰");
  EXPECT_EQ(std::string(GanZhiText(after.pillars.day)), "己巳");
  EXPECT_EQ(Utf8(TermText(before).view()), "冬至:上元 阳遁1局");
  EXPECT_EQ(Utf8(TermText(after).view()), "冬至:中元 阳遁7局");
}

// --- The term in force ---------------------------------------------------------

// The chart's SolarTerm of a calendar slot: the term whose moment it is.
SolarTerm SolarTermOfSlot(int slot) { return SolarTermOf(slot % kTermCount + 1); }
int NumberOfSlot(int slot) { return slot <= 2 ? slot + 22 : slot - 2; }

TEST(TermInForceTest, AMomentEqualToATermLiesInThatTerm) {
  for (int slot : {1, 3, 12, 24}) {
    const double t = calendar::SolarTermMoment(2015, NumberOfSlot(slot));
    const int previous = slot - 1 == 0 ? 24 : slot - 1;
    const double previous_t =
        calendar::SolarTermMoment(slot == 1 ? 2014 : 2015, NumberOfSlot(previous));
    EXPECT_EQ(FindTermInForce(t).term, SolarTermOfSlot(slot)) << slot;
    EXPECT_EQ(FindTermInForce(t).start, t) << slot;
    EXPECT_EQ(FindTermInForce(t - 1.0 / 86400).term, SolarTermOfSlot(previous)) << slot;
    EXPECT_EQ(FindTermInForce(t - 1.0 / 86400).start, previous_t) << slot;
  }
}

TEST(TermInForceTest, BeforeXiaoHanItIsDongZhi) {
  EXPECT_EQ(FindTermInForce(calendar::ComposeDateTime(2015, 1, 5, 12, 0, 0)).term,
            SolarTerm::kDongzhi);
  EXPECT_EQ(FindTermInForce(calendar::ComposeDateTime(2015, 12, 31, 12, 0, 0)).term,
            SolarTerm::kDongzhi);
  EXPECT_EQ(FindTermInForce(calendar::ComposeDateTime(2015, 12, 22, 12, 0, 0)).term,
            SolarTerm::kDaxue);
}

TEST(TermInForceTest, ChartOnAWholeMinuteTermMoment) {
  // Find stored term moments that fall on a whole minute and plot at them.
  int found = 0;
  for (int year = 1880; year <= 2079 && found < 3; ++year) {
    for (int slot = 1; slot <= kTermCount && found < 3; ++slot) {
      const double t = calendar::SolarTermMoment(year, NumberOfSlot(slot));
      const double seconds = std::fabs(t - std::trunc(t)) * 86400;
      const int whole = static_cast<int>(std::lround(seconds));
      if (whole % 60 != 0 || std::fabs(seconds - whole) > 1e-3) continue;
      const calendar::CivilDate d = calendar::SplitDateTime(t);
      const int hour = whole / 3600;
      const int minute = whole / 60 % 60;
      EXPECT_EQ(ComputeChart({d.year, d.month, d.day, hour, minute}).term, SolarTermOfSlot(slot))
          << year << " slot " << slot;
      ++found;
    }
  }
  EXPECT_EQ(found, 3);
}

TEST(TermInForceTest, NormalizeMomentMakesNegativeMomentsLinear) {
  EXPECT_EQ(NormalizeMoment(1.25), 1.25);
  EXPECT_EQ(NormalizeMoment(-1.25), -0.75);  // 1899-12-29 06:00
  EXPECT_EQ(NormalizeMoment(-1e9), calendar::kMinDateTime);
  EXPECT_EQ(NormalizeMoment(1e9), calendar::kMaxDateTime);
  EXPECT_LT(NormalizeMoment(calendar::ComposeDateTime(1899, 12, 29, 6, 0, 0)),
            NormalizeMoment(calendar::ComposeDateTime(1899, 12, 29, 7, 0, 0)));
}

// --- Decisions on clamping and on years outside the stored terms ------------------

TEST(ClampTest, DateBoxesAreClampedToRealDates) {
  EXPECT_EQ(ClampChartMoment(2015, 4, 31, 12, 0), (ChartMoment{2015, 4, 30, 12, 0}));
  EXPECT_EQ(ClampChartMoment(2015, 2, 29, 12, 0), (ChartMoment{2015, 2, 28, 12, 0}));
  EXPECT_EQ(ClampChartMoment(2016, 2, 29, 12, 0), (ChartMoment{2016, 2, 29, 12, 0}));
  EXPECT_EQ(ClampChartMoment(2100, 2, 29, 12, 0), (ChartMoment{2100, 2, 28, 12, 0}));
  EXPECT_EQ(ClampChartMoment(1500, 0, 0, -3, -1), (ChartMoment{1800, 1, 1, 0, 0}));
  EXPECT_EQ(ClampChartMoment(9999, 13, 99, 24, 60), (ChartMoment{2999, 12, 31, 23, 59}));
  EXPECT_EQ(ClampChartMoment(2015, 12, 31, 0, 0), (ChartMoment{2015, 12, 31, 0, 0}));
}

TEST(ClampTest, HourZeroIsTheZiHour) {
  const Chart chart = ComputeChart({2001, 12, 27, 0, 5});
  EXPECT_EQ(chart.date.hour, 0);
  EXPECT_EQ(std::string(GanZhiText(chart.pillars.hour)), "甲子");
}

TEST(ClampTest, DayPastTheMonthIsPlottedAsItsLastDay) {
  const Chart april = ComputeChart({2015, 4, 31, 12, 0});
  EXPECT_EQ(april.date.day, 30);
  EXPECT_EQ(april.cells, ComputeChart({2015, 4, 30, 12, 0}).cells);
  const Chart february = ComputeChart({2015, 2, 29, 12, 0});
  EXPECT_EQ(february.date.day, 28);
  EXPECT_EQ(Utf8(TermName(february.term)), "雨水");
}

TEST(YearsOutsideTheTableTest, TermComesFromTheClosedFormula) {
  const struct {
    ChartMoment date;
    const char* term;
  } cases[] = {
      {{1850, 6, 30, 12, 0}, "夏至"},  {{1850, 1, 1, 0, 0}, "冬至"},
      {{1800, 3, 25, 0, 0}, "春分"},   {{1879, 12, 31, 12, 0}, "冬至"},
      {{2079, 12, 25, 12, 0}, "冬至"}, {{2079, 12, 31, 23, 0}, "冬至"},
      {{2080, 1, 10, 12, 0}, "小寒"},  {{2100, 3, 25, 12, 0}, "春分"},
      {{2100, 12, 12, 12, 0}, "大雪"}, {{2999, 8, 15, 12, 0}, "立秋"},
  };
  for (const auto& c : cases) {
    const Chart chart = ComputeChart(c.date);
    EXPECT_EQ(Utf8(TermName(chart.term)), c.term) << c.date.year << "-" << c.date.month;
  }
}

TEST(YearsOutsideTheTableTest, FormulaMeetsTheTableAtItsEdges) {
  // The formula lands within minutes of the stored moments.
  for (int year : {1880, 2079}) {
    for (int slot = 1; slot <= kTermCount; ++slot) {
      const double stored = NormalizeMoment(calendar::SolarTermMoment(year, NumberOfSlot(slot)));
      const double formula =
          calendar::DayNumberOfDate(year, 1, 1) - 1 +
          TermDayOfYear(year, slot, true, static_cast<int>(CalendarMode::kAutomatic));
      EXPECT_NEAR(formula, stored, 15.0 / 1440) << year << " slot " << slot;
    }
  }
}

// --- The xun's instrument in palace 5 (中五寄坤二) ---------------------------------

TEST(CentreInstrumentTest, HeavenTurnsTheStemOverPalace2) {
  // Yang 5 puts 戊 in palace 5; 乙丑 hour (xun 甲子, instrument 戊, hour stem 乙 in
  // palace 4). The stem over palace 2 (丁, with 天芮) turns to palace 4; the duty
  // gate is 死门, turned to 己 one hour on, in palace 6.
  const Chart chart = PlatesFor(5, "乙丑");
  ExpectPalaces(chart, {{
                           {"癸", "丙", "天冲", "惊门", "玄武", "辛", "六"},
                           {"丁", "己", "天心", "杜门", "太阴", "壬", "符"},
                           {"丙", "壬", "天英", "休门", "九天", "癸", "玄"},
                           {"乙", "丁", "天芮", "生门", "值符", "丁", "地"},
                           {"戊", "戊", "", "", "", "丙", ""},
                           {"己", "辛", "天任", "死门", "白虎", "乙", "阴"},
                           {"庚", "癸", "天蓬", "景门", "六合", "戊", "蛇"},
                           {"辛", "乙", "天辅", "开门", "九地", "己", "白"},
                           {"壬", "庚", "天柱", "伤门", "腾蛇", "庚", "天"},
                       }});
  EXPECT_EQ(Utf8(DutyText(chart).view()), "值符天芮落4宫 值使死门落6宫");
}

TEST(CentreInstrumentTest, HourStemIsTheInstrumentGivesFuYin) {
  // 戊辰 hour: the hour stem is the instrument itself, in palace 5.
  PlateModel model;
  const Chart chart = PlatesFor(5, "戊辰", &model);
  for (const Palace p : kPalaces) {
    EXPECT_EQ(chart.cell(p).heaven_stem, chart.cell(p).earth_stem) << p.number();
  }
  EXPECT_EQ(model.counters.star, 0);
  EXPECT_EQ(chart.cell(P(2)).star, Star::kRui);
  EXPECT_EQ(Utf8(DutyText(chart).view()), "值符天芮落5宫 值使死门落9宫");
  // 甲子 hour, e = 0: the duty gate stays home and reaches palace 5 itself.
  const Chart jia = PlatesFor(5, "甲子");
  EXPECT_EQ(Utf8(DutyText(jia).view()), "值符天芮落5宫 值使死门落5宫");
  EXPECT_EQ(jia.cell(kCentre).hidden_stem, Stem::kWu);
}

TEST(CentreInstrumentTest, NothingIsCarriedOverFromThePreviousChart) {
  PlateModel model;
  const Chart first = PlatesFor(5, "乙丑");
  for (const ChartMoment& other :
       {ChartMoment{2001, 12, 27, 4, 0}, ChartMoment{2015, 7, 1, 13, 0}}) {
    PlotChartOnModel(model, other);
    model.ResetChart();
    Chart again;
    again.ju = 5;
    again.pillars.hour = GanZhi("乙丑");
    PlotPlates(model, again);
    EXPECT_EQ(again.cells, first.cells);
    EXPECT_EQ(again.duty_gate, first.duty_gate);
    EXPECT_EQ(again.duty_gate_palace, first.duty_gate_palace);
  }
}

TEST(BadInputTest, PlatesForAnyJuAndHourNumberStayWhole) {
  for (int ju : {-100, -10, 0, 10, 100, INT32_MIN, INT32_MAX}) {
    for (int hour : {-61, 0, 61, 1000}) {
      PlateModel model;
      model.ResetChart();
      Chart chart;
      chart.ju = ju;
      chart.pillars.hour = hour;
      PlotPlates(model, chart);
      std::array<int, 9> seen{};
      for (const Palace p : kPalaces) {
        ++seen[static_cast<std::size_t>(ItemOf(chart.cell(p).earth_stem))];
      }
      EXPECT_EQ(seen, (std::array<int, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1})) << ju << " " << hour;
      EXPECT_TRUE(chart.duty_gate_palace);
    }
  }
  EXPECT_EQ(FindTermInForce(std::nan("")).term, SolarTerm::kDaxue);
  EXPECT_EQ(Text(FindTermInForce(1e300).term).size(), 6u);
  EXPECT_EQ(GanZhiText(-7).size(), 6u);
}

TEST(RepeatTest, SameDateTwiceAfterOtherChartsGivesTheSameModel) {
  const ChartMoment date{2015, 9, 29, 14, 30};
  PlateModel fresh;
  const Chart expected = PlotChartOnModel(fresh, date);
  PlateModel model;
  for (const ChartMoment& other : {ChartMoment{1850, 1, 1, 0, 0}, ChartMoment{2001, 12, 27, 4, 0},
                                   ChartMoment{2100, 6, 1, 23, 0}}) {
    PlotChartOnModel(model, other);
    const Chart again = PlotChartOnModel(model, date);
    EXPECT_EQ(again.cells, expected.cells);
    EXPECT_EQ(Utf8(DutyText(again).view()), Utf8(DutyText(expected).view()));
    EXPECT_EQ(model.earth, fresh.earth);
    EXPECT_EQ(model.heaven, fresh.heaven);
    EXPECT_EQ(model.stars, fresh.stars);
    EXPECT_EQ(model.gates, fresh.gates);
    EXPECT_EQ(model.deities, fresh.deities);
    EXPECT_EQ(model.hidden, fresh.hidden);
    EXPECT_EQ(model.counter_deities, fresh.counter_deities);
  }
}

}  // namespace
}  // namespace veltrane::chart
