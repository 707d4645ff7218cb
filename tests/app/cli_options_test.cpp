#include "app/cli_options.h"
#include "app/cli_option_table.h"

#include "app/version.h"
#include "chart/option_words.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <string>
#include <vector>

namespace veltrane::app {
namespace {

ParsedCommandLine Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "veltrane-chart");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

using Kind = ParsedCommandLine::Kind;

TEST(CommandLine, NoArgumentsPlotsNowAsUtf8Text) {
  ParsedCommandLine p = Parse({});
  ASSERT_EQ(p.kind, Kind::kRun) << p.text;
  EXPECT_FALSE(p.request.json);
  EXPECT_EQ(p.request.encoding, OutputEncoding::kUtf8);
  EXPECT_FALSE(p.request.moment.has_value());
  EXPECT_FALSE(p.request.range.has_value());
}

TEST(CommandLine, OneChartAsTwoWordsOrOne) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"2001-12-27", "04:00"}, {"2001-12-27 04:00"}, {"2001-12-27T04:00"}}) {
    ParsedCommandLine p = Parse(args);
    ASSERT_EQ(p.kind, Kind::kRun) << p.text;
    ASSERT_TRUE(p.request.moment.has_value());
    EXPECT_EQ(*p.request.moment, (ChartMoment{2001, 12, 27, 4, 0}));
  }
}

TEST(CommandLine, JsonAndEncodingFlags) {
  ParsedCommandLine json = Parse({"--json", "2001-12-27", "04:00"});
  ASSERT_EQ(json.kind, Kind::kRun) << json.text;
  EXPECT_TRUE(json.request.json);
  ParsedCommandLine gbk = Parse({"--encoding", "gbk", "2001-12-27", "04:00"});
  ASSERT_EQ(gbk.kind, Kind::kRun) << gbk.text;
  EXPECT_EQ(gbk.request.encoding, OutputEncoding::kGbk);
  ParsedCommandLine utf8 = Parse({"--encoding=utf8"});
  ASSERT_EQ(utf8.kind, Kind::kRun) << utf8.text;
  EXPECT_EQ(utf8.request.encoding, OutputEncoding::kUtf8);
}

TEST(CommandLine, RangeWithDefaultAndGivenStep) {
  ParsedCommandLine p = Parse({"--json", "--from", "2001-12-27T00:00", "--to", "2001-12-28T00:00"});
  ASSERT_EQ(p.kind, Kind::kRun) << p.text;
  ASSERT_TRUE(p.request.range.has_value());
  EXPECT_EQ(p.request.range->from, (ChartMoment{2001, 12, 27, 0, 0}));
  EXPECT_EQ(p.request.range->to, (ChartMoment{2001, 12, 28, 0, 0}));
  EXPECT_EQ(p.request.range->step_minutes, 120);
  ParsedCommandLine stepped = Parse(
      {"--json", "--from", "2001-12-27T00:00", "--to", "2001-12-27T00:00", "--step-minutes", "15"});
  ASSERT_EQ(stepped.kind, Kind::kRun) << stepped.text;
  EXPECT_EQ(stepped.request.range->step_minutes, 15);
}

TEST(CommandLine, ChartOptions) {
  ParsedCommandLine p = Parse({"--longitude", "-74.5", "--solar-time", "mean", "--day-start", "0",
                               "--centre-palace", "gen-kun", "1988-07-01", "12:00"});
  ASSERT_EQ(p.kind, Kind::kRun) << p.text;
  const chart::ChartOptions& o = p.request.options;
  EXPECT_EQ(o.longitude, -74.5);
  EXPECT_EQ(o.solar_time, chart::SolarTime::kMean);
  EXPECT_EQ(o.day_start, chart::DayStart::kAtMidnight);
  EXPECT_EQ(o.centre_palace, chart::CentrePalace::kGenKun);
  EXPECT_EQ(Parse({}).request.options, chart::ChartOptions{});
}

// The help's values and defaults of the chart options are written in the
// option table; the words themselves live with the chart. They must agree.
TEST(CommandLine, ChartOptionRowsOfferTheChartsOwnWords) {
  const auto joined = [](const auto& words) {
    std::string text;
    for (const auto& w : words) text += (text.empty() ? "" : "|") + std::string(w.word);
    return text;
  };
  const auto check = [&](OptionId id, const auto& words) {
    const OptionRow& row = OptionOf(id);
    EXPECT_EQ(row.values, joined(words)) << row.word;
    EXPECT_EQ(row.default_value, words.front().word) << row.word;
  };
  check(OptionId::kDayStart, chart::DayStartWords());
  check(OptionId::kCentrePalace, chart::CentrePalaceWords());
  check(OptionId::kSolarTime, chart::SolarTimeWords());
}

