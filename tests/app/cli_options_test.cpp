#include "app/cli_options.h"

#include "app/version.h"

#include <gtest/gtest.h>

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

// Summer time in China, 1988: 12:00 in Shanghai was 11:00 UTC+8. A build
// without the zone database says so instead.
TEST(CommandLine, ADateInAZone) {
  ParsedCommandLine p = Parse({"--tz", "Asia/Shanghai", "1988-07-01", "12:00"});
  if (!TimeZonesAvailable()) {
    EXPECT_EQ(p.kind, Kind::kBadArguments);
    EXPECT_NE(p.text.find("no time-zone database"), std::string::npos) << p.text;
    return;
  }
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

TEST(CommandLine, HelpDescribesEveryOption) {
  ParsedCommandLine p = Parse({"--help"});
  ASSERT_EQ(p.kind, Kind::kHelp);
  for (const char* option :
       {"--json", "--encoding", "--from", "--to", "--step-minutes", "--near-minutes", "--notes",
        "--method", "chaibu|zhirun|maoshan", "--compare-methods", "--help", "YYYY-MM-DD HH:MM"}) {
    EXPECT_NE(p.text.find(option), std::string::npos) << option;
  }
}

// A build without the zone database (the Windows one) does not offer --tz,
// neither as an option nor in an example, but still answers it with a reason.
TEST(CommandLine, HelpOffersZonesOnlyWhereTheBuildHasThem) {
  const std::string help = Parse({"--help"}).text;
  EXPECT_EQ(help.find("--tz") != std::string::npos, TimeZonesAvailable()) << help;
  EXPECT_EQ(help.find("America/New_York") != std::string::npos, TimeZonesAvailable());
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

}  // namespace
}  // namespace veltrane::app
