#include "app/cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "app/version.h"
#include "chart/method.h"

namespace veltrane::app {
namespace {

constexpr const char* kDescription =
    "Plots a Qimen Dunjia hour chart exactly as the Veltrane window would show it.\n"
    "Without a date it plots the current local time.";

constexpr const char* kFooter =
    "Examples:\n"
    "  veltrane-chart 2001-12-27 04:00\n"
    "  veltrane-chart --json 2001-12-27T04:00\n"
    "  veltrane-chart --encoding gbk 2001-12-27 04:00 > chart.txt\n"
    "  veltrane-chart --notes 2015-12-22 12:45\n"
    "  veltrane-chart --reading --profile yanbo 2001-12-27 04:00\n"
    "  veltrane-chart --json --from 2001-12-27T00:00 --to 2001-12-28T00:00 --step-minutes 60\n"
    "  veltrane-chart --json --from 1900-01-01T00:00 --to 1999-12-31T23:00 --step-minutes 60 \\\n"
    "      --jobs 2 > century.jsonl\n"
    "  veltrane-chart --tz America/New_York 2024-11-03 01:30\n"
    "  veltrane-chart --longitude 87.6 --json 2024-06-21T12:00\n"
    "  veltrane-chart --day-start 0 --centre-palace gen-kun 2001-12-31 23:30\n"
    "  veltrane-chart --method zhirun --notes 2024-12-22 12:00\n"
    "  veltrane-chart --json --compare-methods --from 2024-01-01T00:00 --to 2024-12-31T23:00\n"
    "\n"
    "Text output is the table that the window's 复制排盘 button puts on the clipboard\n"
    "(CR LF line ends). JSON output is UTF-8, one object per line; a range is printed\n"
    "in moment order whatever the number of jobs. Years run from 1800 to 2999.\n"
    "Without options a chart is the window's; each option changes one convention,\n"
    "and the JSON names them all under \"conventions\". A range under --tz steps\n"
    "through instants; its --from and --to are civil times in the zone.\n"
    "Every JSON object ends with \"boundaries\": the terms, yuan and hour branch the\n"
    "chart lies between (UTC+8, to the second) and which of their edges are near.\n"
    "Exit status: 0 on success, 1 when the output cannot be written, 2 for bad arguments.";

ParsedCommandLine Bad(std::string message) {
  // Keep the complaint on one line whatever the parser wrote.
  for (char& c : message) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  while (!message.empty() && message.back() == ' ') message.pop_back();
  ParsedCommandLine parsed;
  parsed.kind = ParsedCommandLine::Kind::kBadArguments;
  parsed.text = std::move(message);
  return parsed;
}

Result<ChartMoment> MomentOption(const char* name, const std::string& value) {
  auto moment = ParseChartMoment(value);
  if (!moment) return Error{std::string(name) + ": " + moment.error().message};
  return moment;
}

// A typed date as an instant in UTC+8: through the zone when one is given
// (a skipped local time is an error), itself otherwise. The instant must lie
// in the plotted years too.
Result<ZonedMoment> Resolve(const std::string& zone, const ChartMoment& typed) {
  ZonedMoment resolved{typed, typed, 480, false};
  if (!zone.empty()) {
    auto zoned = ResolveZonedTime(zone, typed);
    if (!zoned) return zoned.error();
    resolved = *zoned;
  }
  const int year = resolved.china.year;
  if (year < chart::kFirstPlotYear || year > chart::kLastPlotYear) {
    return Error{FormatChartMoment(typed) + " in " + zone + " is " +
                 FormatChartMoment(resolved.china) + " China Standard Time, outside the years " +
                 std::to_string(chart::kFirstPlotYear) + ".." +
                 std::to_string(chart::kLastPlotYear)};
  }
  return resolved;
}

// One option's text and the value each of its words stands for.
template <typename T, std::size_t N>
std::optional<T> Choice(const std::string& text,
                        const std::array<std::pair<std::string_view, T>, N>& choices) {
  for (const auto& [word, value] : choices) {
    if (text == word) return value;
  }
  return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, chart::DayStart>, 2> kDayStarts = {
    {{"23", chart::DayStart::kAt23}, {"0", chart::DayStart::kAtMidnight}}};
constexpr std::array<std::pair<std::string_view, chart::CentrePalace>, 2> kCentrePalaces = {
    {{"kun", chart::CentrePalace::kKun}, {"gen-kun", chart::CentrePalace::kGenKun}}};
constexpr std::array<std::pair<std::string_view, chart::SolarTime>, 2> kSolarTimes = {
    {{"apparent", chart::SolarTime::kApparent}, {"mean", chart::SolarTime::kMean}}};

// The chart options of the command line, or what is wrong with them.
struct OptionTexts {
  std::string day_start = "23";
  std::string centre_palace = "kun";
  std::string solar_time = "apparent";
  double longitude = 0;
  bool longitude_given = false;
  bool solar_time_given = false;
};

Result<chart::ChartOptions> ChartOptionsOf(const OptionTexts& t) {
  chart::ChartOptions options;
  const auto day_start = Choice(t.day_start, kDayStarts);
  if (!day_start) return Error{"--day-start: '" + t.day_start + "' is neither 23 nor 0"};
  options.day_start = *day_start;
  const auto centre = Choice(t.centre_palace, kCentrePalaces);
  if (!centre)
    return Error{"--centre-palace: '" + t.centre_palace + "' is neither kun nor gen-kun"};
  options.centre_palace = *centre;
  const auto solar = Choice(t.solar_time, kSolarTimes);
  if (!solar) return Error{"--solar-time: '" + t.solar_time + "' is neither apparent nor mean"};
  if (t.solar_time_given && !t.longitude_given) return Error{"--solar-time needs --longitude"};
  options.solar_time = *solar;
  if (t.longitude_given) {
    if (!std::isfinite(t.longitude) || t.longitude < -180.0 || t.longitude > 180.0) {
      char number[32];
      const auto end = std::to_chars(number, number + sizeof number, t.longitude).ptr;
      return Error{"--longitude: " + std::string(number, end) + " is outside -180..180"};
    }
    options.longitude = t.longitude;
  }
  return options;
}

// CLI11 takes "--json=" as the switch set and "--step-minutes=" as no value
// at all, so an option written with "=" is checked before it parses: a switch
// takes no value, and every other option needs a non-empty one.
std::optional<std::string> AssignedValueFault(CLI::App& app, int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;  // what follows is positional
    const std::size_t eq = arg.find('=');
    if (!arg.starts_with("--") || eq == std::string_view::npos) continue;
    const std::string name(arg.substr(0, eq));
    const CLI::Option* option = app.get_option_no_throw(name);
    if (option == nullptr) continue;  // the parser names an unknown option itself
    if (option->get_expected_max() == 0) return name + " takes no value: write " + name;
    if (eq + 1 == arg.size()) return name + "= needs a value";
  }
  return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  CLI::App app{kDescription, "veltrane-chart"};
  app.footer(kFooter);
  app.get_formatter()->column_width(34);
  app.set_version_flag("--version", std::string("veltrane-chart ") + kVersion,
                       "Print the program's version and exit");

  bool json = false;
  std::string encoding = "utf8";
  std::string from_text;
  std::string to_text;
  int step_minutes = 120;
  int jobs = 0;
  int near_minutes = kDefaultNearMinutes;
  bool notes = false;
  std::vector<std::string> when;
  std::string zone;
  OptionTexts texts;
  std::string method_text;
  bool compare_methods = false;
  bool reading = false;
  std::string profile_text;

  app.add_flag("--json", json, "Print JSON (one object per chart) instead of the text table");
  app.add_option("--encoding", encoding,
                 "Text output in utf8 (default) or as the raw gbk bytes of the clipboard")
      ->type_name("utf8|gbk");
  CLI::Option* from = app.add_option("--from", from_text, "First moment of a range (needs --json)")
                          ->type_name("YYYY-MM-DDTHH:MM");
  CLI::Option* to = app.add_option("--to", to_text, "Last moment of a range, inclusive")
                        ->type_name("YYYY-MM-DDTHH:MM");
  CLI::Option* step = app.add_option("--step-minutes", step_minutes,
                                     "Minutes between the moments of a range (default 120)")
                          ->type_name("N");
  CLI::Option* jobs_option =
      app.add_option("--jobs", jobs, "Threads that plot a range (default: one per core)")
          ->type_name("N");
  CLI::Option* zone_option =
      app.add_option("--tz", zone,
                     "The dates are civil times in this IANA zone, daylight saving included "
                     "(default: China Standard Time, UTC+8)")
          ->type_name("ZONE");
  CLI::Option* longitude =
      app.add_option("--longitude", texts.longitude,
                     "Read the day and hour pillars from the local solar time at this "
                     "longitude, degrees east (-180..180)")
          ->type_name("DEG");
  CLI::Option* solar_time =
      app.add_option("--solar-time", texts.solar_time,
                     "The solar clock of --longitude: apparent (default, with the equation of "
                     "time) or mean")
          ->type_name("apparent|mean");
  app.add_option("--day-start", texts.day_start,
                 "Hour the day pillar changes: 23 (default) or 0 (23:00-23:59 keeps its day "
                 "and takes the next day's zi hour)")
      ->type_name("23|0");
  app.add_option("--centre-palace", texts.centre_palace,
                 "Palace 5 counts as palace 2 (kun, default) or as palace 8 in yang dun and "
                 "2 in yin dun (gen-kun)")
      ->type_name("kun|gen-kun");
  CLI::Option* near_option =
      app.add_option("--near-minutes", near_minutes,
                     "Minutes from a term, yuan or hour edge that count as near (default 10)")
          ->type_name("N");
  app.add_flag("--notes", notes,
               "Notes under the text table on the term, yuan and hour edges near the chart, "
               "and on the method when it is not 拆补");
  CLI::Option* method_option =
      app.add_option("--method", method_text,
                     "How the ju is set: chaibu (拆补, the window's; default), zhirun (置闰), "
                     "maoshan (茅山)")
          ->type_name("chaibu|zhirun|maoshan");
  app.add_flag("--compare-methods", compare_methods,
               "With a range: one JSON line per moment where the methods differ in yuan or ju");
  app.add_flag("--reading", reading,
               "Follow the text table with the chart's reading (JSON always carries it)");
  CLI::Option* profile_option = app.add_option(
      "--profile", profile_text, "The reading's profile: classic (default), yanbo or tongzong");
  app.add_option("when", when, "Date and time of one chart (default: now)")
      ->type_name("YYYY-MM-DD HH:MM");

  if (auto fault = AssignedValueFault(app, argc, argv)) return Bad(*fault);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    ParsedCommandLine parsed;
    parsed.kind = ParsedCommandLine::Kind::kHelp;
    parsed.text = app.help();
    return parsed;
  } catch (const CLI::CallForVersion& e) {
    ParsedCommandLine parsed;
    parsed.kind = ParsedCommandLine::Kind::kVersion;
    parsed.text = std::string(e.what()) + "\n";
    return parsed;
  } catch (const CLI::ParseError& e) {
    return Bad(e.what());
  }

