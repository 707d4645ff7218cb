// The zone reader against a table of civil times made with Python's zoneinfo
// (tools/zone_offsets), 1800-2200 in zones of both hemispheres: every change
// of offset with its gap or fold, and samples of every year after the zone
// files' last listed change, where only their closing rule holds.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli_tzif.h"
#include "app/cli_zone.h"

namespace veltrane::app {
namespace {

struct Row {
  std::string zone;
  std::string direction;  // U: from an instant, L: from a civil time
  std::string input;
  std::string output;  // a moment, or "gap"
  int offset_seconds = 0;
  bool twice = false;
};

std::vector<Row> ReadTable() {
  std::vector<Row> rows;
  std::ifstream file(VELTRANE_ZONE_TABLE);
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Row row;
    int twice = 0;
    fields >> row.zone >> row.direction >> row.input >> row.output >> row.offset_seconds >> twice;
    row.twice = twice != 0;
    rows.push_back(row);
  }
  return rows;
}

ChartMoment MomentOfText(const std::string& text) {
  ChartMoment m{};
  std::sscanf(text.c_str(), "%d-%d-%dT%d:%d", &m.year, &m.month, &m.day, &m.hour, &m.minute);
  return m;
}

int FlooredMinutes(int seconds) { return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60); }

// What the program gives for one row, in the row's own terms.
std::string Answer(const Row& row) {
  const ChartMoment input = MomentOfText(row.input);
  const auto r =
      row.direction == "U" ? LocalTimeInZone(row.zone, input) : ResolveZonedTime(row.zone, input);
  if (!r) return r.error().message.find("does not exist") != std::string::npos ? "gap" : "error";
  const ChartMoment& out = row.direction == "U" ? r->local : r->china;
  return FormatChartMoment(out) + " " + std::to_string(r->offset_minutes) + " " +
         (r->ambiguous ? "twice" : "once");
}

std::string Expected(const Row& row) {
  if (row.output == "gap") return "gap";
  return row.output + " " + std::to_string(FlooredMinutes(row.offset_seconds)) + " " +
         (row.twice ? "twice" : "once");
}

// The tzdata release a text names on its "version" or "# tzdata" line: the
// table's, or the system's in tzdata.zi.
std::string ReleaseIn(const std::string& path, const std::string& key) {
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind(key, 0) == 0) return line.substr(key.size());
  }
  return "";
}

TEST(ZoneTableTest, AgreesWithAnotherReadingOfTheZoneFilesFrom1800To2200) {
  // A later tzdata may rewrite these zones' history; the rows then say nothing
  // of the reader until the table is made again from that release.
  const std::string table = ReleaseIn(VELTRANE_ZONE_TABLE, "# tzdata ");
  const std::string system = ReleaseIn("/usr/share/zoneinfo/tzdata.zi", "# version ");
  ASSERT_FALSE(table.empty()) << "the table names no tzdata release";
  if (system != table) {
    GTEST_SKIP() << "the table was made from tzdata " << table << ", this system has "
                 << (system.empty() ? "an unknown release" : system)
                 << ": run tools/zone_offsets/make_zone_offsets.py again";
  }
  const std::vector<Row> rows = ReadTable();
  ASSERT_GT(rows.size(), 20000u) << "the table " << VELTRANE_ZONE_TABLE << " was not read";
  int wrong = 0;
  int after_2037 = 0;
  for (const Row& row : rows) {
    if (row.input >= "2038") ++after_2037;
    const std::string want = Expected(row);
    const std::string got = Answer(row);
    if (got == want) continue;
    if (++wrong <= 20) {
      ADD_FAILURE() << row.zone << " " << row.direction << " " << row.input << ": want " << want
                    << " got " << got;
    }
  }
  EXPECT_EQ(wrong, 0) << "of " << rows.size() << " rows";
  EXPECT_GT(after_2037, 5000);
}

