// The engine's plotting against a literal reference plotting, field by field:
// first the reference against the worked chart and the ring tables, then both
// at every term moment of the stored table and of the closed formula, through
// the plotting's first and last years and some years between, the clamped
// dates, and one plate model carried from chart to chart.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "base/text/gbk.h"
#include "calendar/date_time.h"
#include "calendar/gregorian.h"
#include "calendar/solar_term_moment.h"
#include "chart/pillars.h"
#include "chart/plot_chart.h"
#include "chart/term_in_force.h"
#include "chart/vocabulary.h"
#include "plot_reference.h"
#include "plot_reference_diff.h"
#include "ui/window_texts.h"
#include "worked_chart_palaces.h"

namespace veltrane::chart {
namespace {

using calendar::DaysInMonth;

namespace ref = reference;
using ui::CounterDeityText;
using ui::DeityText;
using ui::GateText;
using ui::InstrumentText;
using ui::StarText;
using ui::TermName;

// A date and time to plot.
struct When {
  int year, month, day, hour, minute;
};

std::string Describe(const When& w) {
  return std::to_string(w.year) + "-" + std::to_string(w.month) + "-" + std::to_string(w.day) +
         " " + std::to_string(w.hour) + ":" + std::to_string(w.minute);
}

// Plots a date with both on fresh plates; the differences, or "".
std::string CompareFresh(const When& w, ref::Chart* out = nullptr) {
  ref::Boxes boxes;
  const ref::Chart expected = ref::PlotChart(boxes, w.year, w.month, w.day, w.hour, w.minute);
  if (out != nullptr) *out = expected;
  const Chart engine = ComputeChart({w.year, w.month, w.day, w.hour, w.minute});
  return ref::ChartDifferences(engine, expected) + ref::TextDifferences(engine, expected);
}

// Compares a list of dates, reporting the first twenty that differ.
void ExpectSameCharts(const std::vector<When>& dates) {
  int failures = 0;
  for (const When& w : dates) {
    const std::string diff = CompareFresh(w);
    if (diff.empty()) continue;
    if (++failures <= 20) ADD_FAILURE() << Describe(w) << ": " << diff;
  }
  EXPECT_EQ(failures, 0) << "of " << dates.size() << " charts";
}

// The date and minute of a linear day count plus some minutes.
When MinuteOf(double linear, int extra_minutes) {
  const double day = std::floor(linear);
  const long minutes = static_cast<long>(std::floor((linear - day) * 1440 + 1e-6)) + extra_minutes;
  const long day_shift = minutes >= 0 ? minutes / 1440 : -((1439 - minutes) / 1440);
  const long in_day = minutes - day_shift * 1440;
  const calendar::CivilDate date =
      calendar::DateOfDayNumber(static_cast<int>(day) + static_cast<int>(day_shift));
  return {date.year, date.month, date.day, static_cast<int>(in_day / 60),
          static_cast<int>(in_day % 60)};
}

int CalendarNumberOfSlot(int slot) { return slot <= 2 ? slot + 22 : slot - 2; }

// --- The reference itself ------------------------------------------------------

TEST(PlotReferenceTest, LaysTheWorkedChart) {
  ref::Boxes boxes;
  const ref::Chart c = ref::PlotChart(boxes, 2001, 12, 27, 4, 17);
  EXPECT_EQ(ref::GanZhiText(c.year_pillar) + ref::GanZhiText(c.month_pillar) +
                ref::GanZhiText(c.day_pillar) + ref::GanZhiText(c.hour_pillar),
            "辛巳庚子甲子丙寅");
  EXPECT_EQ(c.pillars_text, "辛巳庚子甲子丙寅");
  EXPECT_EQ(c.term_text, "冬至:上元 阳遁1局");
  EXPECT_EQ(c.ju_text, "阳遁1局");
  EXPECT_EQ(c.xun_text, "甲子戊");
  EXPECT_EQ(c.duty_text, "值符天蓬落8宫 值使休门落3宫");
  EXPECT_EQ(c.term, 1);
  EXPECT_EQ(c.yuan, 1);
  EXPECT_EQ(c.ju, 1);
  EXPECT_EQ(c.xun, 0);
  EXPECT_EQ(ref::kInstrumentItems[c.hour_stem], "丙");
  EXPECT_EQ(ref::kInstrumentItems[c.duty_gate_target], "庚");
  EXPECT_EQ(c.void_palaces, (std::array<int, 2>{6, 6}));
  EXPECT_EQ(c.horse_palace, 2);
  EXPECT_EQ(ref::kStarItems[c.duty_star], "天蓬");
  EXPECT_EQ(c.duty_star_palace, 8);
  EXPECT_EQ(ref::kGateItems[c.duty_gate], "休门");
  EXPECT_EQ(c.duty_gate_palace, 3);
  for (int p = 1; p <= 9; ++p) {
    const testing_support::PalaceRow& row = testing_support::kWorkedChartPalaces[p - 1];
    const ref::Palace& cell = c.palaces[p - 1];
    SCOPED_TRACE("palace " + std::to_string(p));
    EXPECT_EQ(ref::kInstrumentItems[cell.earth], row.earth);
    EXPECT_EQ(ref::kInstrumentItems[cell.heaven], row.heaven);
    EXPECT_EQ(ref::kInstrumentItems[cell.hidden], row.hidden);
    if (p == 5) continue;
    EXPECT_EQ(ref::kStarItems[cell.star], row.star);
    EXPECT_EQ(ref::kGateItems[cell.gate], row.gate);
    EXPECT_EQ(ref::kDeityItems[cell.deity], row.deity);
    EXPECT_EQ(ref::kDeityShortItems[cell.counter_deity], row.counter);
  }
}

template <std::size_t N, std::size_t M>
std::string Row(const std::array<int, N>& boxes, const std::array<std::string_view, M>& items) {
  std::string row;
  for (int i : boxes) row += items[static_cast<std::size_t>(i)];
  return row;
}

TEST(PlotReferenceTest, RingStepsLayTheRowsOfTheTurningTables) {
  ref::Boxes b;
  ref::ResetChart(b);
  EXPECT_EQ(Row(b.earth, ref::kInstrumentItems), "乙丙丁癸壬辛庚己戊");
  EXPECT_EQ(Row(b.stars, ref::kStarItems), "天蓬天心天柱天芮天英天辅天冲天任");
  EXPECT_EQ(Row(b.gates, ref::kGateItems), "休门开门惊门死门景门杜门伤门生门");
  ref::StepEarthYin(b);
  EXPECT_EQ(Row(b.earth, ref::kInstrumentItems), "丙丁癸壬辛庚己戊乙");
  EXPECT_EQ(b.heaven, b.earth);
  ref::StepEarthYang(b);  // shares the counter: the yang row "2"
  EXPECT_EQ(Row(b.earth, ref::kInstrumentItems), "辛壬癸丁丙乙戊己庚");
  EXPECT_EQ(b.stem_label, 2);
  ref::StepStars(b);
  EXPECT_EQ(Row(b.stars, ref::kStarItems), "天任天蓬天心天柱天芮天英天辅天冲");
  EXPECT_EQ(ref::kInstrumentItems[b.heaven[5]], "辛");  // palace 1's heaven stem moved to 6
  ref::StepGates(b);
  EXPECT_EQ(Row(b.gates, ref::kGateItems), "生门休门开门惊门死门景门杜门伤门");
  ref::StepDeitiesYin(b);
  EXPECT_EQ(Row(b.deities, ref::kDeityItems), "玄武九地九天值符腾蛇太阴六合白虎");
  ref::ResetChart(b);
  for (int i = 0; i < 8; ++i) ref::StepDeitiesYang(b);
  EXPECT_EQ(Row(b.deities, ref::kDeityItems), "九地玄武白虎六合太阴腾蛇值符九天");
  EXPECT_EQ(b.deity_counter, 0);
  EXPECT_EQ(b.deity_label, 8);
  for (int i = 0; i < 9; ++i) ref::StepHiddenYin(b);
  EXPECT_EQ(Row(b.hidden, ref::kInstrumentItems), "乙丙丁癸壬辛庚己戊");
}

TEST(PlotReferenceTest, TheHiddenCounterLeftBehindDoesNotChangeTheChart) {
  for (const When& w : {When{2001, 12, 27, 4, 17}, When{1987, 6, 30, 23, 5},
                        When{2044, 2, 4, 12, 0}, When{1913, 9, 1, 0, 59}}) {
    ref::Boxes first;
    const ref::Chart expected = ref::PlotChart(first, w.year, w.month, w.day, w.hour, w.minute);
    for (int counter = 1; counter < 9; ++counter) {
      ref::Boxes boxes;
      boxes.hidden_counter = counter;
      const ref::Chart c = ref::PlotChart(boxes, w.year, w.month, w.day, w.hour, w.minute);
      for (int p = 0; p < 9; ++p) {
        EXPECT_EQ(c.palaces[p].hidden, expected.palaces[p].hidden) << Describe(w) << " " << counter;
      }
    }
  }
}

// --- The engine against the reference --------------------------------------------

template <std::size_t N>
void ExpectItems(std::string_view (*engine_text)(int), const std::array<std::string_view, N>& items,
                 int first = 0) {
  for (int i = 0; i < static_cast<int>(N); ++i) {
    EXPECT_EQ(runtime::Utf8FromGbk(engine_text(i + first)), items[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(engine_text(first - 1), "");
  EXPECT_EQ(engine_text(static_cast<int>(N) + first), "");
}

TEST(PlotReferenceTest, TheEngineNamesTheItemsAsTheBoxesList) {
  ExpectItems(InstrumentText, ref::kInstrumentItems);
  ExpectItems(StarText, ref::kStarItems);
  ExpectItems(GateText, ref::kGateItems);
  ExpectItems(DeityText, ref::kDeityItems);
  ExpectItems(CounterDeityText, ref::kDeityShortItems);
  ExpectItems(
      +[](int n) { return TermName(static_cast<SolarTerm>(n)); }, ref::kTermItems, 1);
}

// The engine's term moments: the stored ones inside the table, the closed
// formula of the four-pillar arithmetic (exact) on the years it lacks.
TEST(PlotReferenceTest, TermMomentsAreStoredOrFromTheFormula) {
  for (int y : {1800, 1879, 1880, 1899, 1900, 2079, 2080, 2999}) {
    for (int slot = 1; slot <= 24; ++slot) {
      const bool stored = y >= 1880 && y <= 2079;
      const double want =
          stored ? ref::NormalizeMoment(calendar::SolarTermMoment(y, CalendarNumberOfSlot(slot)))
                 : calendar::DayNumberOfDate(y, 1, 0) + TermDayOfYear(y, slot, true, 1);
      EXPECT_NEAR(TermMoment(y, slot), want, 1e-9) << y << " slot " << slot;
    }
  }
}

TEST(PlotReferenceTest, TheWorkedChartAgrees) {
  EXPECT_EQ(CompareFresh({2001, 12, 27, 4, 17}), "");
}

// Every term of the stored table at the minute it falls in, the minute after
// and the minute before: the term in force changes at its moment, and a
// moment equal to it lies in it.
TEST(PlotReferenceTest, AgreesAtEveryStoredTermMoment) {
  int exact = 0;
  int failures = 0;
  for (int y = 1880; y <= 2079; ++y) {
    for (int slot = 1; slot <= 24; ++slot) {
      const double t =
          ref::NormalizeMoment(calendar::SolarTermMoment(y, CalendarNumberOfSlot(slot)));
      const bool on_the_minute = std::abs(t * 1440 - std::round(t * 1440)) < 1e-4;
      exact += on_the_minute ? 1 : 0;
      const int in_force = slot % 24 + 1;  // the SolarTerm whose moment this is
      for (int extra : {-1, 0, 1}) {
        const When w = MinuteOf(t, extra);
        ref::Chart c;
        std::string diff = CompareFresh(w, &c);
        const bool inside = extra == 1 || (extra == 0 && on_the_minute);
        if (c.term != (inside ? in_force : (in_force == 1 ? 24 : in_force - 1))) {
          diff += "reference term " + std::to_string(c.term);
        }
        if (!diff.empty() && ++failures <= 20) ADD_FAILURE() << Describe(w) << ": " << diff;
      }
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(exact, 50);  // terms stored on a whole minute, met exactly
}

// The years the table lacks take their terms from the closed formula.
TEST(PlotReferenceTest, AgreesAtEveryFormulaTermMoment) {
  std::vector<When> dates;
  for (int y : {1800, 1801, 1850, 1878, 1879, 2080, 2081, 2100, 2500, 2998, 2999}) {
    for (int slot = 1; slot <= 24; ++slot) {
      const double t = TermMoment(y, slot);
      for (int extra : {-1, 0, 1}) {
        const When w = MinuteOf(t, extra);
        if (w.year >= 1800 && w.year <= 2999) dates.push_back(w);
      }
    }
  }
  ExpectSameCharts(dates);
}

// Every fifth hour (so every hour of the day in turn) of the first and last
// years, of the years where the table ends or the DateTime turns negative,
// and of one ordinary year, at changing minutes.
TEST(PlotReferenceTest, AgreesThroughTheBoundaryYears) {
  std::vector<When> dates;
  for (int y : {1800, 1850, 1879, 1880, 1899, 2024, 2079, 2080, 2100, 2999}) {
    int n = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= DaysInMonth(y, m); ++d) {
        for (int h = 0; h < 24; ++h) {
          if (n++ % 5 == 0) dates.push_back({y, m, d, h, (d * 13 + h * 7) % 60});
        }
      }
    }
  }
  ExpectSameCharts(dates);
}

TEST(PlotReferenceTest, AgreesOnDatesThatNeedClamping) {
  ExpectSameCharts({{1600, 5, 5, 5, 5},
                    {1799, 12, 31, 23, 59},
                    {3000, 1, 1, 0, 0},
                    {2023, 2, 29, 12, 0},
                    {2024, 2, 30, 12, 0},
                    {2024, 4, 31, 23, 30},
                    {2024, 13, 40, 24, 60},
                    {2024, 0, 0, -1, -1},
                    {-5, -5, -5, -5, -5},
                    {1900, 2, 29, 1, 1}});
}

// One plate model carried from chart to chart, as the window does: the boxes,
// counters, counter labels and centre markers agree after every plotting.
TEST(PlotReferenceTest, OneModelCarriedFromChartToChartAgreesBoxByBox) {
  PlateModel model;
  ref::Boxes boxes;
  ui::CentreMarkers markers;
  ref::PlaceStarBoxes(markers, boxes);
  int failures = 0;
  long charts = 0;
  for (int day = 1; day <= 60; ++day) {
    for (int h = 0; h < 24; h += 5) {
      const When w = {1996, 1 + day / 31, 1 + day % 28, h, day};
      const Chart engine = PlotChartOnModel(model, {w.year, w.month, w.day, w.hour, w.minute});
      const ref::Chart expected = ref::PlotChart(boxes, w.year, w.month, w.day, w.hour, w.minute);
      const std::string diff = ref::ChartDifferences(engine, expected) +
                               ref::TextDifferences(engine, expected) +
                               ref::BoxDifferences(model, markers, boxes);
      ++charts;
      if (!diff.empty() && ++failures <= 20) ADD_FAILURE() << Describe(w) << ": " << diff;
    }
  }
  EXPECT_EQ(failures, 0) << "of " << charts;
}

}  // namespace
}  // namespace veltrane::chart