  ParsedCommandLine parsed;
  ChartRequest& request = parsed.request;
  request.json = json;
  texts.longitude_given = longitude->count() > 0;
  texts.solar_time_given = solar_time->count() > 0;
  auto options = ChartOptionsOf(texts);
  if (!options) return Bad(options.error().message);
  request.options = *options;
  if (zone_option->count() > 0) {
    // The zone is checked now, so that a chart of the current time finds it too.
    if (auto known = LocalTimeInZone(zone, ChartMoment{}); !known) {
      return Bad("--tz: " + known.error().message);
    }
    request.zone = zone;
  }
  if (encoding == "gbk") {
    request.encoding = OutputEncoding::kGbk;
  } else if (encoding != "utf8") {
    return Bad("--encoding: unknown encoding '" + encoding + "' (use utf8 or gbk)");
  }
  if (json && request.encoding == OutputEncoding::kGbk) {
    return Bad("--encoding gbk applies to the text table; JSON is always UTF-8");
  }

  if (near_option->count() > 0) {
    if (near_minutes < 0 || near_minutes > kMaxNearMinutes) {
      return Bad("--near-minutes: " + std::to_string(near_minutes) + " is outside 0.." +
                 std::to_string(kMaxNearMinutes));
    }
    if (!json && !notes) return Bad("--near-minutes applies to --json and --notes");
  }
  if (json && notes) return Bad("--notes applies to the text table; JSON gives boundaries.near");
  request.near_minutes = near_minutes;
  request.notes = notes;

