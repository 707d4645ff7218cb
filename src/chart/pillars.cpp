#include "chart/pillars.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calendar/arithmetic.h"
#include "calendar/gregorian.h"
#include "chart/vocabulary.h"

namespace veltrane::chart {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool Less(double x, double v) { return calendar::LessBeyondTolerance(x, v); }

// The remainder of a whole year by 4, 100 or 400 is exact, so the integer
// rules give what the remainder arithmetic gives.
bool IsLeapYear(int year, CalendarKind kind) {
  return kind == CalendarKind::kJulian ? year % 4 == 0 : calendar::IsLeapYear(year);
}

double Truncate(double x) { return std::trunc(x); }

// The sixty texts of GanZhiText, stem then branch, made at compile time from
// the vocabulary; 1 = 甲子 at index 0. Each name is one three-byte character.
constexpr std::size_t kCharBytes = 3;
static_assert(kStemTexts[0].size() == kCharBytes && kBranchTexts[0].size() == kCharBytes);
constexpr auto kGanZhiTexts = [] {
  std::array<std::array<char, 2 * kCharBytes>, kGanZhiCount> texts{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string_view stem = kStemTexts[i % kStemTexts.size()];
    const std::string_view branch = kBranchTexts[i % kBranchTexts.size()];
    for (std::size_t b = 0; b < kCharBytes; ++b) {
      texts[i][b] = stem[b];
      texts[i][kCharBytes + b] = branch[b];
    }
  }
  return texts;
}();

}  // namespace

CalendarKind CalendarKindOf(int year, int month, int day, int mode) {
  switch (static_cast<CalendarMode>(mode)) {
    case CalendarMode::kAutomatic:
      if (year > 1582 || (year == 1582 && month > 10) ||
          (year == 1582 && month == 10 && day > 14)) {
        return CalendarKind::kGregorian;
      }
      if (year == 1582 && month == 10 && day >= 5) return CalendarKind::kNonexistent;
      return CalendarKind::kJulian;
    case CalendarMode::kGregorian:
      return CalendarKind::kGregorian;
    case CalendarMode::kJulian:
      return CalendarKind::kJulian;
  }
  return CalendarKind::kNonexistent;
}

double DayOfYear(int year, int month, int day, int mode) {
  const CalendarKind kind = CalendarKindOf(year, month, day, mode);
  if (kind == CalendarKind::kNonexistent || month < 1 || month > 13) return kInfinity;
  return static_cast<double>(calendar::DaysBeforeMonth(month, IsLeapYear(year, kind))) + day;
}

