#include "app/cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <thread>
#include <variant>
#include <vector>

#include "app/cli_option_table.h"
#include "app/cli_value.h"
#include "app/version.h"
#include "chart/method.h"
#include "chart/option_words.h"

namespace veltrane::app {
namespace {

constexpr const char* kDescription =
    "Plots a Qimen Dunjia hour chart exactly as the Veltrane window would show it.\n"
    "Without a date it plots the current instant, in China Standard Time (UTC+8)\n"
    "unless a zone is named.";

constexpr const char* kExamples[] = {
    "  veltrane-chart 2001-12-27 04:00\n",
    "  veltrane-chart --json 2001-12-27T04:00\n",
    "  veltrane-chart --svg 2001-12-27 04:00 > chart.svg\n",
    "  veltrane-chart --encoding gbk 2001-12-27 04:00 > chart.txt\n",
    "  veltrane-chart --notes 2015-12-22 12:45\n",
    "  veltrane-chart --reading --profile yanbo 2001-12-27 04:00\n",
    "  veltrane-chart --lang en --notes --reading 2001-12-27 04:00\n",
    "  veltrane-chart --json --from 2001-12-27T00:00 --to 2001-12-28T00:00 --step-minutes 60\n",
    ("  veltrane-chart --json --from 1900-01-01T00:00 --to 1999-12-31T23:00 --step-minutes 60 \\\n"
     "      --jobs 2 > century.jsonl\n"),
    "  veltrane-chart --tz America/New_York 2024-11-03 01:30\n",
    "  veltrane-chart --longitude 87.6 --json 2024-06-21T12:00\n",
    "  veltrane-chart --day-start 0 --centre-palace gen-kun 2001-12-31 23:30\n",
    "  veltrane-chart --method zhirun --notes 2024-12-22 12:00\n",
    "  veltrane-chart --json --compare-methods --from 2024-01-01T00:00 --to 2024-12-31T23:00\n",
    ("  veltrane-chart --find 'duty_gate=开门 and palace(1).heaven=丙' \\\n"
     "      --from 2025-01-01T00:00 --to 2025-03-31T23:00 --away-from-edges 30\n"),
    ("  veltrane-chart --find 'reading=青龙返首@3 or reading=feiniao-diexue' --count \\\n"
     "      --from 1900-01-01T00:00 --to 1999-12-31T23:00\n"),
    ("  veltrane-chart --find 'not (dun=阴 or hour_stem=甲) and ju=阳遁3局' \\\n"
     "      --from 2024-01-01T00:00 --to 2024-12-31T23:00\n"),
};

constexpr const char* kFooterText =
    "\n"
    "A query (--find) tests each chart of a range. Its tests are field=value:\n"
    "  reading=ID-or-NAME[@PALACE]   a rule of the reading holds (in that palace)\n"
    "  ju=阴遁七局 (阳遁3局, -7)  dun=阳|阴  term=冬至  yuan=上元\n"
    "  duty_star=天蓬  duty_gate=开门  duty_gate_palace=1..9\n"
    "  palace(N).gate|heaven|star|deity|earth=VALUE   (heaven and earth: the plates' stems)\n"
    "  year|month|day|hour=甲子   hour_stem=甲 (the hour pillar's own stem)\n"
    "joined by and, or, not and parentheses (not binds tightest, then and, then or).\n"
    "Each hit is the chart's JSON object with \"matched\": the tests that made it true.\n"
    "--count prints one object instead: {\"hits\", \"per_year\", \"per_term\", \"per_yuan\"}.\n"
    "--away-from-edges N leaves out hits within N minutes of a term, yuan or hour edge.\n"
    "A query that cannot be read exits 2 naming the column where reading stopped.\n"
    "See docs/search.md.\n"
    "\n"
    "Text output is the table that the window's 复制排盘 button puts on the clipboard\n"
    "(CR LF line ends). JSON output is UTF-8, one object per line; a range is printed\n"
    "in moment order whatever the number of jobs. Years run from 1800 to 2999.\n"
    "Without options a chart is the window's; each option changes one convention,\n"
    "and the JSON names them all under \"conventions\".\n"
    "A range under --tz steps through instants; its --from and --to are civil times\n"
    "in the zone.\n"
    "Every JSON object carries \"boundaries\": the terms, yuan and hour branch the\n"
    "chart lies between (UTC+8, to the second) and which of their edges are near;\n"
    "it ends with \"reading\", the chart's findings under the profile.\n"
    "Exit status: 0 on success, 1 when the output cannot be written, 2 for bad arguments.";

std::string Footer() {
  std::string footer = "Examples:\n";
  for (const char* line : kExamples) footer += line;
  return footer + kFooterText;
}

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

// What the command line gave for each option of the table: its text (the
// default when not given) and whether it was given; and the date words.
struct OptionValues {
  std::array<std::string, kOptionCount> text;
  std::array<bool, kOptionCount> flag{};
  std::array<bool, kOptionCount> given{};
  std::vector<std::string> when;

