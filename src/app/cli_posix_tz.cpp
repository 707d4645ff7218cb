#include "app/cli_posix_tz.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "calendar/date_time.h"
#include "calendar/gregorian.h"

namespace veltrane::app {
namespace {

constexpr std::int64_t kDay = 86400;

// A cursor over the TZ string; every read says whether it found its form.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  bool Take(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool Peek(char c) const { return !AtEnd() && text_[pos_] == c; }
  bool PeekDigit() const {
    return !AtEnd() && std::isdigit(static_cast<unsigned char>(text_[pos_])) != 0;
  }

  // A zone abbreviation: three or more letters, or <...> of letters, digits, + and -.
  bool Name() {
    std::size_t length = 0;
    if (Take('<')) {
      while (!AtEnd() && text_[pos_] != '>') {
        const auto c = static_cast<unsigned char>(text_[pos_]);
        if (std::isalnum(c) == 0 && c != '+' && c != '-') return false;
        ++pos_;
        ++length;
      }
      return Take('>') && length >= 3;
    }
    while (!AtEnd() && std::isalpha(static_cast<unsigned char>(text_[pos_])) != 0) {
      ++pos_;
      ++length;
    }
    return length >= 3;
  }

  // An unsigned number of at most `digits` digits.
  bool Number(int digits, int& value) {
    if (!PeekDigit()) return false;
    value = 0;
    for (int i = 0; i < digits && PeekDigit(); ++i) value = value * 10 + (text_[pos_++] - '0');
    return !PeekDigit();
  }

  // [+-]hh[:mm[:ss]] with hours up to `max_hours`.
  bool Time(int max_hours, std::int32_t& seconds) {
    const bool negative = Take('-');
    if (!negative) Take('+');
    int hours = 0;
    int minutes = 0;
    int secs = 0;
    if (!Number(3, hours) || hours > max_hours) return false;
    if (Take(':')) {
      if (!Number(2, minutes) || minutes > 59) return false;
      if (Take(':') && (!Number(2, secs) || secs > 59)) return false;
    }
    seconds = hours * 3600 + minutes * 60 + secs;
    if (negative) seconds = -seconds;
    return true;
  }

  bool Date(PosixTzDate& date) {
    if (Take('J')) {
      date.kind = PosixTzDate::Kind::kJulianNoLeap;
      if (!Number(3, date.day) || date.day < 1 || date.day > 365) return false;
    } else if (Take('M')) {
      date.kind = PosixTzDate::Kind::kMonthWeekDay;
      if (!Number(2, date.month) || date.month < 1 || date.month > 12) return false;
      if (!Take('.') || !Number(1, date.week) || date.week < 1 || date.week > 5) return false;
      if (!Take('.') || !Number(1, date.weekday) || date.weekday > 6) return false;
    } else {
      date.kind = PosixTzDate::Kind::kZeroBased;
      if (!Number(3, date.day) || date.day > 365) return false;
    }
    date.seconds = 7200;
    return !Take('/') || Time(167, date.seconds);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

constexpr std::int64_t kUnixEpochDay = calendar::kUnixEpochMinute / 1440;

// Days since 1970-01-01 of a date, on the calendar's day count.
std::int64_t DaysOf(int year, int month, int day) {
  return calendar::DayNumberOfDate(year, month, day) - kUnixEpochDay;
}

// The day (days since 1970-01-01) that `date` names in `year`.
std::int64_t DayOf(const PosixTzDate& date, int year) {
  const std::int64_t january_first = DaysOf(year, 1, 1);
  switch (date.kind) {
    case PosixTzDate::Kind::kJulianNoLeap:
      return january_first + date.day - 1 + (calendar::IsLeapYear(year) && date.day >= 60 ? 1 : 0);
    case PosixTzDate::Kind::kZeroBased:
      return january_first + date.day;
    case PosixTzDate::Kind::kMonthWeekDay:
      break;
  }
  const std::int64_t first = DaysOf(year, date.month, 1);
  const std::int64_t last =
      date.month == 12 ? DaysOf(year + 1, 1, 1) - 1 : DaysOf(year, date.month + 1, 1) - 1;
  // 1970-01-01 was a Thursday (4).
  const std::int64_t first_weekday = ((first % 7) + 7 + 4) % 7;
  std::int64_t day =
      first + (date.weekday - first_weekday + 7) % 7 + std::int64_t{7} * (date.week - 1);
  while (day > last) day -= 7;
  return day;
}

}  // namespace

Result<PosixTz> ParsePosixTz(std::string_view text) {
  const Error bad{"the zone's rule '" + std::string(text.substr(0, 64)) + "' cannot be read"};
  Reader in(text);
  PosixTz rule;
  std::int32_t west = 0;
  if (!in.Name() || !in.Time(24, west)) return bad;
  rule.standard_offset = -west;
  if (in.AtEnd()) return rule;
  if (!in.Name()) return bad;
  rule.has_daylight = true;
  rule.daylight_offset = rule.standard_offset + 3600;
  if (!in.Peek(',') && !in.AtEnd()) {
    if (!in.Time(24, west)) return bad;
    rule.daylight_offset = -west;
  }
  if (in.AtEnd()) {
    // No dates: the United States rule since 2007, as the reference code assumes.
    rule.start = PosixTzDate{PosixTzDate::Kind::kMonthWeekDay, 0, 3, 2, 0, 7200};
    rule.end = PosixTzDate{PosixTzDate::Kind::kMonthWeekDay, 0, 11, 1, 0, 7200};
    return rule;
  }
  if (!in.Take(',') || !in.Date(rule.start) || !in.Take(',') || !in.Date(rule.end) || !in.AtEnd()) {
    return bad;
  }
  return rule;
}

std::int32_t PosixTzOffsetAt(const PosixTz& rule, std::int64_t utc_seconds) {
  if (!rule.has_daylight) return rule.standard_offset;
  // The changes of the years around the instant, in order; at one instant an
  // end sorts before a start, so a rule of daylight saving all year keeps it.
  struct Change {
    std::int64_t at;
    bool daylight;
  };
  const std::int64_t local = utc_seconds + rule.standard_offset;
  const std::int64_t local_day = (local >= 0 ? local : local - (kDay - 1)) / kDay;
  const int year = calendar::DateOfDayNumber(static_cast<int>(local_day + kUnixEpochDay)).year;
  std::array<Change, 6> changes{};
  std::size_t n = 0;
  for (int y = year - 1; y <= year + 1; ++y) {
    changes[n++] = {DayOf(rule.start, y) * kDay + rule.start.seconds - rule.standard_offset, true};
    changes[n++] = {DayOf(rule.end, y) * kDay + rule.end.seconds - rule.daylight_offset, false};
  }
  std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
    return a.at != b.at ? a.at < b.at : a.daylight < b.daylight;
  });
  bool daylight = !changes.front().daylight;
  for (const Change& c : changes) {
    if (c.at > utc_seconds) break;
    daylight = c.daylight;
  }
  return daylight ? rule.daylight_offset : rule.standard_offset;
}

}  // namespace veltrane::app