namespace {

// The day count of a date whose day of the year is known, in its calendar.
double DayCountOf(int year, CalendarKind kind, double in_year) {
  if (year >= 1) {
    // The quotients of a whole number of years by 4, 100 and 400 are at least
    // 1/400 from the next whole number, so IntegerPart gives the integer
    // quotient, and sums of whole numbers below 2^53 are exact in either order.
    const std::int64_t b = year - 1;
    const std::int64_t days =
        kind == CalendarKind::kGregorian ? b * 365 + b / 4 - b / 100 + b / 400 : b * 365 + b / 4;
    const double count = Truncate(static_cast<double>(days) + in_year);
    return kind == CalendarKind::kGregorian ? count : count - 2;
  }
  const double before = year - 1.0;
  if (kind == CalendarKind::kGregorian) {
    return Truncate(before * 365 + calendar::IntegerPart(before / 4) -
                    calendar::IntegerPart(before / 100) + calendar::IntegerPart(before / 400) +
                    in_year);
  }
  return Truncate(before * 365 + calendar::IntegerPart(before / 4) + in_year) - 2;
}

// TermDayOfYear with the day count of 0 January already known.
double TermDayAfter(int year, int term, bool exact, double year_start) {
  const double y = year;
  const double x = term;
  const double a = y * (365.2423112 - 6.4e-14 * (y - 100) * (y - 100) - 3.047e-8 * (y - 100)) +
                   15.218427 * x + 1721050.71301;
  double moment = a;
  if (exact) {
    const double theta = 0.0003 * y - 0.372781384 - 0.2617913325 * x;
    const double b = (1.945 * calendar::Sine(theta) - 0.01206 * calendar::Sine(2 * theta)) *
                     (1.048994 - 2.583e-5 * y);
    const double c = -0.0018 * calendar::Sine(2.313908653 * y - 0.439822951 - 3.0443 * x);
    moment = a + b + c;
  }
  return moment - year_start - 1721425;
}

// In automatic mode from 1600 to 3100, 立春 falls between day 34.3 and 36.8
// of its year and the jie of each civil month between the days of the month
// below (the exhaustive check is in the pillars' test). A moment outside a
// window is before or after its term by more than a day, so the comparison
// needs no term moment; inside it, or in other years, the moment is computed.
constexpr int kWindowFirstYear = 1600;
constexpr int kWindowLastYear = 3100;
constexpr TermWindow kLiChunWindow = {33, 38};
// clang-format off
constexpr std::array<TermWindow, 12> kJieWindows = {{
    {3, 9}, {2, 7}, {3, 9}, {2, 8}, {3, 9}, {3, 9},
    {4, 10}, {5, 11}, {5, 11}, {6, 11}, {5, 10}, {5, 10}}};
// clang-format on

bool InWindowYears(int year, int mode) {
  return mode == static_cast<int>(CalendarMode::kAutomatic) && year >= kWindowFirstYear &&
         year <= kWindowLastYear;
}

// −1 when x is surely before the window's term, +1 when surely after, 0 when
// the term's moment decides.
int SideOfWindow(double x, const TermWindow& window) {
  if (x < window.first_day) return -1;
  if (x >= window.last_day) return 1;
  return 0;
}

}  // namespace

const TermWindow& LiChunWindow() { return kLiChunWindow; }
const TermWindow& JieWindow(int month) { return kJieWindows[static_cast<std::size_t>(month - 1)]; }

double DayCount(int year, int month, int day, int mode) {
  const CalendarKind kind = CalendarKindOf(year, month, day, mode);
  if (kind == CalendarKind::kNonexistent) return kInfinity;
  return DayCountOf(year, kind, DayOfYear(year, month, day, mode));
}

double TermDayOfYear(int year, int term, bool exact, int mode) {
  return TermDayAfter(year, term, exact, DayCount(year, 1, 0, mode));
}

double MonthAndDay(int year, double n, int mode) {
  // Month j is DayOfYear(j + 1, 1) − DayOfYear(j, 1) days long. Only February
  // depends on the calendar, and 1582, the one year with two calendars, is no
  // leap year in either, so the leap rule is looked up once.
  const CalendarKind kind = CalendarKindOf(year, 1, 1, mode);
  if (kind == CalendarKind::kNonexistent || !std::isfinite(n)) return kInfinity;
  const bool leap = IsLeapYear(year, kind);
  for (int month = 1; month <= 12; ++month) {
    const int length = calendar::MonthLength(month, leap);
    if (n <= length || month == 12) {
      if (mode == static_cast<int>(CalendarMode::kAutomatic) && year == 1582 && month == 10 &&
          n >= 5 && n < 15) {
        return kInfinity;
      }
      return 100.0 * month + n;
    }
    n -= length;
  }
  return kInfinity;  // not reached: month 12 always answers
}

double FloorMod(double a, double b) { return b * (a / b - calendar::IntegerPart(a / b)); }

