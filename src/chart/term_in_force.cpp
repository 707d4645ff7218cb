#include "chart/term_in_force.h"

#include <algorithm>
#include <cmath>

#include "calendar/arithmetic.h"
#include "calendar/date_time.h"
#include "calendar/solar_term_moment.h"
#include "chart/pillars.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

// SolarTermNumber (立春 = 1 .. 冬至 = 22, 小寒 = 23, 大寒 = 24) of a calendar slot.
int TermNumberOfSlot(int slot) { return slot <= 2 ? slot + 22 : slot - 2; }

double StoredTermMoment(int year, int slot) {
  return calendar::SolarTermMoment(year, TermNumberOfSlot(slot));
}

// The Gregorian year of a DateTime, clamped to the valid range first.
int YearOfMoment(double moment) {
  const double t = std::isnan(moment) ? calendar::kMinDateTime : moment;
  return calendar::SplitDateTime(std::clamp(t, calendar::kMinDateTime, calendar::kMaxDateTime))
      .year;
}

}  // namespace

double NormalizeMoment(double x) {
  const double r = std::clamp(x, calendar::kMinDateTime, calendar::kMaxDateTime);
  return r < 0 ? 2 * std::trunc(r) - r : r;
}

double TermMoment(int year, int slot) {
  const double stored = StoredTermMoment(year, slot);
  if (stored != calendar::kMinDateTime) return NormalizeMoment(stored);
  // Outside the stored years the closed formula decides, so that no chart
  // falls back to a term of another season. It counts days after 0 January.
  const double january_first = calendar::DayNumberOfDate(year, 1, 1);
  return january_first - 1 +
         TermDayOfYear(year, slot, true, static_cast<int>(CalendarMode::kAutomatic));
}

int FindTermInForce(double moment) {
  const double linear = NormalizeMoment(moment);
  // The walk through the year before the moment's year never stops (its 冬至
  // lies before the moment), so it starts with the moment's own year.
  int year = YearOfMoment(moment);
  int slot = kTermCount;
  for (int pass = 0; pass < 2; ++pass, ++year) {
    for (slot = 1; slot <= kTermCount; ++slot) {
      // The first term later than the moment has slot s; the term in force,
      // one before it, is SolarTerm s in the chart's order.
      if (calendar::LessBeyondTolerance(linear, TermMoment(year, slot))) return slot;
    }
  }
  return kTermCount;
}

}  // namespace veltrane::chart
