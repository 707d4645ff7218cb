#include "calendar/solar_term_moment.h"

#include "calendar/date_time.h"
#include "calendar/solar_term_table.h"

namespace veltrane::calendar {

int SolarTermSlotOfNumber(int term_number) {
  if (term_number >= 1 && term_number <= 22) return term_number + 2;
  if (term_number == 23) return 1;
  if (term_number == 24) return 2;
  return term_number;
}

double SolarTermMoment(int year, int term_number) {
  const int slot = SolarTermSlotOfNumber(term_number);
  if (year < kFirstTermYear || year > kLastTermYear || slot < 1 || slot > kTermsPerYear) {
    return kMinDateTime;
  }
  const auto entry = SolarTermEntry(year, slot);
  return ComposeDateTime(year, entry[0], entry[1], entry[2], entry[3], entry[4]);
}

}  // namespace veltrane::calendar
