// veltrane-chart run as a separate process, as a user runs it: its text and
// JSON for the worked chart, ranges, help, and its exit codes and messages
// for bad arguments.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "app/version.h"
#include "base/text/gbk.h"
#include "ui/copy_worked_chart.h"
#include "window_fields.h"

extern char** environ;

namespace veltrane::app {
namespace {

struct ToolRun {
  int exit_code = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs the built tool with args, stdout and stderr each into a file of its own.
ToolRun RunTool(const std::vector<std::string>& args) {
  // mkstemp names the files inside the system's folder for temporary files.
  const std::string folder = std::filesystem::temp_directory_path().string();
  std::string out_path = folder + "/veltrane-chart-out-XXXXXX";
  std::string err_path = folder + "/veltrane-chart-err-XXXXXX";
  const int out_fd = mkstemp(out_path.data());
  const int err_fd = mkstemp(err_path.data());
  ToolRun run;
  if (out_fd < 0 || err_fd < 0) return run;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out_fd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err_fd, STDERR_FILENO);
  std::vector<std::string> all = {VELTRANE_CHART_BINARY};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  close(out_fd);
  close(err_fd);
  run.out = ReadFile(out_path);
  run.err = ReadFile(err_path);
  std::remove(out_path.c_str());
  std::remove(err_path.c_str());
  return run;
}

// The example object for the worked chart, key for key.
const char* const kWorkedChartJson = R"({"date":"2001-12-27T04:00",
  "pillars":["辛巳","庚子","甲子","丙寅"],"term":"冬至","yuan":"上元","dun":"阳","ju":1,
  "xun":"甲子戊","void_palaces":[6,6],"horse_palace":2,"duty_star":"天蓬","duty_star_palace":8,
  "duty_gate":"休门","duty_gate_palace":3,"palaces":{
  "1":{"earth":"戊","heaven":"癸","star":"天心","gate":"惊门","deity":"九天","hidden":"癸","counter_deity":"符"},
  "2":{"earth":"己","heaven":"乙","star":"天英","gate":"杜门","deity":"白虎","hidden":"丁","counter_deity":"玄"},
  "3":{"earth":"庚","heaven":"丙","star":"天任","gate":"休门","deity":"腾蛇","hidden":"丙","counter_deity":"阴"},
  "4":{"earth":"辛","heaven":"庚","star":"天冲","gate":"生门","deity":"太阴","hidden":"乙","counter_deity":"六"},
  "5":{"earth":"壬","heaven":"壬","hidden":"戊"},
  "6":{"earth":"癸","heaven":"丁","star":"天柱","gate":"死门","deity":"九地","hidden":"己","counter_deity":"天"},
  "7":{"earth":"丁","heaven":"己","star":"天芮","gate":"景门","deity":"玄武","hidden":"庚","counter_deity":"地"},
  "8":{"earth":"丙","heaven":"戊","star":"天蓬","gate":"开门","deity":"值符","hidden":"辛","counter_deity":"蛇"},
  "9":{"earth":"乙","heaven":"辛","star":"天辅","gate":"伤门","deity":"六合","hidden":"壬","counter_deity":"白"}},
  "lunar":{"year":2001,"month":11,"day":13,"leap":false},
  "conventions":{"method":"chaibu","day_start":23,"centre_palace":"kun","time_zone":"UTC+8",
  "longitude":null,"solar_time":"apparent"},
  "input":{"date":"2001-12-27T04:00","time_zone":"UTC+8","utc_offset_minutes":480,"ambiguous":false},
  "instant_utc8":"2001-12-27T04:00",
  "solar_clock":{"kind":"standard","time":"2001-12-27T04:00:00","longitude_correction_seconds":0.0,
  "equation_of_time_seconds":0.0}})";

