#include "app/cli_moment.h"

#include <charconv>
#include <cstdio>

#include "app/cli_value.h"
#include "calendar/date_time.h"

namespace veltrane::app {
namespace {

constexpr std::string_view kExpected = "expected YYYY-MM-DD HH:MM";

// Reads exactly `min_digits` to `max_digits` decimal digits at `pos`.
bool ReadNumber(std::string_view text, std::size_t& pos, std::size_t min_digits,
                std::size_t max_digits, int& value) {
  std::size_t end = pos;
  while (end < text.size() && end - pos < max_digits && text[end] >= '0' && text[end] <= '9') {
    ++end;
  }
  if (end - pos < min_digits) return false;
  std::from_chars(text.data() + pos, text.data() + end, value);
  pos = end;
  return true;
}

bool Expect(std::string_view text, std::size_t& pos, std::string_view separators) {
  if (pos >= text.size() || separators.find(text[pos]) == std::string_view::npos) return false;
  ++pos;
  return true;
}

Error Wrong(std::string message) { return Error{std::move(message)}; }

}  // namespace

Result<ChartMoment> ParseChartMoment(std::string_view text) {
  const std::string quoted = QuotedValue(text);
  ChartMoment m;
  std::size_t pos = 0;
  if (!ReadNumber(text, pos, 4, 4, m.year) || !Expect(text, pos, "-") ||
      !ReadNumber(text, pos, 1, 2, m.month) || !Expect(text, pos, "-") ||
      !ReadNumber(text, pos, 1, 2, m.day)) {
    return Wrong("malformed date " + quoted + ", " + std::string(kExpected));
  }
  if (pos == text.size()) return Wrong("missing time in " + quoted + ", " + std::string(kExpected));
  if (!Expect(text, pos, " T") || !ReadNumber(text, pos, 1, 2, m.hour) || !Expect(text, pos, ":") ||
      !ReadNumber(text, pos, 2, 2, m.minute) || pos != text.size()) {
    return Wrong("malformed time in " + quoted + ", " + std::string(kExpected));
  }
  // The ranges are those the window clamps its boxes to; here a part outside
  // its range is refused.
  auto range = [&m](chart::MomentPart part) { return chart::RangeOf(part, m); };
  auto outside = [](int value, chart::PartRange r) { return value < r.lo || value > r.hi; };
  auto bounds = [](chart::PartRange r) {
    return std::to_string(r.lo) + ".." + std::to_string(r.hi);
  };
  using chart::MomentPart;
  if (outside(m.year, range(MomentPart::kYear))) {
    return Wrong("year " + std::to_string(m.year) + " is outside " +
                 bounds(range(MomentPart::kYear)));
  }
  if (outside(m.month, range(MomentPart::kMonth))) {
    return Wrong("impossible date " + quoted + ": month " + std::to_string(m.month) +
                 " is outside " + bounds(range(MomentPart::kMonth)));
  }
  if (outside(m.day, range(MomentPart::kDay))) {
    return Wrong("impossible date " + quoted + ": " + std::to_string(m.year) + "-" +
                 (m.month < 10 ? "0" : "") + std::to_string(m.month) + " has " +
                 std::to_string(range(MomentPart::kDay).hi) + " days");
  }
  if (outside(m.hour, range(MomentPart::kHour))) {
    return Wrong("impossible time " + quoted + ": hour " + std::to_string(m.hour) + " is outside " +
                 bounds(range(MomentPart::kHour)));
  }
  if (outside(m.minute, range(MomentPart::kMinute))) {
    return Wrong("impossible time " + quoted + ": minute " + std::to_string(m.minute) +
                 " is outside " + bounds(range(MomentPart::kMinute)));
  }
  return m;
}

ChartMoment AddMinutes(const ChartMoment& moment, std::int64_t minutes) {
  return calendar::CivilDateTimeOfMinute(calendar::MinuteNumberOf(moment) + minutes);
}

std::int64_t MinutesBetween(const ChartMoment& from, const ChartMoment& to) {
  return calendar::MinuteNumberOf(to) - calendar::MinuteNumberOf(from);
}

std::string FormatChartMoment(const ChartMoment& m) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d", m.year, m.month, m.day, m.hour,
                m.minute);
  return buffer;
}

}  // namespace veltrane::app
