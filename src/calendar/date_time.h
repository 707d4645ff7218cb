// DateTime: a moment as days since 1899-12-30, composed from and split into
// proleptic Gregorian dates.
//
// The whole part counts days from 1899-12-30 (day 0); the fraction is the
// time of day. Before 1899-12-30 the time of day is subtracted from the
// negative day number: 1899-12-29 06:00 is −1.25, while 1899-12-31 06:00 is
// 1.25. Moments carry no time zone; the calendar's moments are China Standard
// Time (UTC+8).
#pragma once

#include <cstdint>

namespace veltrane::calendar {

// 0100-01-01 00:00:00, the lowest valid DateTime (the fallback for bad input).
inline constexpr double kMinDateTime = -657434.0;
// 9999-12-31 00:00:00, the highest valid DateTime.
inline constexpr double kMaxDateTime = 2958465.0;

// A proleptic Gregorian date; each field is −1 when a split fails.
struct CivilDate {
  int year = -1;
  int month = -1;  // 1..12
  int day = -1;    // 1..31
  bool ok() const { return month != -1; }
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Composes a DateTime from a date and a time of day.
//   Given: year, month 1..12, day, hour, minute, second of a proleptic
//          Gregorian date and time (day, hour, minute and second are taken
//          arithmetically, so day 32 of January is 1 February).
//   Returns: N + t when the day number N (days from 1899-12-30) is ≥ 0, else
//            N − t, with t = (3600·hour + 60·minute + second) / 86400;
//            kMinDateTime when month lies outside 1..12.
double ComposeDateTime(int year, int month, int day, int hour, int minute, int second);

// The calendar date a DateTime falls on, counting the last half second of a
// day as the following day.
//   Given: t, a DateTime.
//   Returns: the proleptic Gregorian date; all fields −1 when t is above
//            kMaxDateTime, below kMinDateTime or not a number.
//   Notes: t is moved half a second (1/172800 day) away from zero and
//          truncated toward zero, so 23:59:59.5 and later count as the next
//          day. Before 1899-12-30 the rounding moves forward in time as well:
//          −1.99999 (1899-12-29 23:59:59.9) gives 1899-12-30, not 1899-12-28.
CivilDate SplitDateTime(double t);

// Days from 1899-12-30 to a proleptic Gregorian date (negative before it).
//   Given: year, month 1..12, day (taken arithmetically).  Returns: the day number.
int DayNumberOfDate(int year, int month, int day);

// The proleptic Gregorian date of a day number (days from 1899-12-30).
CivilDate DateOfDayNumber(int day_number);

// A civil date and time to the minute, proleptic Gregorian, in no particular
// zone: the one such type of the program (a chart's moment is one).
struct CivilDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  bool operator==(const CivilDateTime&) const = default;
};

// Minutes from 1899-12-30 00:00 to a civil date and time, on the day count of
// DayNumberOfDate (fields taken arithmetically, as there).
std::int64_t MinuteNumberOf(const CivilDateTime& t);

// The civil date and time of a minute number (minutes from 1899-12-30 00:00).
CivilDateTime CivilDateTimeOfMinute(std::int64_t minute_number);

// Minute numbers of 1970-01-01 00:00, to reckon with clocks that count from it.
inline constexpr std::int64_t kUnixEpochMinute = 25569LL * 1440;

}  // namespace veltrane::calendar
