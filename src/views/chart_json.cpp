#include "views/chart_json.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "chart/plot_lookups.h"
#include "chart/vocabulary.h"
#include "views/json_number.h"
#include "views/json_string.h"
#include "views/reading_text.h"
#include "views/text_buffer.h"

namespace veltrane::views {
namespace {

using chart::ChartMoment;

// A vocabulary text as a JSON value ("天蓬", or null), padded to a fixed block
// so that it is copied with one fixed-size move instead of a call per text.
struct JsonText {
  static constexpr std::size_t kBlock = 16;
  std::array<char, kBlock> bytes{};
  std::size_t size = 0;
};

constexpr JsonText ToJsonText(std::string_view text, bool quoted) {
  JsonText json;
  if (!NeedsNoJsonEscape(text) || text.size() + 2 > JsonText::kBlock) throw "text unfit for JSON";
  if (quoted) json.bytes[json.size++] = '"';
  for (char c : text) json.bytes[json.size++] = c;
  if (quoted) json.bytes[json.size++] = '"';
  return json;
}

// The JSON values of a list's items; entry N, for an index outside the list, is null.
template <std::size_t N>
constexpr std::array<JsonText, N + 1> JsonTexts(const std::array<std::string_view, N>& list) {
  std::array<JsonText, N + 1> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = ToJsonText(list[i], true);
  texts[N] = ToJsonText("null", false);
  return texts;
}

// The JSON values of an enum's values first..first + N − 1, from its text table.
template <typename Enum, std::size_t N, typename Name>
constexpr std::array<JsonText, N + 1> EnumJsonTexts(Enum first, Name name) {
  std::array<std::string_view, N> list{};
  for (std::size_t i = 0; i < N; ++i) {
    list[i] = name(static_cast<Enum>(static_cast<int>(first) + static_cast<int>(i)));
  }
  return JsonTexts(list);
}

constexpr auto kJsonStems = EnumJsonTexts<chart::Stem, chart::kStemCount>(
    chart::Stem::kJia, [](chart::Stem s) { return chart::Text(s); });
constexpr auto kJsonStars = EnumJsonTexts<chart::Star, chart::kStarCount>(
    chart::Star::kPeng, [](chart::Star s) { return chart::Text(s); });
constexpr auto kJsonGates = EnumJsonTexts<chart::Gate, chart::kRingSize>(
    chart::Gate::kOpen, [](chart::Gate g) { return chart::Text(g); });
constexpr auto kJsonDeities = EnumJsonTexts<chart::Deity, chart::kRingSize>(
    chart::Deity::kJiuDi, [](chart::Deity d) { return chart::Text(d); });
constexpr auto kJsonShortDeities = EnumJsonTexts<chart::Deity, chart::kRingSize>(
    chart::Deity::kJiuDi, [](chart::Deity d) { return chart::ShortText(d); });
constexpr auto kJsonTerms = JsonTexts(chart::kTermTexts);
constexpr auto kJsonYuan = JsonTexts(chart::kYuanTexts);
constexpr auto kJsonBranches = JsonTexts(chart::kBranchTexts);
constexpr auto kJsonXun = [] {
  std::array<std::string_view, chart::kXunCount> heads{};
  for (std::size_t i = 0; i < heads.size(); ++i) heads[i] = chart::kXunHeads[i].text;
  return JsonTexts(heads);
}();
// The sixty names, stem then branch, 1 = 甲子 at index 0.
constexpr auto kJsonGanZhi = [] {
  std::array<JsonText, chart::kGanZhiCount> names{};
  for (int n = 1; n <= chart::kGanZhiCount; ++n) {
    const std::string_view stem = chart::Text(static_cast<chart::Stem>(chart::StemOfGanZhi(n)));
    const std::string_view branch =
        chart::Text(static_cast<chart::Branch>(chart::BranchOfGanZhi(n)));
    std::array<char, JsonText::kBlock> both{};
    std::size_t size = 0;
    for (char c : stem) both[size++] = c;
    for (char c : branch) both[size++] = c;
    names[static_cast<std::size_t>(n - 1)] = ToJsonText({both.data(), size}, true);
  }
  return names;
}();

// A chart's line is built in one buffer and appended in one piece: the many
// small appends of a growing string cost more than the chart itself. Every
// write checks the room left; a typical line (under 2.2 kB, boundaries with
// all six edges near included) stays within the inline 4 kB.
class LineBuffer {
 public:
  void Raw(std::string_view text) { bytes_.Append(text); }
  // A literal: its length is known here, so the copy needs no call.
  template <std::size_t N>
  void Raw(const char (&literal)[N]) {
    bytes_.Append(literal);
  }
  void Char(char c) { bytes_.Push(c); }
  void Int(std::int64_t value) { Number(WriteInt, value); }
  // Seconds to a tenth, never "-0.0"; null for no finite number.
  void Tenths(double seconds) {
    const double tenths = std::round(seconds * 10.0);
    if (!(std::fabs(tenths) < kLargestCount)) return Raw("null");
    Number(WriteTenths, static_cast<std::int64_t>(tenths));
  }
  // A number to the hundredth in its shortest form; −0 is written 0; null for
  // no finite number.
  void Hundredths(double value) {
    const double hundredths = std::round(value * 100.0);
    if (!(std::fabs(hundredths) < kLargestCount)) return Raw("null");
    Number(WriteHundredths, static_cast<std::int64_t>(hundredths));
  }
  void Text(const JsonText& text) {
    std::memcpy(bytes_.Room(JsonText::kBlock), text.bytes.data(), JsonText::kBlock);
    bytes_.Commit(text.size);
  }
  // The JSON value of item `index` of a list: the item quoted, or null outside it.
  template <std::size_t N>
  void Item(const std::array<JsonText, N>& texts, int index) {
    const bool inside = index >= 0 && static_cast<std::size_t>(index) < N - 1;
    Text(texts[inside ? static_cast<std::size_t>(index) : N - 1]);
  }
  // The JSON value of an enum value from its table (which starts at `first`).
  template <std::size_t N, typename Enum>
  void Value(const std::array<JsonText, N>& texts, Enum value, Enum first = Enum{}) {
    Item(texts, static_cast<int>(value) - static_cast<int>(first));
  }
  // The same for an optional value: null for none.
  template <std::size_t N, typename Enum>
  void Value(const std::array<JsonText, N>& texts, std::optional<Enum> value) {
    if (value) {
      Value(texts, *value);
    } else {
      Text(texts[N - 1]);
    }
  }
  // 2001-12-27T04:00, and with a second 0..59 ":05" after it, reserving the
  // room once; a field beyond its width (which no chart has) is written in full.
  void Moment(const ChartMoment& m, std::optional<int> second = std::nullopt) {
    char* const start = bytes_.Room(kMaxMomentChars);
    char* at = Padded(start, m.year, 4);
    *at++ = '-';
    at = Padded(at, m.month, 2);
    *at++ = '-';
    at = Padded(at, m.day, 2);
    *at++ = 'T';
    at = Padded(at, m.hour, 2);
    *at++ = ':';
    at = Padded(at, m.minute, 2);
    if (second) {
      *at++ = ':';
      at = Padded(at, *second, 2);
    }
    bytes_.Commit(static_cast<std::size_t>(at - start));
  }
  std::string_view View() const { return bytes_.View(); }

