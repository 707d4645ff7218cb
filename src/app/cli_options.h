// The command line of veltrane-chart: what it asks for, or what is wrong with it.
#pragma once

#include <optional>
#include <string>

#include "app/cli_moment.h"
#include "app/cli_zone.h"
#include "chart/chart_boundaries.h"
#include "chart/chart_options.h"
#include "reading/reading.h"
#include "search/query.h"

namespace veltrane::app {

enum class OutputEncoding { kUtf8, kGbk };

// The minutes between the moments of a range unless --step-minutes says, and
// the most it takes.
inline constexpr int kDefaultStepMinutes = 120;
inline constexpr int kMaxStepMinutes = 2147483647;

// Every moment from `from` to `to` inclusive, `step_minutes` apart (instants
// in UTC+8, whatever zone they were typed in).
struct ChartRange {
  ChartMoment from;
  ChartMoment to;
  int step_minutes = kDefaultStepMinutes;
};

using chart::kDefaultNearMinutes;

struct ChartRequest {
  bool json = false;
  bool svg = false;  // one chart as an SVG drawing
  OutputEncoding encoding = OutputEncoding::kUtf8;
  std::optional<ChartMoment> moment;  // one chart (UTC+8); none = the current time
  std::optional<ChartRange> range;    // a JSON stream instead of one chart
  int jobs = 1;                       // threads that plot a range
  chart::ChartOptions options;        // the conventions the charts are plotted under
  // --tz: the IANA zone the dates were typed in ("" = China Standard Time),
  // and the typed date of one chart as resolved there.
  std::string zone;
  std::optional<ZonedMoment> typed;
  // How close an edge (a term, yuan or hour change) must lie to count as near.
  int near_minutes = kDefaultNearMinutes;
  bool notes = false;  // the text table is followed by notes on the near edges and the method
  bool compare_methods = false;  // a range lists where the methods disagree
  bool reading = false;          // the text table is followed by the chart's reading
  // The script of the text table, its notes and reading, and the drawing (--lang).
  chart::Script script = chart::Script::kHans;
  // The profile the reading follows where the classical texts disagree (--profile).
  reading::ReadingProfile profile = reading::ClassicProfile();
  // --find: the query a range is searched for; with `count`, one tally instead of the hits.
  std::optional<search::Query> query;
  bool count = false;
  // --away-from-edges: hits within this many minutes of a term, yuan or hour edge are left out.
  int away_minutes = 0;
};

// The most threads --jobs takes.
inline constexpr int kMaxJobs = 256;

// The widest near window --near-minutes takes: a day.
inline constexpr int kMaxNearMinutes = 1440;

struct ParsedCommandLine {
  enum class Kind { kRun, kHelp, kVersion, kBadArguments };
  Kind kind = Kind::kRun;
  ChartRequest request;
  std::string text;  // the help or version text, or one line naming what is wrong
};

// Reads the arguments (argv[0] is the program's name); never exits.
ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace veltrane::app
