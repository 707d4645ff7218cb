// --reading and --profile: what the parser takes and refuses, the text table followed by the
// reading (the table itself unchanged), and the JSON's "reading" under the run's profile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/cli_chart_json.h"
#include "app/cli_options.h"
#include "app/cli_run.h"
#include "reading/rule.h"

namespace veltrane::app {
namespace {

ParsedCommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "veltrane-chart");
  return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(ReadingOptions, ReadingAndProfileAreTakenAndBadUsesRefused) {
  const ParsedCommandLine plain = Parse({"2001-12-27", "04:00"});
  EXPECT_FALSE(plain.request.reading);
  EXPECT_EQ(plain.request.profile.name, "classic");

  const ParsedCommandLine yanbo = Parse({"--reading", "--profile", "yanbo", "2001-12-27", "04:00"});
  ASSERT_EQ(yanbo.kind, ParsedCommandLine::Kind::kRun) << yanbo.text;
  EXPECT_TRUE(yanbo.request.reading);
  EXPECT_EQ(yanbo.request.profile.name, "yanbo");

  const ParsedCommandLine json = Parse({"--json", "--profile", "tongzong", "2001-12-27T04:00"});
  ASSERT_EQ(json.kind, ParsedCommandLine::Kind::kRun) << json.text;
  EXPECT_EQ(json.request.profile.name, "tongzong");

  const ParsedCommandLine unknown = Parse({"--reading", "--profile", "Classic", "2001-12-27"});
  EXPECT_EQ(unknown.kind, ParsedCommandLine::Kind::kBadArguments);
  EXPECT_NE(unknown.text.find("unknown profile 'Classic'"), std::string::npos) << unknown.text;
  EXPECT_EQ(Parse({"--profile", "yanbo", "2001-12-27"}).kind,
            ParsedCommandLine::Kind::kBadArguments);
  EXPECT_EQ(Parse({"--reading", "--json", "2001-12-27"}).kind,
            ParsedCommandLine::Kind::kBadArguments);
}

TEST(ReadingOptions, TheReadingFollowsAnUnchangedTable) {
  const ChartMoment moment{2001, 12, 27, 4, 0};
  const std::string table = ChartText(moment, OutputEncoding::kUtf8);
  const reading::ReadingProfile classic = reading::ClassicProfile();
  const std::string text = ChartText(moment, OutputEncoding::kUtf8, false, 10, {}, &classic);
  ASSERT_TRUE(text.starts_with(table));
  const std::string lines = text.substr(table.size());
  EXPECT_TRUE(lines.starts_with("格局 (classic)\r\n吉格\r\n")) << lines;
  // 遁甲演義 卷二 青龍回首: 陽遁一局甲巳日丙寅時, 直符甲子戊 over earth 丙 in palace 8.
  EXPECT_NE(lines.find("\r\n  8宫 青龙返首 [qinglong-fanshou]\r\n"), std::string::npos);
  EXPECT_TRUE(lines.ends_with("\r\n"));
}

TEST(ReadingOptions, JsonCarriesTheReadingUnderTheRunsProfile) {
  const RunConventions tongzong({}, "", kDefaultNearMinutes, *reading::ProfileNamed("tongzong"));
  const nlohmann::ordered_json json =
      nlohmann::ordered_json::parse(ChartJsonLine({2001, 12, 27, 4, 0}, tongzong));
  const auto& r = json["reading"];
  EXPECT_EQ(r["profile"], "tongzong");
  EXPECT_EQ(r["truncated"], false);
  ASSERT_FALSE(r["findings"].empty());
  EXPECT_EQ(r["findings"][0],
            nlohmann::ordered_json::parse(R"({"rule":"qinglong-fanshou","palace":8,"detail":""})"));
  for (const auto& f : r["findings"]) {
    bool known = false;
    for (const reading::Rule& rule : reading::Rules()) known |= rule.id == f["rule"];
    EXPECT_TRUE(known) << f.dump();
    EXPECT_GE(f["palace"], 1);
    EXPECT_LE(f["palace"], 9);
  }
}

}  // namespace
}  // namespace veltrane::app
