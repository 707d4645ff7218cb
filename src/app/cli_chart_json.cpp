#include "app/cli_chart_json.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "app/version.h"
#include "calendar/date_time.h"
#include "calendar/lunar_tables.h"
#include "chart/chart_view.h"
#include "chart/vocabulary.h"

namespace veltrane::app {
namespace {

// The vocabulary goes into JSON strings as it is: no text of it needs escaping.
constexpr bool NeedsNoEscape(std::string_view text) {
  for (char c : text) {
    if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}
template <std::size_t N>
constexpr bool NoneNeedsEscape(const std::array<std::string_view, N>& texts) {
  for (std::string_view t : texts) {
    if (!NeedsNoEscape(t)) return false;
  }
  return true;
}
static_assert(NoneNeedsEscape(chart::kStemNames) && NoneNeedsEscape(chart::kBranchNames) &&
              NoneNeedsEscape(chart::kInstrumentNames) && NoneNeedsEscape(chart::kStarNames) &&
              NoneNeedsEscape(chart::kGateNames) && NoneNeedsEscape(chart::kDeityNames) &&
              NoneNeedsEscape(chart::kDeityShortNames) && NoneNeedsEscape(chart::kTermNames) &&
              NoneNeedsEscape(chart::kYuanNames));

// A chart's line is built in a stack buffer and appended in one piece: the
// many small appends of a growing string cost more than the chart itself.
// Every text is a short vocabulary item and every number small, so an object
// stays well under 2 kB; the buffer has twice that.
class LineBuffer {
 public:
  void Raw(std::string_view text) {
    std::memcpy(end_, text.data(), text.size());
    end_ += text.size();
  }
  // A literal: its length is known here, so the copy needs no call.
  template <std::size_t N>
  void Raw(const char (&literal)[N]) {
    std::memcpy(end_, literal, N - 1);
    end_ += N - 1;
  }
  void Char(char c) { *end_++ = c; }
  void Int(int value) { end_ = std::to_chars(end_, end_ + 12, value).ptr; }
  void Quoted(std::string_view text) {
    Char('"');
    Raw(text);
    Char('"');
  }
  // The quoted item `index` of a list, or null outside it.
  template <std::size_t N>
  void Item(const std::array<std::string_view, N>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
      Raw("null");
    } else {
      Quoted(list[static_cast<std::size_t>(index)]);
    }
  }
  // A non-negative number, zero-padded to `width` digits.
  void Padded(int value, int width) {
    for (int i = width - 1; i >= 0; --i, value /= 10) end_[i] = static_cast<char>('0' + value % 10);
    end_ += width;
  }
  std::string_view View() const { return {bytes_, static_cast<std::size_t>(end_ - bytes_)}; }

 private:
  char bytes_[4096];
  char* end_ = bytes_;
};

void Pillars(LineBuffer& out, const chart::Pillars& p) {
  out.Raw(",\"pillars\":[");
  const int pillars[] = {p.year, p.month, p.day, p.hour};
  for (std::size_t i = 0; i < 4; ++i) {
    if (i > 0) out.Char(',');
    out.Quoted(chart::GanZhiName(pillars[i]));
  }
  out.Char(']');
}

void Palace(LineBuffer& out, int p, const chart::PalaceCell& cell) {
  const bool ring = chart::RingPositionOfPalace(p) != 0;
  out.Char('"');
  out.Int(p);
  out.Raw("\":{\"earth\":");
  out.Item(chart::kInstrumentNames, cell.earth_stem);
  out.Raw(",\"heaven\":");
  out.Item(chart::kInstrumentNames, cell.heaven_stem);
  if (ring) {
    out.Raw(",\"star\":");
    out.Item(chart::kStarNames, cell.star);
    out.Raw(",\"gate\":");
    out.Item(chart::kGateNames, cell.gate);
    out.Raw(",\"deity\":");
    out.Item(chart::kDeityNames, cell.deity);
  }
  out.Raw(",\"hidden\":");
  out.Item(chart::kInstrumentNames, cell.hidden_stem);
  if (ring) {
    out.Raw(",\"counter_deity\":");
    out.Item(chart::kDeityShortNames, cell.counter_deity);
  }
  out.Char('}');
}

void Lunar(LineBuffer& out, const std::optional<calendar::LunarDate>& lunar) {
  out.Raw(",\"lunar\":");
  if (!lunar) {
    out.Raw("null");
    return;
  }
  out.Raw("{\"year\":");
  out.Int(lunar->year);
  out.Raw(",\"month\":");
  out.Int(lunar->month);
  out.Raw(",\"day\":");
  out.Int(lunar->day);
  out.Raw(lunar->leap ? ",\"leap\":true}" : ",\"leap\":false}");
}

static_assert(NeedsNoEscape(kVersion));

// {"veltrane":"…","date":"2001-12-27T04:00": the version that made the chart, and its moment.
void Moment(LineBuffer& out, const ChartMoment& m) {
  out.Raw("{\"veltrane\":\"");
  out.Raw(kVersion);
  out.Raw("\",\"date\":\"");
  out.Padded(m.year, 4);
  out.Char('-');
  out.Padded(m.month, 2);
  out.Char('-');
  out.Padded(m.day, 2);
  out.Char('T');
  out.Padded(m.hour, 2);
  out.Char(':');
  out.Padded(m.minute, 2);
  out.Char('"');
}

}  // namespace

void AppendChartJson(std::string& line, const ChartMoment& moment, const chart::Chart& chart,
                     const std::optional<calendar::LunarDate>& lunar) {
  LineBuffer out;
  Moment(out, moment);
  Pillars(out, chart.pillars);
  out.Raw(",\"term\":");
  out.Item(chart::kTermNames, chart.term - 1);
  out.Raw(",\"yuan\":");
  out.Item(chart::kYuanNames, static_cast<int>(chart.yuan) - 1);
  out.Raw(chart.yin() ? ",\"dun\":\"阴\",\"ju\":" : ",\"dun\":\"阳\",\"ju\":");
  out.Int(std::abs(chart.ju));
  out.Raw(",\"xun\":");
  if (chart.xun >= 0 && chart.xun < chart::kXunCount) {
    out.Quoted(chart::kXunHeads[static_cast<std::size_t>(chart.xun)].text);
  } else {
    out.Raw("null");
  }
  out.Raw(",\"void_palaces\":[");
  out.Int(chart.void_palaces[0]);
  out.Char(',');
  out.Int(chart.void_palaces[1]);
  out.Raw("],\"horse_palace\":");
  out.Int(chart.horse_palace);
  out.Raw(",\"duty_star\":");
  out.Item(chart::kStarNames, chart.duty_star);
  out.Raw(",\"duty_star_palace\":");
  out.Int(chart.duty_star_palace);
  out.Raw(",\"duty_gate\":");
  out.Item(chart::kGateNames, chart.duty_gate);
  out.Raw(",\"duty_gate_palace\":");
  out.Int(chart.duty_gate_palace);
  out.Raw(",\"palaces\":{");
  for (int p = 1; p <= chart::kPalaceCount; ++p) {
    if (p > 1) out.Char(',');
    Palace(out, p, chart.cell(p));
  }
  out.Char('}');
  Lunar(out, lunar);
  out.Char('}');
  line += out.View();
}

const std::optional<calendar::LunarDate>& LunarDayCache::Of(const ChartMoment& m) {
  const int day_number = calendar::DayNumberOfDate(m.year, m.month, m.day);
  if (known_ && day_number == day_number_) return lunar_;
  // A later day of the same lunar month and Gregorian year (the calendar
  // converts no day from 2049 on) counts on from the known one.
  const int later = day_number - day_number_;
  if (known_ && lunar_ && m.year == year_ && later > 0 && lunar_->day + later <= month_length_) {
    lunar_->day += later;
  } else {
    lunar_ = calendar::GregorianToLunar(static_cast<std::uint16_t>(m.year),
                                        static_cast<std::uint16_t>(m.month),
                                        static_cast<std::uint16_t>(m.day));
    if (lunar_) {
      const calendar::MonthLengths lengths =
          calendar::LunarMonthLengths(lunar_->year, lunar_->month);
      month_length_ = lunar_->leap ? lengths.leap : lengths.ordinary;
    }
  }
  known_ = true;
  year_ = m.year;
  day_number_ = day_number;
  return lunar_;
}

std::string ChartJsonLine(const ChartMoment& moment) {
  std::string line;
  LunarDayCache lunar;
  AppendChartJson(line, moment, chart::ComputeChart(moment), lunar.Of(moment));
  line += '\n';
  return line;
}

}  // namespace veltrane::app