  if (method_option->count() > 0) {
    const std::optional<chart::ChartMethod> method = chart::ChartMethodOfName(method_text);
    if (!method) {
      return Bad("--method: unknown method '" + method_text + "' (use chaibu, zhirun or maoshan)");
    }
    if (compare_methods) return Bad("--compare-methods compares every method; leave out --method");
    request.options.method = *method;
  }
  request.compare_methods = compare_methods;

  if (reading && json) return Bad("--reading adds to the text table; JSON always carries \"reading\"");
  request.reading = reading;
  if (profile_option->count() > 0) {
    const std::optional<reading::ReadingProfile> profile = reading::ProfileNamed(profile_text);
    if (!profile) {
      return Bad("--profile: unknown profile '" + profile_text +
                 "' (use classic, yanbo or tongzong)");
    }
    if (!reading && !json) return Bad("--profile applies to --reading and --json");
    request.profile = *profile;
  }

  if (jobs_option->count() > 0 && (jobs < 1 || jobs > kMaxJobs)) {
    return Bad("--jobs: " + std::to_string(jobs) + " is outside 1.." + std::to_string(kMaxJobs));
  }
  request.jobs =
      jobs_option->count() > 0
          ? jobs
          : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs);

  const bool ranged = from->count() > 0 || to->count() > 0;
  if (ranged) {
    if (from->count() == 0 || to->count() == 0) return Bad("a range needs both --from and --to");
    if (!json) return Bad("--from/--to print JSON only; add --json");
    if (!when.empty()) return Bad("give either a date or --from/--to, not both");
    if (step_minutes < 1) {
      return Bad("--step-minutes: " + std::to_string(step_minutes) + " is not a positive number");
    }
    auto first = MomentOption("--from", from_text);
    if (!first) return Bad(first.error().message);
    auto last = MomentOption("--to", to_text);
    if (!last) return Bad(last.error().message);
    const auto from_instant = Resolve(request.zone, *first);
    if (!from_instant) return Bad("--from: " + from_instant.error().message);
    const auto to_instant = Resolve(request.zone, *last);
    if (!to_instant) return Bad("--to: " + to_instant.error().message);
    if (MinutesBetween(from_instant->china, to_instant->china) < 0) {
      return Bad("--to " + to_text + " is before --from " + from_text);
    }
    request.range = ChartRange{from_instant->china, to_instant->china, step_minutes};
    return parsed;
  }
  if (step->count() > 0) return Bad("--step-minutes needs a range (--from and --to)");
  if (compare_methods) return Bad("--compare-methods needs a range (--from and --to)");

  if (when.size() > 2) return Bad("too many arguments: expected YYYY-MM-DD HH:MM");
  if (!when.empty()) {
    std::string text = when[0];
    if (when.size() == 2) text += " " + when[1];
    auto moment = ParseChartMoment(text);
    if (!moment) return Bad(moment.error().message);
    const auto instant = Resolve(request.zone, *moment);
    if (!instant) return Bad(instant.error().message);
    request.moment = instant->china;
    if (!request.zone.empty()) request.typed = *instant;
  }
  return parsed;
}

}  // namespace veltrane::app