// The cases the closing rule decides: daylight saving in 2050, a skipped and
// a repeated hour in 2038.
TEST(ZoneTableTest, KeepsDaylightSavingAfter2037) {
  const auto summer = ResolveZonedTime("America/New_York", ChartMoment{2050, 7, 1, 12, 0});
  ASSERT_TRUE(summer);
  EXPECT_EQ(summer->offset_minutes, -240);
  EXPECT_EQ(summer->china, (ChartMoment{2050, 7, 2, 0, 0}));
  EXPECT_FALSE(ResolveZonedTime("America/New_York", ChartMoment{2038, 3, 14, 2, 30}));
  const auto twice = ResolveZonedTime("America/New_York", ChartMoment{2038, 11, 7, 1, 30});
  ASSERT_TRUE(twice);
  EXPECT_TRUE(twice->ambiguous);
}

// Names outside the database's list, and ways out of its folder, are not zones.
TEST(ZoneTableTest, TakesOnlyTheDatabasesZoneNames) {
  for (const char* name : {"localtime", "posixrules", "right/UTC", "../zoneinfo/UTC",
                           "/etc/localtime", "America//New_York", "", "Asia/Shanghai\n"}) {
    const auto r = ResolveZonedTime(name, ChartMoment{2024, 1, 1, 0, 0});
    ASSERT_FALSE(r) << name;
    EXPECT_EQ(r.error().message.find('\n'), std::string::npos);
  }
  EXPECT_EQ(ResolveZonedTime("Bad\x01Zone", ChartMoment{2024, 1, 1, 0, 0}).error().message,
            "unknown time zone 'Bad\\x01Zone'");
}

TEST(PosixTzTest, ReadsTheRuleFormsOfZoneFilesAndRefusesOthers) {
  for (const char* good :
       {"CST-8", "EST5EDT,M3.2.0,M11.1.0", "<-04>4<-03>,M9.1.6/24,M4.1.6/24",
        "<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "IST-1GMT0,M10.5.0,M3.5.0/1",
        "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", "EST5EDT4,0/0,J365/25", "XXX3EDT4,J60/2,300"}) {
    EXPECT_TRUE(ParsePosixTz(good)) << good;
  }
  for (const char* bad : {"", "ES5", "EST", "EST5EDT,M13.1.0,M11.1.0", "EST5EDT,M3.6.0,M11.1.0",
                          "EST5EDT,M3.2.7,M11.1.0", "EST5EDT,M3.2.0", "EST5EDT,J0,J365", "EST25",
                          "<EST5", "EST5EDT,M3.2.0/168,M11.1.0", "EST5 "}) {
    EXPECT_FALSE(ParsePosixTz(bad)) << bad;
  }
  // Daylight saving all year: the end of one year meets the start of the next.
  const auto always = ParsePosixTz("EST5EDT4,0/0,J365/25");
  ASSERT_TRUE(always);
  for (const std::int64_t t : {0LL, 15638400LL, 31532400LL, 31536000LL, 946702800LL}) {
    EXPECT_EQ(PosixTzOffsetAt(*always, t), -4 * 3600) << t;
  }
}

TEST(TzifTest, RefusesMalformedFilesWithoutReadingPastThem) {
  std::ifstream file("/usr/share/zoneinfo/America/New_York", std::ios::binary);
  const std::vector<unsigned char> good{std::istreambuf_iterator<char>(file), {}};
  ASSERT_TRUE(ParseTzif(good));
  // Every cut of the file is refused.
  for (std::size_t n = 0; n < good.size(); n += 7) {
    EXPECT_FALSE(ParseTzif(std::span(good).first(n))) << n;
  }
  std::vector<unsigned char> bad = good;
  bad[0] = 'X';
  EXPECT_EQ(ParseTzif(bad).error().message, "not a compiled zone file");
  bad = good;
  bad[32] = 0xff;  // the 32-bit block's count of transitions
  EXPECT_FALSE(ParseTzif(bad));
}

}  // namespace
}  // namespace veltrane::app