// Summer time in China, 1988: 12:00 in Shanghai was 11:00 UTC+8.
TEST(CommandLine, ADateInAZone) {
  ParsedCommandLine p = Parse({"--tz", "Asia/Shanghai", "1988-07-01", "12:00"});
  ASSERT_EQ(p.kind, Kind::kRun) << p.text;
  EXPECT_EQ(p.request.moment, (ChartMoment{1988, 7, 1, 11, 0}));
  ASSERT_TRUE(p.request.typed);
  EXPECT_EQ(p.request.typed->local, (ChartMoment{1988, 7, 1, 12, 0}));
}

TEST(CommandLine, NearMinutesAndNotes) {
  ParsedCommandLine defaults = Parse({"--json"});
  ASSERT_EQ(defaults.kind, Kind::kRun) << defaults.text;
  EXPECT_EQ(defaults.request.near_minutes, 10);
  EXPECT_FALSE(defaults.request.notes);
  ParsedCommandLine notes = Parse({"--notes", "--near-minutes", "0", "2015-12-22", "12:45"});
  ASSERT_EQ(notes.kind, Kind::kRun) << notes.text;
  EXPECT_TRUE(notes.request.notes);
  EXPECT_EQ(notes.request.near_minutes, 0);
}

TEST(CommandLine, LangChoosesTheScriptOfTheTextAndTheDrawing) {
  EXPECT_EQ(Parse({"2001-12-27", "04:00"}).request.script, chart::Script::kHans);
  for (const chart::Script script : chart::kScripts) {
    const std::string tag(chart::Tag(script));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--lang", tag, "--notes", "--reading", "2001-12-27", "04:00"},
          std::vector<std::string>{"--svg", "--lang=" + tag, "2001-12-27", "04:00"}}) {
      ParsedCommandLine p = Parse(args);
      ASSERT_EQ(p.kind, Kind::kRun) << p.text;
      EXPECT_EQ(p.request.script, script) << tag;
    }
  }
}

TEST(CommandLine, HelpDescribesEveryOption) {
  ParsedCommandLine p = Parse({"--help"});
  ASSERT_EQ(p.kind, Kind::kHelp);
  for (const char* option : {"--json", "--encoding", "--from", "--to", "--step-minutes",
                             "--near-minutes", "--notes", "--method", "chaibu|zhirun|maoshan",
                             "--zhirun-lead", "--compare-methods", "--help", "YYYY-MM-DD HH:MM"}) {
    EXPECT_NE(p.text.find(option), std::string::npos) << option;
  }
}

// The option table is the one list of options: --help and the manual page
// give every row's word, --help its values and default.
TEST(CommandLine, HelpAndTheManualPageFollowTheOptionTable) {
  const std::string help = Parse({"--help"}).text;
  std::ifstream file(VELTRANE_MANUAL_PAGE);
  const std::string manual{std::istreambuf_iterator<char>(file), {}};
  ASSERT_FALSE(manual.empty()) << VELTRANE_MANUAL_PAGE;
  const auto roff = [](std::string_view text) {
    std::string escaped;
    for (const char c : text) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    return escaped;
  };
  for (const OptionRow& row : OptionTable()) {
    EXPECT_NE(help.find(row.word), std::string::npos) << row.word;
    EXPECT_NE(help.find(row.values), std::string::npos) << row.word;
    if (!row.default_value.empty()) {
      EXPECT_NE(help.find("(default " + std::string(row.default_value) + ")"), std::string::npos)
          << row.word;
    }
    // An entry of its own: ".B \-\-json", ".BI \-\-jobs " N"", ".BR \-\-tz ...".
    const bool entry = manual.find("\n.B " + roff(row.word)) != std::string::npos ||
                       manual.find("\n.BI " + roff(row.word)) != std::string::npos;
    EXPECT_TRUE(entry) << row.word;
  }
}

// Every build reads zones (Windows from the folder its zip ships), so every
// help offers --tz with its example.
TEST(CommandLine, HelpOffersZones) {
  const std::string help = Parse({"--help"}).text;
  EXPECT_NE(help.find("--tz"), std::string::npos) << help;
  EXPECT_NE(help.find("America/New_York"), std::string::npos) << help;
}

TEST(CommandLine, VersionNamesTheProgramAndItsVersion) {
  ParsedCommandLine p = Parse({"--version"});
  ASSERT_EQ(p.kind, Kind::kVersion);
  EXPECT_EQ(p.text, std::string("veltrane-chart ") + kVersion + "\n");
  EXPECT_NE(Parse({"--help"}).text.find("--version"), std::string::npos);
}