  const std::string& operator[](OptionId id) const { return text[static_cast<std::size_t>(id)]; }
  bool Given(OptionId id) const { return given[static_cast<std::size_t>(id)]; }
  bool Flag(OptionId id) const { return flag[static_cast<std::size_t>(id)]; }
};

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
    if (option->get_expected_max() == 0) {
      return std::string(name).append(" takes no value: write ").append(name);
    }
    if (eq + 1 == arg.size()) return name + "= needs a value";
  }
  return std::nullopt;
}

// The help line of a row: its help and, when it has one, its default.
std::string HelpOf(const OptionRow& row) {
  std::string help(row.help);
  if (!row.default_value.empty()) help.append(" (default ").append(row.default_value).append(")");
  return help;
}

// Declares every option of the table on `app`, storing into `values`.
void DeclareOptions(CLI::App& app, OptionValues& values) {
  for (const OptionRow& row : OptionTable()) {
    const auto i = static_cast<std::size_t>(row.id);
    values.text[i] = std::string(row.default_value);
    if (row.values.empty()) {
      app.add_flag(std::string(row.word), values.flag[i], HelpOf(row));
    } else {
      app.add_option(std::string(row.word), values.text[i], HelpOf(row))
          ->type_name(std::string(row.values));
    }
  }
  app.add_option("when", values.when, "Date and time of one chart (default: now)")
      ->type_name("YYYY-MM-DD HH:MM");
}

// Reads argv into the options' values; a help or version request, or a fault
// of form, ends the parse with its answer.
std::variant<OptionValues, ParsedCommandLine> ReadArguments(int argc, const char* const* argv) {
  CLI::App app{kDescription, "veltrane-chart"};
  app.footer(Footer());
  app.get_formatter()->column_width(34);
  app.set_version_flag("--version", std::string("veltrane-chart ") + kVersion,
                       "Print the program's version and exit");
  OptionValues values;
  DeclareOptions(app, values);
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
  for (const OptionRow& row : OptionTable()) {
    const auto i = static_cast<std::size_t>(row.id);
    values.given[i] = app.get_option(std::string(row.word))->count() > 0;
  }
  return values;
}

// The chart's conventions: day start, centre palace, solar clock and longitude.
Result<chart::ChartOptions> ReadChartOptions(const OptionValues& v) {
  using enum OptionId;
  chart::ChartOptions options;
  const auto day_start = chart::DayStartOfWord(v[kDayStart]);
  if (!day_start)
    return Error{"--day-start: " + QuotedValue(v[kDayStart]) + " is neither 23 nor 0"};
  options.day_start = *day_start;
  const auto centre = chart::CentrePalaceOfWord(v[kCentrePalace]);
  if (!centre) {
    return Error{"--centre-palace: " + QuotedValue(v[kCentrePalace]) +
                 " is neither kun nor gen-kun"};
  }
  options.centre_palace = *centre;
  const auto solar = chart::SolarTimeOfWord(v[kSolarTime]);
  if (!solar) {
    return Error{"--solar-time: " + QuotedValue(v[kSolarTime]) + " is neither apparent nor mean"};
  }
  if (v.Given(kSolarTime) && !v.Given(kLongitude)) return Error{"--solar-time needs --longitude"};
  options.solar_time = *solar;
  if (v.Given(kLongitude)) {
    const auto longitude = ParseDecimalNumber("--longitude", v[kLongitude], -180.0, 180.0);
    if (!longitude) return longitude.error();
    options.longitude = *longitude;
  }
  return options;
}

// The zone the dates are typed in, checked now so that a chart of the
// current time finds it too.
Result<std::string> ReadZone(const OptionValues& v) {
  if (!v.Given(OptionId::kTz)) return std::string();
  if (auto known = LocalTimeInZone(v[OptionId::kTz], ChartMoment{}); !known) {
    return Error{"--tz: " + known.error().message};
  }
  return v[OptionId::kTz];
}