 private:
  // Counts beyond 2^53 are no longer exact in a double.
  static constexpr double kLargestCount = 9007199254740992.0;
  static constexpr std::array<int, 5> kPowersOfTen = {1, 10, 100, 1000, 10000};
  static constexpr std::size_t kMaxMomentChars = 6 * kMaxNumberChars;

  // A number 0..10^width − 1 (width ≤ 4) zero-padded to `width` digits, any
  // other in full; returns the end.
  static char* Padded(char* at, int value, int width) {
    if (value < 0 || value >= kPowersOfTen[static_cast<std::size_t>(width)]) {
      return WriteInt(at, value);
    }
    for (int i = width - 1; i >= 0; --i, value /= 10) at[i] = static_cast<char>('0' + value % 10);
    return at + width;
  }

  void Number(char* (*write)(char*, std::int64_t), std::int64_t value) {
    char* at = bytes_.Room(kMaxNumberChars);
    bytes_.Commit(static_cast<std::size_t>(write(at, value) - at));
  }

  TextBuffer<4096> bytes_;
};

void Pillars(LineBuffer& out, const chart::Pillars& p) {
  out.Raw(",\"pillars\":[");
  const int pillars[] = {p.year, p.month, p.day, p.hour};
  for (std::size_t i = 0; i < 4; ++i) {
    if (i > 0) out.Char(',');
    out.Text(kJsonGanZhi[static_cast<std::size_t>(
        ((pillars[i] - 1) % chart::kGanZhiCount + chart::kGanZhiCount) % chart::kGanZhiCount)]);
  }
  out.Char(']');
}

void Stem(LineBuffer& out, chart::Stem stem) { out.Value(kJsonStems, stem, chart::Stem::kJia); }

void Palace(LineBuffer& out, chart::Palace p, const chart::PalaceCell& cell) {
  const bool ring = !p.is_centre();
  out.Char('"');
  out.Int(p.number());
  out.Raw("\":{\"earth\":");
  Stem(out, cell.earth_stem);
  out.Raw(",\"heaven\":");
  Stem(out, cell.heaven_stem);
  if (ring) {
    out.Raw(",\"star\":");
    out.Value(kJsonStars, cell.star);
    out.Raw(",\"gate\":");
    out.Value(kJsonGates, cell.gate);
    out.Raw(",\"deity\":");
    out.Value(kJsonDeities, cell.deity);
  }
  out.Raw(",\"hidden\":");
  Stem(out, cell.hidden_stem);
  if (ring) {
    out.Raw(",\"counter_deity\":");
    out.Value(kJsonShortDeities, cell.counter_deity);
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

static_assert(NeedsNoJsonEscape(chart::kDunTexts[0]) && NeedsNoJsonEscape(chart::kDunTexts[1]));

void QuotedMoment(LineBuffer& out, const ChartMoment& m) {
  out.Char('"');
  out.Moment(m);
  out.Char('"');
}

// {"veltrane":"…","date":"2001-12-27T04:00": the version that made the chart, and its moment.
void Moment(LineBuffer& out, const ChartMoment& m, std::string_view version) {
  out.Raw("{\"veltrane\":\"");
  out.Raw(version);
  out.Raw("\",\"date\":");
  QuotedMoment(out, m);
}

// "input", "instant_utc8" and "solar_clock": how the moment was given and the
// clock its day and hour were read from.
void Clocks(LineBuffer& out, const ChartMoment& moment, const chart::Chart& chart,
            const JsonRun& run, const JsonInput* input) {
  out.Raw(",\"input\":{\"date\":");
  QuotedMoment(out, input != nullptr ? input->local : moment);
  out.Raw(",\"time_zone\":");
  out.Raw(run.zone);
  out.Raw(",\"utc_offset_minutes\":");
  out.Int(input != nullptr ? input->utc_offset_minutes : 480);
  out.Raw(input != nullptr && input->ambiguous ? ",\"ambiguous\":true}" : ",\"ambiguous\":false}");
  out.Raw(",\"instant_utc8\":");
  QuotedMoment(out, moment);
  out.Raw(",\"solar_clock\":{\"kind\":");
  const chart::SolarClock standard{moment, 0, 0.0, 0.0};
  const chart::SolarClock& clock = chart.solar_clock ? *chart.solar_clock : standard;
  if (!chart.solar_clock) {
    out.Raw("\"standard\"");
  } else {
    out.Raw(run.solar_time == chart::SolarTime::kMean ? "\"mean\"" : "\"apparent\"");
  }
  out.Raw(",\"time\":\"");
  out.Moment(clock.time, clock.second);
  out.Raw("\",\"longitude_correction_seconds\":");
  out.Tenths(clock.longitude_correction_seconds);
  out.Raw(",\"equation_of_time_seconds\":");
  out.Tenths(clock.equation_of_time_seconds);
  out.Char('}');
}

// "2015-12-22T12:47:48+08:00": an instant in China Standard Time.
void Instant(LineBuffer& out, chart::ChartSeconds instant) {
  const chart::CivilSecond c = chart::CivilOfSeconds(instant);
  out.Char('"');
  out.Moment(ChartMoment{c.year, c.month, c.day, c.hour, c.minute}, c.second);
  out.Raw("+08:00\"");
}

constexpr std::array<std::string_view, 2> kTermSources = {"\"table\"", "\"formula\""};
constexpr std::array<std::string_view, chart::kEdgeCount> kEdgeNames = {
    "\"term\"", "\"next_term\"", "\"yuan\"", "\"next_yuan\"", "\"hour_start\"", "\"hour_end\""};

void TermEdge(LineBuffer& out, const chart::TermEdge& term) {
  out.Raw("{\"name\":");
  out.Value(kJsonTerms, term.term, chart::SolarTerm::kDongzhi);
  out.Raw(",\"start\":");
  Instant(out, term.start);
  out.Raw(",\"source\":");
  out.Raw(kTermSources[term.source == chart::TermSource::kTable ? 0 : 1]);
  out.Char('}');
}

// A 符头 day's name, or null where the yuan is not counted by 符头.
void YuanHead(LineBuffer& out, int head) {
  if (head < 1 || head > chart::kGanZhiCount) {
    out.Raw("null");
  } else {
    out.Text(kJsonGanZhi[static_cast<std::size_t>(head - 1)]);
  }
}

void Boundaries(LineBuffer& out, const chart::ChartBoundaries& b, int near_minutes) {
  out.Raw(",\"boundaries\":{\"term\":");
  TermEdge(out, b.term);
  out.Raw(",\"next_term\":");
  TermEdge(out, b.next_term);
  out.Raw(",\"yuan\":{\"head\":");
  YuanHead(out, b.yuan_head);
  out.Raw(",\"start\":");
  Instant(out, b.yuan_start);
  out.Raw(",\"next_head\":");
  YuanHead(out, b.next_yuan_head);
  out.Raw(",\"next\":");
  Instant(out, b.next_yuan);
  out.Raw("},\"hour\":{\"branch\":");
  out.Value(kJsonBranches, b.hour_branch, chart::Branch::kZi);
  out.Raw(",\"start\":");
  Instant(out, b.hour_start);
  out.Raw(",\"end\":");
  Instant(out, b.hour_end);
  out.Raw("},\"near\":[");
  bool first = true;
  for (const chart::NearEdge& n : chart::NearEdgesOf(b, near_minutes)) {
    if (!first) out.Char(',');
    first = false;
    out.Raw("{\"edge\":");
    out.Raw(kEdgeNames[static_cast<std::size_t>(n.edge)]);
    out.Raw(",\"minutes\":");
    // Minutes to the hundredth: term moments fall on any second.
    out.Hundredths(static_cast<double>(n.offset) / 60.0);
    out.Char('}');
  }
  out.Raw("],\"term_uncertainty_seconds\":");
  out.Int(b.term_uncertainty_seconds);
  out.Char('}');
}

}  // namespace

void AppendChartJson(std::string& line, const ChartMoment& moment, const chart::Chart& chart,
                     const std::optional<calendar::LunarDate>& lunar,
                     const chart::ChartBoundaries& boundaries, const JsonRun& run,
                     const JsonInput* input, const reading::Reading* reading,
                     std::span<const JsonMember> extra) {
  LineBuffer out;
  Moment(out, moment, run.version);
  Pillars(out, chart.pillars);
  out.Raw(",\"term\":");
  out.Value(kJsonTerms, chart.term, chart::SolarTerm::kDongzhi);
  out.Raw(",\"yuan\":");
  out.Value(kJsonYuan, chart.yuan, chart::Yuan::Upper);
  out.Raw(",\"dun\":\"");
  out.Raw(chart::Text(chart.dun()));
  out.Raw("\",\"ju\":");
  out.Int(std::abs(chart.ju));
  out.Raw(",\"xun\":");
  out.Item(kJsonXun, chart.xun);
  out.Raw(",\"void_palaces\":[");
  out.Int(chart.void_palaces[0].number());
  out.Char(',');
  out.Int(chart.void_palaces[1].number());
  out.Raw("],\"horse_palace\":");
  out.Int(chart.horse_palace.number());
  out.Raw(",\"duty_star\":");
  out.Value(kJsonStars, chart.duty_star);
  out.Raw(",\"duty_star_palace\":");
  out.Int(chart.duty_star_palace.number());
  out.Raw(",\"duty_gate\":");
  out.Value(kJsonGates, chart.duty_gate);
  out.Raw(",\"duty_gate_palace\":");
  out.Int(chart::NumberOf(chart.duty_gate_palace));
  out.Raw(",\"palaces\":{");
  for (const chart::Palace p : chart::kPalaces) {
    if (p.number() > 1) out.Char(',');
    Palace(out, p, chart.cell(p));
  }
  out.Char('}');
  Lunar(out, lunar);
  out.Raw(",\"conventions\":");
  out.Raw(run.conventions);
  Clocks(out, moment, chart, run, input);
  Boundaries(out, boundaries, run.near_minutes);
  line += out.View();
  if (reading != nullptr) {
    line += ",\"reading\":";
    AppendReadingJson(line, *reading);
  }
  for (const JsonMember& member : extra) {
    line += ",\"";
    line += member.name;
    line += "\":";
    line += member.value;
  }
  line += '}';
}

void AppendJsonStrings(std::string& out, std::span<const std::string> texts) {
  out += '[';
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i != 0) out += ',';
    AppendJsonString(out, texts[i]);
  }
  out += ']';
}

}  // namespace veltrane::views