// The example preceded by the version that made it, as every object begins.
nlohmann::ordered_json WorkedChartJson() {
  nlohmann::ordered_json chart = {{"veltrane", kVersion}};
  chart.update(nlohmann::ordered_json::parse(kWorkedChartJson));
  return chart;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ChartTool, TextIsTheCopiedWorkedChartInUtf8) {
  const ToolRun run = RunTool({"2001-12-27", "04:00"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, testing_support::WorkedChartText(0));
}

TEST(ChartTool, GbkEncodingGivesTheClipboardBytes) {
  const ToolRun run = RunTool({"--encoding", "gbk", "2001-12-27T04:05"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, runtime::GbkFromUtf8(testing_support::WorkedChartText(5)));
}

TEST(ChartTool, JsonOfTheWorkedChart) {
  const ToolRun run = RunTool({"--json", "2001-12-27", "04:00"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  ASSERT_FALSE(run.out.empty());
  EXPECT_EQ(run.out.back(), '\n');
  EXPECT_EQ(Lines(run.out).size(), 1u);
  const nlohmann::ordered_json got = nlohmann::ordered_json::parse(WindowFields(run.out));
  const nlohmann::ordered_json want = WorkedChartJson();
  EXPECT_EQ(got, want);  // keys in the example's order, too
  EXPECT_EQ(WindowFields(run.out), want.dump() + "\n");
}

TEST(ChartTool, RangeStreamsOneObjectPerMoment) {
  const ToolRun run = RunTool({"--json", "--from", "2001-12-26T23:00", "--to", "2001-12-27T04:00"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);  // 23:00, 01:00, 03:00 with the default step of 120 minutes
  const char* const want_dates[] = {"2001-12-26T23:00", "2001-12-27T01:00", "2001-12-27T03:00"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const nlohmann::json chart = nlohmann::json::parse(lines[i]);
    EXPECT_EQ(chart["date"], want_dates[i]);
    EXPECT_EQ(chart["palaces"].size(), 9u);
  }
  // From 23:00 the day pillar is the next day's.
  EXPECT_EQ(nlohmann::json::parse(lines[0])["pillars"][2], "甲子");

  // A chart inside a range equals the same chart plotted on its own.
  const ToolRun stepped = RunTool(
      {"--json", "--from", "2001-12-27T02:00", "--to", "2001-12-27T04:00", "--step-minutes", "60"});
  ASSERT_EQ(stepped.exit_code, 0) << stepped.err;
  const std::vector<std::string> hourly = Lines(stepped.out);
  ASSERT_EQ(hourly.size(), 3u);
  EXPECT_EQ(nlohmann::ordered_json::parse(WindowFields(hourly[2])), WorkedChartJson());
}

TEST(ChartTool, ARangeOnTwoThreadsIsTheRangeOnOne) {
  const std::vector<std::string> range = {
      "--json", "--from", "1999-12-31T00:00", "--to", "2000-01-05T00:00", "--step-minutes", "7"};
  std::vector<std::string> one = range;
  one.insert(one.end(), {"--jobs", "1"});
  std::vector<std::string> two = range;
  two.insert(two.end(), {"--jobs", "2"});
  const ToolRun a = RunTool(one);
  const ToolRun b = RunTool(two);
  ASSERT_EQ(a.exit_code, 0) << a.err;
  ASSERT_EQ(b.exit_code, 0) << b.err;
  EXPECT_EQ(Lines(a.out).size(), 5u * 1440 / 7 + 1);
  EXPECT_EQ(a.out, b.out);
}

// Noon on 22 December 2024 lies in 置闰's 闰局 of 大雪 (拆补: 冬至 下元, 阳遁四局),
// noon on 2 January 2024 in its 小寒 上元 begun by 超神 on 1 January (拆补: 冬至
// 上元). The centre text is the method's ju; --notes names any method but 拆补.
TEST(ChartTool, MethodSetsTheJuAndTheNotesNameIt) {
  const ToolRun zhirun = RunTool({"--method", "zhirun", "--notes", "2024-12-22", "12:00"});
  ASSERT_EQ(zhirun.exit_code, 0) << zhirun.err;
  EXPECT_NE(zhirun.out.find("阴遁一局"), std::string::npos);
  EXPECT_TRUE(zhirun.out.ends_with("\r\n注：本盘以置闰法定局\r\n")) << zhirun.out;
  const ToolRun chaibu = RunTool({"--method", "chaibu", "--notes", "2024-12-22", "12:00"});
  EXPECT_EQ(chaibu.out, RunTool({"--notes", "2024-12-22", "12:00"}).out);
  EXPECT_NE(chaibu.out.find("阳遁四局"), std::string::npos);
  EXPECT_EQ(chaibu.out.find("本盘以"), std::string::npos);
  EXPECT_TRUE(RunTool({"--method", "maoshan", "--notes", "2024-12-22", "12:00"})
                  .out.ends_with("注：本盘以茅山法定局\r\n"));

  const ToolRun json = RunTool({"--json", "--method", "zhirun", "2024-01-02T12:00"});
  ASSERT_EQ(json.exit_code, 0) << json.err;
  const nlohmann::json chart = nlohmann::json::parse(json.out);
  EXPECT_EQ(chart["term"], "小寒");
  EXPECT_EQ(chart["yuan"], "上元");
  EXPECT_EQ(chart["dun"], "阳");
  EXPECT_EQ(chart["ju"], 2);
  EXPECT_EQ(chart["conventions"]["method"], "zhirun");
}

// 惊蛰 begins at 10:23 on 5 March 2024. Before it 拆补 has 雨水 上元, 置闰 惊蛰
// 上元 (by 超神 from 1 March) and 茅山 雨水 下元; from it all three have 惊蛰
// 上元, so only 08:00 to 10:00 are listed.
TEST(ChartTool, CompareMethodsListsTheMomentsWhereTheyDisagree) {
  for (const char* jobs : {"1", "2"}) {
    const ToolRun run =
        RunTool({"--json", "--compare-methods", "--from", "2024-03-05T08:00", "--to",
                 "2024-03-05T14:00", "--step-minutes", "60", "--jobs", jobs});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    const char* const want_dates[] = {"2024-03-05T08:00", "2024-03-05T09:00", "2024-03-05T10:00"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(nlohmann::json::parse(lines[i])["date"], want_dates[i]);
    }
    const nlohmann::ordered_json first = nlohmann::ordered_json::parse(lines[0]);
    EXPECT_EQ(first["veltrane"], kVersion);
    EXPECT_EQ(first["methods"], nlohmann::ordered_json::parse(R"({
        "chaibu":{"term":"雨水","yuan":"上元","dun":"阳","ju":9},
        "zhirun":{"term":"惊蛰","yuan":"上元","dun":"阳","ju":1},
        "maoshan":{"term":"雨水","yuan":"下元","dun":"阳","ju":3}})"));
  }
}

// The comparison names the conventions its charts were plotted under, as a
// chart's JSON does, and refuses an option it would ignore.
TEST(ChartTool, CompareMethodsNamesItsConventions) {
  const ToolRun run =
      RunTool({"--json", "--compare-methods", "--day-start", "0", "--longitude", "87.6", "--from",
               "2024-03-05T08:00", "--to", "2024-03-05T10:00", "--step-minutes", "60"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_FALSE(lines.empty()) << run.out;
  for (const std::string& line : lines) {
    EXPECT_EQ(nlohmann::json::parse(line)["conventions"], nlohmann::json::parse(R"({
        "day_start":0,"centre_palace":"kun","time_zone":"UTC+8","longitude":87.6,
        "solar_time":"apparent","zhirun_lead":10})"));
  }
  const ToolRun refused = RunTool({"--json", "--compare-methods", "--near-minutes", "5", "--from",
                                   "2024-03-05T08:00", "--to", "2024-03-05T10:00"});
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_EQ(refused.err, "veltrane-chart: --near-minutes does not apply to --compare-methods\n");
}

// Without a date the chart is of the current instant shown in UTC+8, not the
// machine's wall clock read as if it were China's.
TEST(ChartTool, NowIsTheCurrentInstantWhateverTheMachinesZone) {
  const char* kept = std::getenv("TZ");
  const std::string previous = kept != nullptr ? kept : "";
  setenv("TZ", "America/New_York", 1);
  namespace chrono = std::chrono;
  const auto before =
      chrono::floor<chrono::minutes>(chrono::system_clock::now()) + chrono::hours(8);
  const ToolRun run = RunTool({"--json"});
  const auto after = chrono::floor<chrono::minutes>(chrono::system_clock::now()) + chrono::hours(8);
  if (kept != nullptr)
    setenv("TZ", previous.c_str(), 1);
  else
    unsetenv("TZ");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const nlohmann::json chart = nlohmann::json::parse(run.out);
  const auto text = [](chrono::sys_time<chrono::minutes> t) {
    const auto day = chrono::floor<chrono::days>(t);
    const chrono::year_month_day ymd{day};
    const chrono::hh_mm_ss hms{t - day};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(hms.hours().count()), static_cast<int>(hms.minutes().count()));
    return std::string(buffer);
  };
  const std::string date = chart["date"];
  EXPECT_TRUE(date == text(before) || date == text(after)) << date << " vs " << text(before);
  EXPECT_EQ(chart["conventions"]["time_zone"], "UTC+8");
}

TEST(ChartTool, LunarIsNullOutsideTheLunarTables) {
  const ToolRun run = RunTool({"--json", "1850-06-01", "12:00"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const nlohmann::json chart = nlohmann::json::parse(run.out);
  EXPECT_TRUE(chart["lunar"].is_null());
  EXPECT_EQ(chart["date"], "1850-06-01T12:00");
}

TEST(ChartTool, WithoutADatePlotsNow) {
  const ToolRun run = RunTool({});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out.rfind("\r\n公历时间：", 0), 0u);
  EXPECT_EQ(Lines(run.out).size(), 18u);
}

// New York's clocks fall back at 06:00 UTC on 3 November 2024: 01:00–01:59
// happens in EDT (UTC−4) and again in EST (UTC−5). A range steps through
// instants, 12:30 to 15:30 UTC+8, and names each one's civil time there.
TEST(ChartTool, ARangeUnderAZoneStepsThroughInstants) {
  const ToolRun run = RunTool({"--json", "--tz", "America/New_York", "--from", "2024-11-03T00:30",
                               "--to", "2024-11-03T02:30", "--step-minutes", "30"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 7u);
  const char* const want_local[] = {"00:30", "01:00", "01:30", "01:00", "01:30", "02:00", "02:30"};
  const int want_offset[] = {-240, -240, -240, -300, -300, -300, -300};
  const char* const want_instant[] = {"12:30", "13:00", "13:30", "14:00",
                                      "14:30", "15:00", "15:30"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const nlohmann::json chart = nlohmann::json::parse(lines[i]);
    const std::string instant = std::string("2024-11-03T") + want_instant[i];
    EXPECT_EQ(chart["instant_utc8"], instant);
    EXPECT_EQ(chart["date"], instant);
    EXPECT_EQ(chart["input"]["date"], std::string("2024-11-03T") + want_local[i]);
    EXPECT_EQ(chart["input"]["utc_offset_minutes"], want_offset[i]);
    EXPECT_EQ(chart["input"]["ambiguous"], want_local[i][1] == '1') << lines[i];
    EXPECT_EQ(chart["conventions"]["time_zone"], "America/New_York");
  }
}

// At 0° on the mean clock 2001-12-27 04:00 UTC+8 is 12-26 20:00: day 癸亥,
// hour 壬戌 (the core's tests work it through); every option is named.
TEST(ChartTool, JsonNamesTheOptionsAndTheSolarClock) {
  const ToolRun run = RunTool({"--json", "--longitude", "0", "--solar-time", "mean", "--day-start",
                               "0", "--centre-palace", "gen-kun", "2001-12-27", "04:00"});
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const nlohmann::ordered_json chart = nlohmann::ordered_json::parse(run.out);
  EXPECT_EQ(chart["pillars"], nlohmann::json({"辛巳", "庚子", "癸亥", "壬戌"}));
  EXPECT_NE(run.out.find(R"("conventions":{"method":"chaibu","day_start":0,)"
                         R"("centre_palace":"gen-kun","time_zone":"UTC+8","longitude":0,)"
                         R"("solar_time":"mean"})"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find(R"("solar_clock":{"kind":"mean","time":"2001-12-26T20:00:00",)"
                         R"("longitude_correction_seconds":-28800.0,)"
                         R"("equation_of_time_seconds":0.0})"),
            std::string::npos)
      << run.out;
}

TEST(ChartTool, NotesFollowTheTableUnchanged) {
  const ToolRun plain = RunTool({"2015-12-22", "12:45"});
  const ToolRun noted = RunTool({"--notes", "2015-12-22", "12:45"});
  ASSERT_EQ(noted.exit_code, 0) << noted.err;
  EXPECT_EQ(noted.out, plain.out + "\r\n注：距冬至交节 3 分钟，交节前后局数不同\r\n");
  const ToolRun yuan = RunTool({"--notes", "--near-minutes", "5", "2015-12-23", "23:05"});
  EXPECT_EQ(yuan.out.substr(yuan.out.rfind("┘") + std::string("┘").size()),
            "\r\n\r\n注：符头甲戌日换元已过 5 分钟，换元前后局数不同"
            "\r\n注：子时开始已过 5 分钟，换时前后时柱不同\r\n");
  // In GBK, as the table.
  const ToolRun gbk = RunTool({"--notes", "--encoding", "gbk", "2015-12-22", "12:45"});
  EXPECT_EQ(gbk.out, runtime::GbkFromUtf8(noted.out));
}

TEST(ChartTool, HelpNamesEveryOption) {
  const ToolRun run = RunTool({"--help"});
  EXPECT_EQ(run.exit_code, 0);
  for (const char* option :
       {"--json", "--encoding", "--from", "--to", "--step-minutes", "--jobs", "--near-minutes",
        "--notes", "--tz", "--longitude", "--solar-time", "--day-start", "--centre-palace"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
}

TEST(ChartTool, VersionOnStdout) {
  const ToolRun run = RunTool({"--version"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, std::string("veltrane-chart ") + kVersion + "\n");
  EXPECT_EQ(run.err, "");
}

struct BadArguments {
  std::vector<std::string> args;
  const char* named;
};

class ChartToolRejects : public testing::TestWithParam<BadArguments> {};

TEST_P(ChartToolRejects, WithExitCodeTwoAndOneLineOnStderr) {
  const ToolRun run = RunTool(GetParam().args);
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(run.out, "");
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_EQ(run.err.rfind("veltrane-chart: ", 0), 0u) << run.err;
  EXPECT_NE(run.err.find(GetParam().named), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, ChartToolRejects,
    testing::Values(
        BadArguments{{"2015-02-30", "10:00"}, "impossible date"},
        BadArguments{{"1799-12-31", "10:00"}, "year 1799"},
        BadArguments{{"3000-01-01", "10:00"}, "year 3000"},
        BadArguments{{"2015-01-01", "10h"}, "malformed time"},
        BadArguments{{"2015-01-01", "24:00"}, "hour 24"}, BadArguments{{"--verbose"}, "--verbose"},
        BadArguments{{"--json="}, "--json"}, BadArguments{{"--jobs", "0"}, "--jobs"},
        BadArguments{{"--jobs", "many"}, "--jobs"}, BadArguments{{"--jobs", "100000"}, "--jobs"},
        BadArguments{{"--notes", "--near-minutes", "-5"}, "--near-minutes"},
        BadArguments{{"--json", "--from", "2001-12-28T00:00", "--to", "2001-12-27T00:00"},
                     "before"},
        BadArguments{{"--day-start", "1"}, "--day-start"},
        BadArguments{{"--centre-palace", "gen"}, "--centre-palace"},
        BadArguments{{"--longitude", "180.5"}, "--longitude"},
        BadArguments{{"--longitude", "east"}, "--longitude"},
        BadArguments{{"--solar-time", "mean"}, "--longitude"},
        BadArguments{{"--tz", "Mars/Olympus_Mons"}, "Mars"},
        BadArguments{{"--tz", "America/New_York", "2024-03-10", "02:30"}, "does not exist"}));

INSTANTIATE_TEST_SUITE_P(BadMethods, ChartToolRejects,
                         testing::Values(BadArguments{{"--method", "zhirun2"}, "--method"},
                                         BadArguments{{"--method"}, "--method"}));

}  // namespace
}  // namespace veltrane::app