// JSON or text, its encoding, the notes and how near an edge counts.
std::optional<Error> ReadOutput(const OptionValues& v, ChartRequest& request) {
  using enum OptionId;
  // A search prints JSON lines (or its tally) without --json.
  request.json = v.Flag(kJson) || v.Given(kFind);
  if (v[kEncoding] == "gbk") {
    request.encoding = OutputEncoding::kGbk;
  } else if (v[kEncoding] != "utf8") {
    return Error{"--encoding: unknown encoding " + QuotedValue(v[kEncoding]) +
                 " (use utf8 or gbk)"};
  }
  if (request.json && request.encoding == OutputEncoding::kGbk) {
    return Error{"--encoding gbk applies to the text table; JSON is always UTF-8"};
  }
  const bool notes = v.Flag(kNotes);
  const auto near = ParseWholeNumber("--near-minutes", v[kNearMinutes], 0, kMaxNearMinutes);
  if (!near) return near.error();
  if (v.Given(kNearMinutes)) {
    if (!request.json && !notes) return Error{"--near-minutes applies to --json and --notes"};
    if (v.Flag(kCompareMethods)) {
      return Error{"--near-minutes does not apply to --compare-methods"};
    }
  }
  if (request.json && notes) {
    return Error{"--notes applies to the text table; JSON gives boundaries.near"};
  }
  request.svg = v.Flag(kSvg);
  if (request.svg) {
    if (request.json) return Error{"give either --json or --svg, not both"};
    if (request.encoding == OutputEncoding::kGbk) {
      return Error{"--encoding gbk applies to the text table; SVG is always UTF-8"};
    }
    if (notes) return Error{"--notes applies to the text table"};
  }
  request.near_minutes = *near;
  request.notes = notes;
  return std::nullopt;
}

// The method and its 置闰 reading, or the comparison of every method.
std::optional<Error> ReadMethod(const OptionValues& v, ChartRequest& request) {
  using enum OptionId;
  const bool compare = v.Flag(kCompareMethods);
  const std::optional<chart::ChartMethod> method = chart::ChartMethodOfName(v[kMethod]);
  if (!method) {
    return Error{"--method: unknown method " + QuotedValue(v[kMethod]) +
                 " (use chaibu, zhirun or maoshan)"};
  }
  if (v.Given(kMethod) && compare) {
    return Error{"--compare-methods compares every method; leave out --method"};
  }
  request.options.method = *method;
  request.compare_methods = compare;
  const auto lead = ParseWholeNumber("--zhirun-lead", v[kZhirunLead], chart::kFewestZhirunLeadDays,
                                     chart::kMostZhirunLeadDays);
  if (!lead) return lead.error();
  if (v.Given(kZhirunLead) && *method != chart::ChartMethod::kZhirun && !compare) {
    return Error{"--zhirun-lead applies to --method zhirun and --compare-methods"};
  }
  request.options.zhirun_lead_days = *lead;
  return std::nullopt;
}

// Whether the text table carries the reading, and the reading's profile.
std::optional<Error> ReadReading(const OptionValues& v, ChartRequest& request) {
  using enum OptionId;
  request.reading = v.Flag(kReading);
  if (request.reading && request.json) {
    return Error{"--reading adds to the text table; JSON always carries \"reading\""};
  }
  if (request.reading && request.svg) return Error{"--reading adds to the text table"};
  if (!v.Given(kProfile)) return std::nullopt;
  const std::optional<reading::ReadingProfile> profile = reading::ProfileNamed(v[kProfile]);
  if (!profile) {
    return Error{"--profile: unknown profile " + QuotedValue(v[kProfile]) +
                 " (use classic, yanbo or tongzong)"};
  }
  if (!request.reading && !request.json) return Error{"--profile applies to --reading and --json"};
  request.profile = *profile;
  return std::nullopt;
}

// The script of the text table, the notes, the reading and the drawing.
std::optional<Error> ReadLanguage(const OptionValues& v, ChartRequest& request) {
  using enum OptionId;
  const std::optional<chart::Script> script = chart::ScriptOfTag(v[kLang]);
  if (!script) {
    return Error{"--lang: unknown script " + QuotedValue(v[kLang]) +
                 " (use zh-Hans, zh-Hant or en)"};
  }
  if (v.Given(kLang) && request.json) {
    return Error{"--lang applies to the text table and --svg; JSON is the same in every script"};
  }
  request.script = *script;
  return std::nullopt;
}

