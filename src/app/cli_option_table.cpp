#include "app/cli_option_table.h"

#include <array>

#include "views/chart_conventions.h"

namespace veltrane::app {
namespace {

using enum OptionId;

// The JSON names a convention where its option is named.
constexpr const views::ConventionKeys& kKeys = views::kConventionKeys;

constexpr std::array<OptionRow, kOptionCount> kRows = {{
    {kJson, "--json", "", "", "Print JSON (one object per chart) instead of the text table"},
    {kSvg, "--svg", "", "", "Print one chart as an SVG drawing instead of the text table"},
    {kEncoding, "--encoding", "utf8|gbk", "utf8",
     "Text output in utf8 or as the raw gbk bytes of the clipboard"},
    {kFrom, "--from", "YYYY-MM-DDTHH:MM", "", "First moment of a range (needs --json)"},
    {kTo, "--to", "YYYY-MM-DDTHH:MM", "", "Last moment of a range, inclusive"},
    {kStepMinutes, "--step-minutes", "N", "120", "Minutes between the moments of a range"},
    {kJobs, "--jobs", "N", "", "Threads that plot a range (default: one per core)"},
    {kTz, "--tz", "ZONE", "",
     "The dates are civil times in this IANA zone, daylight saving included (default: China "
     "Standard Time, UTC+8)",
     kKeys.time_zone},
    {kLongitude, "--longitude", "DEG", "",
     "Read the day and hour pillars from the local solar time at this longitude, degrees east "
     "(-180..180)",
     kKeys.longitude},
    {kSolarTime, "--solar-time", "apparent|mean", "apparent",
     "The solar clock of --longitude: apparent (with the equation of time) or mean",
     kKeys.solar_time},
    {kDayStart, "--day-start", "23|0", "23",
     "Hour the day pillar changes: 23 or 0 (23:00-23:59 keeps its day and takes the next "
     "day's zi hour)",
     kKeys.day_start},
    {kCentrePalace, "--centre-palace", "kun|gen-kun", "kun",
     "Palace 5 counts as palace 2 (kun) or as palace 8 in yang dun and 2 in yin dun (gen-kun)",
     kKeys.centre_palace},
    {kNearMinutes, "--near-minutes", "N", "10",
     "Minutes from a term, yuan or hour edge that count as near"},
    {kNotes, "--notes", "", "",
     "Notes under the text table on the term, yuan and hour edges near the chart, and on the "
     "method when it is not 拆补"},
    {kMethod, "--method", "chaibu|zhirun|maoshan", "chaibu",
     "How the ju is set: chaibu (拆补, the window's), zhirun (置闰), maoshan (茅山)", kKeys.method},
    {kZhirunLead, "--zhirun-lead", "10|9|8", "10",
     "置闰 repeats 芒种 or 大雪 when the 符头 leads the term by this many days, counted from the "
     "符头 day to the term's day",
     kKeys.zhirun_lead},
    {kCompareMethods, "--compare-methods", "", "",
     "With a range: one JSON line per moment where the methods differ in yuan or ju"},
    {kReading, "--reading", "", "",
     "Follow the text table with the chart's reading (JSON always carries it)"},
    {kProfile, "--profile", "classic|yanbo|tongzong", "classic",
     "The reading's profile where the classical texts disagree"},
    {kFind, "--find", "QUERY", "",
     "Search the range for the charts that satisfy a query (JSON lines; see below)"},
    {kCount, "--count", "", "",
     "With --find: one JSON object with the number of hits per year, term and yuan"},
    {kAwayFromEdges, "--away-from-edges", "N", "0",
     "With --find: leave out hits within N minutes of a term, yuan or hour edge"},
    {kLang, "--lang", "zh-Hans|zh-Hant|en", "zh-Hans",
     "Script of the text table, --notes, --reading and --svg: 简体, 繁體 or English"},
}};

// Each row stands at its id's place, so OptionOf is an index.
constexpr bool RowsInIdOrder() {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].id) != i || kRows[i].word.empty()) return false;
  }
  return true;
}
static_assert(RowsInIdOrder());

}  // namespace

std::span<const OptionRow> OptionTable() { return kRows; }

const OptionRow& OptionOf(OptionId id) { return kRows[static_cast<std::size_t>(id)]; }

}  // namespace veltrane::app