struct BadLine {
  std::vector<std::string> args;
  const char* named;
};

class RejectsCommandLine : public testing::TestWithParam<BadLine> {};

TEST_P(RejectsCommandLine, WithOneLineNamingTheFault) {
  ParsedCommandLine p = Parse(GetParam().args);
  ASSERT_EQ(p.kind, Kind::kBadArguments);
  EXPECT_NE(p.text.find(GetParam().named), std::string::npos) << p.text;
  EXPECT_EQ(p.text.find('\n'), std::string::npos) << p.text;
  EXPECT_FALSE(p.text.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RejectsCommandLine,
    testing::Values(
        BadLine{{"2015-02-30", "10:00"}, "impossible date"},
        BadLine{{"1700-01-01", "10:00"}, "year 1700"},
        BadLine{{"3000-01-01", "10:00"}, "year 3000"}, BadLine{{"2015-01-01", "25:00"}, "hour 25"},
        BadLine{{"2015-01-01", "ten"}, "malformed time"}, BadLine{{"2015-01-01"}, "missing time"},
        BadLine{{"2015-01-01", "10:00", "extra"}, "too many"}, BadLine{{"--bogus"}, "--bogus"},
        BadLine{{"--encoding", "latin1"}, "latin1"},
        BadLine{{"--json", "--encoding", "gbk"}, "JSON"},
        // The drawing is one chart, in UTF-8, with nothing under it.
        BadLine{{"--svg", "--json", "2001-12-27", "04:00"}, "not both"},
        BadLine{{"--svg", "--encoding", "gbk", "2001-12-27", "04:00"}, "SVG is always UTF-8"},
        BadLine{{"--svg", "--notes", "2001-12-27", "04:00"}, "--notes"},
        BadLine{{"--svg", "--reading", "2001-12-27", "04:00"}, "--reading"},
        BadLine{{"--svg", "--from", "2001-12-27T00:00", "--to", "2001-12-28T00:00"}, "--json"},
        BadLine{{"--json", "--from", "2001-12-28T00:00", "--to", "2001-12-27T00:00"}, "before"},
        BadLine{{"--json", "--from", "2001-12-27T00:00"}, "--to"},
        BadLine{{"--from", "2001-12-27T00:00", "--to", "2001-12-28T00:00"}, "--json"},
        BadLine{{"--json", "--from", "2001-02-30T00:00", "--to", "2001-12-28T00:00"}, "--from"},
        BadLine{{"--json", "--from", "2001-12-27T00:00", "--to", "2001-12-28"}, "--to"},
        BadLine{{"--json", "--from", "2001-12-27T00:00", "--to", "2001-12-28T00:00",
                 "--step-minutes", "0"},
                "--step-minutes"},
        BadLine{{"--json", "--from", "2001-12-27T00:00", "--to", "2001-12-28T00:00",
                 "--step-minutes", "abc"},
                "step-minutes"},
        BadLine{{"--step-minutes", "10"}, "range"},
        BadLine{{"--json", "--near-minutes", "-1"}, "--near-minutes: -1 is outside 0..1440"},
        BadLine{{"--json", "--near-minutes", "1441"}, "1441"},
        BadLine{{"--json", "--near-minutes", "soon"}, "near-minutes"},
        BadLine{{"--near-minutes", "5"}, "--near-minutes applies to --json and --notes"},
        BadLine{{"--json", "--notes"}, "--notes applies to the text table"},
        BadLine{{"--lang", "zh-TW", "2001-12-27T04:00"}, "--lang: unknown script 'zh-TW'"},
        BadLine{{"--json", "--lang", "en", "2001-12-27T04:00"}, "JSON is the same in every script"},
        BadLine{{"--method", "Zhirun", "2001-12-27T04:00"}, "'Zhirun'"},
        BadLine{{"--method=", "2001-12-27T04:00"}, "--method= needs a value"},
        BadLine{{"--compare-methods", "2001-12-27T04:00"}, "needs a range"},
        BadLine{{"--json", "--compare-methods", "--method", "zhirun", "--from", "2001-12-27T00:00",
                 "--to", "2001-12-28T00:00"},
                "leave out --method"},
        BadLine{{"--json=", "2001-12-27T04:00"}, "--json takes no value"},
        BadLine{{"--json=true", "2001-12-27T04:00"}, "--json takes no value"},
        BadLine{{"--help="}, "--help takes no value"},
        BadLine{{"--encoding=", "2001-12-27T04:00"}, "--encoding= needs a value"},
        BadLine{{"--jobs=", "--json", "--from", "2001-12-27T00:00", "--to", "2001-12-28T00:00"},
                "--jobs= needs a value"},
        BadLine{{"--version=1"}, "--version takes no value"},
        BadLine{{"--json", "--from=", "--to", "2001-12-28T00:00"}, "--from= needs a value"},
        BadLine{
            {"--json", "--from", "2001-12-27T00:00", "--to", "2001-12-28T00:00", "--step-minutes="},
            "--step-minutes= needs a value"},
        BadLine{{"--json", "--from", "2001-12-27T00:00", "--to", "2001-12-28T00:00", "2001-12-27",
                 "04:00"},
                "not both"}));

// Every number is read in its documented form only, and a refusal quotes the
// value as typed, escaped, in one line.
TEST(CommandLine, NumbersAreReadAsWrittenOrRefusedWithTheFormExpected) {
  std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--longitude", ""}, "--longitude: expected a decimal number -180..180, got ''"},
      {{"--longitude", "0x78"}, "--longitude: expected a decimal number -180..180, got '0x78'"},
      {{"--longitude", "120 "}, "--longitude: expected a decimal number -180..180, got '120 '"},
      {{"--longitude", "NaN"}, "--longitude: expected a decimal number -180..180, got 'NaN'"},
      {{"--longitude", "1e2"}, "--longitude: expected a decimal number -180..180, got '1e2'"},
      {{"--longitude", "+120"}, "--longitude: expected a decimal number -180..180, got '+120'"},
      {{"--longitude", "120."}, "--longitude: expected a decimal number -180..180, got '120.'"},
      {{"--longitude", "180.5"}, "--longitude: 180.5 is outside -180..180"},
      {{"--json", "--near-minutes", ""}, "--near-minutes: expected a whole number 0..1440, got ''"},
      {{"--json", "--near-minutes", "999999999999"},
       "--near-minutes: 999999999999 is outside 0..1440"},
      {{"--json", "--near-minutes", "5.0"},
       "--near-minutes: expected a whole number 0..1440, got '5.0'"},
      {{"--json", "--jobs", "+3"}, "--jobs: expected a whole number 1..256, got '+3'"},
      {{"--json", "--jobs", "\x1b[2J"}, "--jobs: expected a whole number 1..256, got '\\x1b[2J'"},
      {{"--json", "--jobs", "\x1b"}, "--jobs: expected a whole number 1..256, got '\\x1b'"},
  };
  cases.push_back({{"--tz", "localtime"}, "--tz: unknown time zone 'localtime'"});
  cases.push_back({{"--tz", "Asia/Shanghai\x01"}, "--tz: unknown time zone 'Asia/Shanghai\\x01'"});
  for (const auto& [args, line] : cases) {
    std::vector<std::string> full = args;
    full.insert(full.end(), {"2024-01-01", "00:00"});
    const ParsedCommandLine p = Parse(full);
    EXPECT_EQ(p.kind, Kind::kBadArguments) << line;
    EXPECT_EQ(p.text, line);
  }
  for (const auto& [args, line] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"--method", "zhirun", "--zhirun-lead", "11"}, "--zhirun-lead: 11 is outside 8..10"},
           {{"--method", "zhirun", "--zhirun-lead", "nine"},
            "--zhirun-lead: expected a whole number 8..10, got 'nine'"},
           {{"--zhirun-lead", "9"},
            "--zhirun-lead applies to --method zhirun and --compare-methods"}}) {
    std::vector<std::string> full = args;
    full.insert(full.end(), {"2024-01-01", "00:00"});
    EXPECT_EQ(Parse(full).text, line);
  }
  const ParsedCommandLine lead =
      Parse({"--method", "zhirun", "--zhirun-lead", "8", "2024-01-01", "00:00"});
  ASSERT_EQ(lead.kind, Kind::kRun) << lead.text;
  EXPECT_EQ(lead.request.options.zhirun_lead_days, 8);
  const ParsedCommandLine west = Parse({"--longitude", "-75.25", "2024-01-01", "00:00"});
  ASSERT_EQ(west.kind, Kind::kRun) << west.text;
  EXPECT_EQ(west.request.options.longitude, -75.25);
  const ParsedCommandLine leading_zero =
      Parse({"--json", "--near-minutes", "007", "2024-01-01", "00:00"});
  ASSERT_EQ(leading_zero.kind, Kind::kRun) << leading_zero.text;
  EXPECT_EQ(leading_zero.request.near_minutes, 7);
}

}  // namespace
}  // namespace veltrane::app
