#include "app/cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
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
    "  veltrane-chart --json --from 2001-12-27T00:00 --to 2001-12-28T00:00 --step-minutes 60\n"
    "  veltrane-chart --json --from 1900-01-01T00:00 --to 1999-12-31T23:00 --step-minutes 60 \\\n"
    "      --jobs 2 > century.jsonl\n"
    "  veltrane-chart --method zhirun --notes 2024-12-22 12:00\n"
    "  veltrane-chart --json --compare-methods --from 2024-01-01T00:00 --to 2024-12-31T23:00\n"
    "\n"
    "Text output is the table that the window's 复制排盘 button puts on the clipboard\n"
    "(CR LF line ends). JSON output is UTF-8, one object per line; a range is printed\n"
    "in moment order whatever the number of jobs. Years run from 1800 to 2999.\n"
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
  std::string method_text;
  bool compare_methods = false;

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
    if (MinutesBetween(*first, *last) < 0) {
      return Bad("--to " + to_text + " is before --from " + from_text);
    }
    request.range = ChartRange{*first, *last, step_minutes};
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
    request.moment = *moment;
  }
  return parsed;
}

}  // namespace veltrane::app
