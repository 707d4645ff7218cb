#include "calendar/term_uncertainty.h"

namespace veltrane::calendar {

int TermUncertaintySeconds(int year) {
  const int i = year - kTermUncertaintyFirstYear;
  if (i < 0 || i >= kTermUncertaintyYears) return -1;
  return kTermUncertaintyTable[i];
}

}  // namespace veltrane::calendar
