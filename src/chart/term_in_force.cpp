#include "chart/term_in_force.h"

#include <algorithm>
#include <cmath>

#include "calendar/arithmetic.h"
#include "calendar/date_time.h"
#include "calendar/solar_term_moment.h"
#include "chart/method_terms.h"
#include "chart/pillars.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

// SolarTermNumber (立春 = 1 .. 冬至 = 22, 小寒 = 23, 大寒 = 24) of a calendar slot.
int TermNumberOfSlot(int slot) { return slot <= 2 ? slot + 22 : slot - 2; }

double StoredTermMoment(int year, int slot) {
  return calendar::SolarTermMoment(year, TermNumberOfSlot(slot));
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

double DateTimeOfLinear(double linear) {
  return linear < 0 ? 2 * std::floor(linear) - linear : linear;
}

TermInForce FindTermInForce(double moment) {
  const double linear = NormalizeMoment(moment);
  if (std::isnan(linear)) return {SolarTerm::kDaxue, linear};
  // The term in force is the latest whose moment is not later than the
  // moment's; its SolarTerm is the slot of the first term later than it.
  const TermStart start = TermStartAt(linear);
  return {SolarTermOfOrdinal(start.term), DateTimeOfLinear(start.moment)};
}

}  // namespace veltrane::chart