// The query of a search, its tally and how far from an edge its hits must lie.
std::optional<Error> ReadSearch(const OptionValues& v, ChartRequest& request) {
  using enum OptionId;
  const bool finding = v.Given(kFind);
  if (v.Flag(kCount) && !finding) return Error{"--count counts the hits of --find"};
  if (v.Given(kAwayFromEdges) && !finding) return Error{"--away-from-edges applies to --find"};
  if (!finding) return std::nullopt;
  auto query = search::ParseQuery(v[kFind]);
  if (const auto* error = std::get_if<search::QueryError>(&query)) {
    return Error{"--find: " + search::Describe(*error)};
  }
  request.query = std::move(std::get<search::Query>(query));
  if (v.Flag(kCompareMethods)) return Error{"--find and --compare-methods are separate runs"};
  if (!v.Given(kFrom) || !v.Given(kTo)) return Error{"--find needs a range (--from and --to)"};
  const auto away = ParseWholeNumber("--away-from-edges", v[kAwayFromEdges], 0, kMaxNearMinutes);
  if (!away) return away.error();
  request.count = v.Flag(kCount);
  request.away_minutes = *away;
  return std::nullopt;
}

// The threads of a range: the option's, or one per core.
std::optional<Error> ReadJobs(const OptionValues& v, ChartRequest& request) {
  request.jobs = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs);
  if (!v.Given(OptionId::kJobs)) return std::nullopt;
  const auto jobs = ParseWholeNumber("--jobs", v[OptionId::kJobs], 1, kMaxJobs);
  if (!jobs) return jobs.error();
  request.jobs = *jobs;
  return std::nullopt;
}

// --from, --to and --step-minutes as a range of instants in UTC+8.
std::optional<Error> ReadRange(const OptionValues& v, ChartRequest& request) {
  using enum OptionId;
  if (!v.Given(kFrom) || !v.Given(kTo)) return Error{"a range needs both --from and --to"};
  if (!request.json) return Error{"--from/--to print JSON only; add --json"};
  if (!v.when.empty()) return Error{"give either a date or --from/--to, not both"};
  const auto step = ParseWholeNumber("--step-minutes", v[kStepMinutes], 1, kMaxStepMinutes);
  if (!step) return step.error();
  auto first = MomentOption("--from", v[kFrom]);
  if (!first) return first.error();
  auto last = MomentOption("--to", v[kTo]);
  if (!last) return last.error();
  const auto from_instant = Resolve(request.zone, *first);
  if (!from_instant) return Error{"--from: " + from_instant.error().message};
  const auto to_instant = Resolve(request.zone, *last);
  if (!to_instant) return Error{"--to: " + to_instant.error().message};
  if (MinutesBetween(from_instant->china, to_instant->china) < 0) {
    return Error{"--to " + v[kTo] + " is before --from " + v[kFrom]};
  }
  request.range = ChartRange{from_instant->china, to_instant->china, *step};
  return std::nullopt;
}

// The date of one chart, when one is given (now otherwise).
std::optional<Error> ReadMoment(const OptionValues& v, ChartRequest& request) {
  using enum OptionId;
  if (v.Given(kStepMinutes)) return Error{"--step-minutes needs a range (--from and --to)"};
  if (v.Flag(kCompareMethods)) return Error{"--compare-methods needs a range (--from and --to)"};
  if (v.when.size() > 2) return Error{"too many arguments: expected YYYY-MM-DD HH:MM"};
  if (v.when.empty()) return std::nullopt;
  std::string text = v.when[0];
  if (v.when.size() == 2) text += " " + v.when[1];
  auto moment = ParseChartMoment(text);
  if (!moment) return moment.error();
  const auto instant = Resolve(request.zone, *moment);
  if (!instant) return instant.error();
  request.moment = instant->china;
  if (!request.zone.empty()) request.typed = *instant;
  return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  auto read = ReadArguments(argc, argv);
  if (auto* answer = std::get_if<ParsedCommandLine>(&read)) return std::move(*answer);
  const OptionValues& values = std::get<OptionValues>(read);

  ParsedCommandLine parsed;
  ChartRequest& request = parsed.request;
  auto options = ReadChartOptions(values);
  if (!options) return Bad(options.error().message);
  request.options = *options;
  auto zone = ReadZone(values);
  if (!zone) return Bad(zone.error().message);
  request.zone = *zone;
  using Step = std::optional<Error> (*)(const OptionValues&, ChartRequest&);
  const bool ranged = values.Given(OptionId::kFrom) || values.Given(OptionId::kTo);
  for (const Step step : {&ReadSearch, &ReadOutput, &ReadMethod, &ReadReading, &ReadLanguage,
                          &ReadJobs, ranged ? &ReadRange : &ReadMoment}) {
    if (auto fault = step(values, request)) return Bad(fault->message);
  }
  return parsed;
}

}  // namespace veltrane::app
