// --find, --count and --away-from-edges: what the parser takes and refuses (a bad query is one
// line naming its column), the hits in moment order on any number of jobs, each with its chart
// and "matched", the tally agreeing with the hits, and hits near an edge left out.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/cli_options.h"
#include "app/cli_run.h"

namespace veltrane::app {
namespace {

ParsedCommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "veltrane-chart");
  return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

// What a request prints.
std::string Printed(const ChartRequest& request) {
  std::FILE* out = std::tmpfile();
  EXPECT_EQ(RunChartRequest(request, out), 0);
  std::string text;
  std::rewind(out);
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
  std::fclose(out);
  return text;
}

std::vector<nlohmann::json> Lines(const std::string& text) {
  std::vector<nlohmann::json> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
  return lines;
}

TEST(FindOptions, AMalformedQueryIsOneLineNamingItsColumn) {
  const char* bad[] = {"",
                       "dun",
                       "dun=",
                       "dun=阳 and",
                       "(dun=阳",
                       "palace(4.gate=开门",
                       "reading=青龙@3",
                       "ju=阴遁十局",
                       "hour=甲丑",
                       "term=冬至 )",
                       "not not",
                       "palace(5).gate=",
                       "duty_gate_palace=10"};
  for (const char* query : bad) {
    const ParsedCommandLine parsed =
        Parse({"--find", query, "--from", "2024-01-01T00:00", "--to", "2024-01-02T00:00"});
    ASSERT_EQ(parsed.kind, ParsedCommandLine::Kind::kBadArguments) << query;
    EXPECT_EQ(parsed.text.rfind("--find: column ", 0), 0u) << parsed.text;
    EXPECT_NE(parsed.text.find("expected"), std::string::npos) << parsed.text;
    EXPECT_EQ(parsed.text.find('\n'), std::string::npos) << parsed.text;
  }
}

TEST(FindOptions, MisusesAreRefused) {
  const auto kind = [](std::vector<const char*> args) { return Parse(std::move(args)).kind; };
  constexpr auto kBad = ParsedCommandLine::Kind::kBadArguments;
  EXPECT_EQ(kind({"--find", "dun=阳", "2024-01-01", "00:00"}), kBad);  // needs a range
  EXPECT_EQ(kind({"--count", "--from", "2024-01-01T00:00", "--to", "2024-01-02T00:00", "--json"}),
            kBad);
  EXPECT_EQ(kind({"--away-from-edges", "5", "--json", "2024-01-01T00:00"}), kBad);
  EXPECT_EQ(kind({"--find", "dun=阳", "--away-from-edges", "-1", "--from", "2024-01-01T00:00",
                  "--to", "2024-01-02T00:00"}),
            kBad);
  // A search prints JSON without --json, and takes a profile.
  const ParsedCommandLine ok = Parse({"--find", "reading=星伏吟", "--profile", "yanbo", "--from",
                                      "2024-01-01T00:00", "--to", "2024-01-02T00:00"});
  ASSERT_EQ(ok.kind, ParsedCommandLine::Kind::kRun) << ok.text;
  EXPECT_TRUE(ok.request.query.has_value());
  EXPECT_EQ(ok.request.profile.name, "yanbo");
}

TEST(FindRun, HitsAreInMomentOrderOnAnyJobsAndCountAgrees) {
  const char* args[] = {"--find", "hour_stem=甲 or reading=青龙返首",
                        "--from", "2024-02-01T00:00",
                        "--to",   "2024-04-30T23:00"};
  ParsedCommandLine parsed = Parse({std::begin(args), std::end(args)});
  ASSERT_EQ(parsed.kind, ParsedCommandLine::Kind::kRun) << parsed.text;
  parsed.request.jobs = 1;
  const std::string one = Printed(parsed.request);
  parsed.request.jobs = 3;
  EXPECT_EQ(Printed(parsed.request), one);

  const auto hits = Lines(one);
  ASSERT_GT(hits.size(), 100u);
  std::string last;
  for (const auto& hit : hits) {
    const std::string date = hit["date"];
    EXPECT_LT(last, date);
    last = date;
    ASSERT_TRUE(hit.contains("boundaries"));
    ASSERT_FALSE(hit["matched"].empty());
    // Every matched test is one of the query's, a reading with the palace it holds in.
    for (const std::string m : hit["matched"]) {
      EXPECT_TRUE(m == "hour_stem=甲" || m.rfind("reading=青龙返首@", 0) == 0) << m;
    }
    const std::string hour = hit["pillars"][3];
    if (hour.rfind("甲", 0) == 0) {
      EXPECT_EQ(hit["matched"][0], "hour_stem=甲");
    }
  }

  parsed.request.count = true;
  const auto counts = Lines(Printed(parsed.request));
  ASSERT_EQ(counts.size(), 1u);
  EXPECT_EQ(counts[0]["hits"], hits.size());
  EXPECT_EQ(counts[0]["per_year"]["2024"], hits.size());
  std::size_t by_yuan = 0;
  for (const auto& [yuan, n] : counts[0]["per_yuan"].items()) by_yuan += n.get<std::size_t>();
  EXPECT_EQ(by_yuan, hits.size());
}

TEST(FindRun, AwayFromEdgesLeavesOutHitsNearAnEdge) {
  // Every quarter hour: the moments at :00 of an odd hour lie on an hour edge.
  ParsedCommandLine parsed =
      Parse({"--find", "dun=阳 or dun=阴", "--from", "2024-03-01T00:00", "--to", "2024-03-03T00:00",
             "--step-minutes", "15", "--away-from-edges", "20", "--near-minutes", "20"});
  ASSERT_EQ(parsed.kind, ParsedCommandLine::Kind::kRun) << parsed.text;
  const auto kept = Lines(Printed(parsed.request));
  parsed.request.away_minutes = 0;
  const auto all = Lines(Printed(parsed.request));
  EXPECT_EQ(all.size(), 2u * 24 * 4 + 1);
  EXPECT_LT(kept.size(), all.size());
  std::size_t near = 0;
  for (const auto& hit : all) near += hit["boundaries"]["near"].empty() ? 0 : 1;
  EXPECT_EQ(kept.size(), all.size() - near);
  for (const auto& hit : kept) EXPECT_TRUE(hit["boundaries"]["near"].empty()) << hit["date"];
}

}  // namespace
}  // namespace veltrane::app
