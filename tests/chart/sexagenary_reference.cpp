// The common sexagenary reckoning of the four pillars.
#include "sexagenary_reference.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calendar/date_time.h"
#include "calendar/solar_term_moment.h"
#include "plot_reference.h"

namespace veltrane::chart::reference {
namespace {

constexpr double kTolerance = 1e-7;

int Mod(long x, int m) { return static_cast<int>(((x % m) + m) % m); }

// The jie terms of a year as the calendar numbers them: 小寒 (January), then
// 立春, 惊蛰, 清明, 立夏, 芒种, 小暑, 立秋, 白露, 寒露, 立冬, 大雪.
constexpr std::array<int, 12> kJieNumbers = {23, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21};

bool HasTerms(int year) { return year >= 1880 && year <= 2079; }

// Gregorian days from 0001-01-01 (day 1) to 0 January of a year.
double DaysBeforeYear(int year) {
  const long y = year - 1;
  return static_cast<double>(y * 365 + y / 4 - y / 100 + y / 400);
}

// A moment as a linear day count from 1899-12-30.
double Linear(int year, int month, int day, int hour, int minute) {
  return calendar::DayNumberOfDate(year, month, day) + (hour * 60 + minute) / 1440.0;
}

double JieMoment(int year, int number, JieSource source) {
  if (source == JieSource::kStored) return NormalizeMoment(calendar::SolarTermMoment(year, number));
  const int x = number >= 23 ? number - 22 : number + 2;  // the formula counts from 小寒
  return calendar::DayNumberOfDate(year, 1, 0) + ClosedFormulaTermDay(year, x);
}

}  // namespace

long JulianDayNumber(int year, int month, int day) {
  const long a = (14 - month) / 12;
  const long y = year + 4800 - a;
  const long m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

int DayGanZhi(int year, int month, int day) {
  return Mod(JulianDayNumber(year, month, day) + 49, 60) + 1;
}

double ClosedFormulaTermDay(int year, int x) {
  const double y = year;
  const double a = y * (365.2423112 - 6.4e-14 * (y - 100) * (y - 100) - 3.047e-8 * (y - 100)) +
                   15.218427 * x + 1721050.71301;
  const double theta = 0.0003 * y - 0.372781384 - 0.2617913325 * x;
  const double b =
      (1.945 * std::sin(theta) - 0.01206 * std::sin(2 * theta)) * (1.048994 - 2.583e-5 * y);
  const double c = -0.0018 * std::sin(2.313908653 * y - 0.439822951 - 3.0443 * x);
  return a + b + c - DaysBeforeYear(year) - 1721425;
}

SexagenaryPillars StandardPillars(int year, int month, int day, int hour, int minute,
                                  JieSource source) {
  SexagenaryPillars p;
  const int day0 = Mod(JulianDayNumber(year, month, day) + 49 + (hour >= 23 ? 1 : 0), 60);
  p.day = day0 + 1;
  const int branch = (hour + 1) / 2 % 12;
  p.hour = Mod((day0 % 10 % 5) * 12 + branch, 60) + 1;
  if (source == JieSource::kStored && !HasTerms(year)) return p;

  const double t = Linear(year, month, day, hour, minute);
  auto reached = [&](int number) { return t - JieMoment(year, number, source) >= -kTolerance; };
  const bool after_lichun = reached(1);
  const int year0 = Mod(year - (after_lichun ? 0 : 1) - 4, 60);
  int offset = 0;  // months since the 寅 month
  if (!reached(23)) {
    offset = 10;  // 子 month, from 大雪 of the year before
  } else if (!after_lichun) {
    offset = 11;  // 丑 month, from 小寒
  } else {
    for (std::size_t j = 2; j < kJieNumbers.size(); ++j) {
      if (reached(kJieNumbers[j])) offset = static_cast<int>(j) - 1;
    }
  }
  p.year = year0 + 1;
  p.month = Mod((year0 % 10 % 5) * 12 + 2 + offset, 60) + 1;
  return p;
}

}  // namespace veltrane::chart::reference