std::optional<Pillars> ComputePillars(int year, int month, int day, int hour, int minute,
                                      int mode) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 ||
      hour > 23 || minute < 0 || minute > 59) {
    return std::nullopt;
  }
  const CalendarKind kind = CalendarKindOf(year, month, day, mode);
  if (kind == CalendarKind::kNonexistent) return std::nullopt;
  const double in_year = DayOfYear(year, month, day, mode);
  const double day_count = DayCountOf(year, kind, in_year);
  // The day count of 0 January, needed only for a term's moment.
  auto year_start = [&] { return DayCount(year, 1, 0, mode); };
  const double time_of_day = hour / 24.0 + minute / 1440.0;
  const double t = in_year + time_of_day;

  Pillars p;

  // Year pillar: the year begins at 立春 (term 3).
  const bool windows = InWindowYears(year, mode);
  int li_chun_side = windows ? SideOfWindow(t, kLiChunWindow) : 0;
  if (li_chun_side == 0) li_chun_side = Less(t, TermDayAfter(year, 3, true, year_start())) ? -1 : 1;
  const int pillar_year = li_chun_side < 0 ? year - 1 : year;
  const double year_gz = calendar::Nearest(FloorMod(pillar_year - 4.0, 60) + 1);

  // Month pillar: the month begins at the jie of the civil month.
  const double now = day + time_of_day;
  int jie_side = windows ? SideOfWindow(now, JieWindow(month)) : 0;
  if (jie_side == 0) {
    const double jie = TermDayAfter(year, 2 * month - 1, true, year_start());
    const double jie_whole = calendar::IntegerPart(jie);
    const double month_day = MonthAndDay(year, jie_whole, mode);
    if (!std::isfinite(jie) || !std::isfinite(month_day)) return std::nullopt;
    const double jie_day = calendar::Remainder(month_day, 100) + (jie - jie_whole);
    jie_side = Less(now, jie_day) ? -1 : 1;
  }
  int solar_month = jie_side < 0 ? month - 2 : month - 1;
  if (solar_month <= 0) solar_month += 12;
  const double year_stem = calendar::Remainder(year_gz, 10);
  const double month_gz = calendar::Nearest(FloorMod(year_stem * 12 + solar_month - 11, 60) + 1);

  // Day pillar: from 23:00 the day is the next one.
  const double d = day_count + (hour >= 23 ? 1 : 0);
  const double day_gz = calendar::Nearest(FloorMod(d + 15 - 1, 60) + 1);

  // Hour pillar, counted from the 子 hour of that day.
  const double day_stem = calendar::Remainder(day_gz, 10);
  double x = Truncate(day_stem * 12 + calendar::IntegerPart((hour + 1) / 2.0) - 11);
  if (hour == 23) x -= 12;
  const double hour_gz = calendar::Nearest(FloorMod(x - 1, 60) + 1);

  // Snap into 1..60: the sums above are whole numbers, so this only guards
  // against rounding at the cycle's ends.
  auto cycle = [](double n) { return (static_cast<int>(n) + 59) % 60 + 1; };
  p.year = cycle(year_gz);
  p.month = cycle(month_gz);
  p.day = cycle(day_gz);
  p.hour = cycle(hour_gz);
  return p;
}

std::string_view GanZhiText(int n) {
  // (n − 1) mod 60 without forming n − 1, which overflows for the least int.
  const auto index = static_cast<std::size_t>((n % kGanZhiCount + kGanZhiCount - 1) % kGanZhiCount);
  return {kGanZhiTexts[index].data(), kGanZhiTexts[index].size()};
}

std::string GanZhiTextIn(int n, Script script) {
  if (script != Script::kEn) return std::string(GanZhiText(n));
  const int i = (n % kGanZhiCount + kGanZhiCount - 1) % kGanZhiCount;  // as GanZhiText
  std::string text(Text(static_cast<Stem>(i % kStemCount + 1), script));
  std::string branch(Text(static_cast<Branch>(i % kBranchCount + 1), script));
  branch[0] = static_cast<char>(branch[0] - 'A' + 'a');  // one word: Jiazi
  return text + branch;
}

}  // namespace veltrane::chart
