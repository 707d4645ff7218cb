// The zone folder and its list: which names are zones, which file each is
// read from, and the answers when the folder or a file is missing or wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "app/cli_zone_database.h"
#include "app/cli_zone_folder.h"

namespace veltrane::app {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A folder of its own under the temporary one (other runs of the test may
// share that), removed afterwards.
class ZoneFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / ("veltrane-zones-" + std::string(test->name()) + "-" +
                                           std::to_string(std::random_device{}()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  fs::path folder_;
};

TEST(ZoneListTest, GivesEachZoneAndLinkTheFileOfItsZone) {
  const ZoneList list = ReadZoneList(
      "# version 2099z\n"
      "R US 1967 2006 - O lastSu 2 0 S\n"
      "Z America/New_York -4:56:2 - LMT 1883 N 18 17u\n"
      "-5 u E%sT\n"
      "Z Asia/Shanghai 8:5:43 - LMT 1901\n"
      "L America/New_York US/Eastern\n"
      "L US/Eastern Old/Eastern\n"          // a link of a link
      "L Asia/Nowhere Asia/Lost\n"          // its target is no zone
      "L Asia/Shanghai America/New_York\n"  // a link never hides a zone
      "Z ../etc/passwd 0 - X\n"
      "L Asia/Shanghai ../../escape\n"
      "L ../Asia Asia/Up\n"
      "Z\n"
      "L Asia/Shanghai\n");
  const ZoneList want{{"America/New_York", "America/New_York"},
                      {"Asia/Shanghai", "Asia/Shanghai"},
                      {"US/Eastern", "America/New_York"},
                      {"Old/Eastern", "America/New_York"}};
  EXPECT_EQ(list, want);
  EXPECT_TRUE(ReadZoneList("").empty());
  EXPECT_TRUE(ReadZoneList(std::string("Z A\0B 0", 7) + "\n\xff\xfe").empty());
}

TEST(ZoneListTest, TakesOnlyNamesThatStayInTheFolder) {
  for (const char* good : {"UTC", "America/Argentina/Buenos_Aires", "Etc/GMT+5", "Etc/GMT-14"}) {
    EXPECT_TRUE(IsZoneNameShape(good)) << good;
  }
  for (const char* bad : {"", "/UTC", "UTC/", "../UTC", "A//B", "A/./B", ".hidden", "A\\B", "C:UTC",
                          "A B", "A/..", "Asia/Shanghai\n"}) {
    EXPECT_FALSE(IsZoneNameShape(bad)) << bad;
  }
  EXPECT_FALSE(IsZoneNameShape(std::string(65, 'A')));
}

// Without its folder (a zip unpacked without it) every zone is refused with
// one line naming the folder looked for.
TEST_F(ZoneFolderTest, NamesTheFolderWhenItIsMissing) {
  const fs::path missing = folder_ / "zoneinfo";
  ZoneDatabase zones(missing);
  const auto r = zones.Find("Asia/Shanghai");
  ASSERT_FALSE(r);
  const std::u8string path = missing.u8string();
  EXPECT_EQ(r.error().message, "cannot read time zones: the folder " +
                                   std::string(path.begin(), path.end()) + " is missing");
  // A bad name is refused as such before the folder is looked for.
  EXPECT_EQ(zones.Find("../x").error().message, "unknown time zone '../x'");
}

// A link is read from its zone's file, once for all its names; a listed name
// without its file and an unlisted file are unknown; a malformed file is named.
TEST_F(ZoneFolderTest, ReadsListedNamesFromTheirZonesFiles) {
  const std::string shanghai = ReadText(ZoneFolder().folder / "Asia" / "Shanghai");
  ASSERT_FALSE(shanghai.empty()) << (ZoneFolder().folder / "Asia" / "Shanghai");
  WriteText(
      folder_ / "tzdata.zi",
      "Z Asia/Shanghai 8 - CST\nL Asia/Shanghai PRC\nZ Asia/Absent 8 - X\nZ Bad/Zone 0 - X\n");
  WriteText(folder_ / "Asia" / "Shanghai", shanghai);
  WriteText(folder_ / "Unlisted", shanghai);
  WriteText(folder_ / "Bad" / "Zone", std::string(64, '#'));
  ZoneDatabase zones(folder_);
  const auto zone = zones.Find("Asia/Shanghai");
  const auto link = zones.Find("PRC");
  ASSERT_TRUE(zone) << zone.error().message;
  ASSERT_TRUE(link) << link.error().message;
  EXPECT_EQ(zone->get(), link->get());
  EXPECT_EQ(TzifOffsetAt(**link, 583736400), 9 * 3600);  // 1988-07-01 UTC: summer time
  EXPECT_EQ(zones.Find("Asia/Absent").error().message, "unknown time zone 'Asia/Absent'");
  EXPECT_EQ(zones.Find("Unlisted").error().message, "unknown time zone 'Unlisted'");
  EXPECT_EQ(zones.Find("tzdata.zi").error().message, "unknown time zone 'tzdata.zi'");
  EXPECT_EQ(zones.Find("Bad/Zone").error().message,
            "cannot read the time zone 'Bad/Zone': not a compiled zone file");
}

// A folder without a list takes a file of any zone name, as older systems
// need, unless the list is required (the folder shipped with the program).
TEST_F(ZoneFolderTest, WithoutAListTakesAnyZoneFileUnlessTheListIsRequired) {
  WriteText(folder_ / "Asia" / "Shanghai", ReadText(ZoneFolder().folder / "Asia" / "Shanghai"));
  ZoneDatabase zones(folder_);
  EXPECT_TRUE(zones.Find("Asia/Shanghai"));
  EXPECT_FALSE(zones.Find("Asia/Harbin"));
  EXPECT_FALSE(zones.Find("../Asia/Shanghai"));
  const std::u8string path = folder_.u8string();
  EXPECT_EQ(ZoneDatabase(folder_, true).Find("Asia/Shanghai").error().message,
            "cannot read time zones: the folder " + std::string(path.begin(), path.end()) +
                " has no list of zones (tzdata.zi)");
}

// Every name of this build's list is a zone it reads: on Windows, the folder
// the zip ships holds a file for each zone and link of the build machine.
TEST(ZoneFolderOfThisBuild, ReadsEveryListedName) {
  const ZoneList list = ReadZoneList(ReadText(ZoneFolder().folder / "tzdata.zi"));
  ASSERT_GT(list.size(), 500u) << ZoneFolder().folder;
  ZoneDatabase zones(ZoneFolder().folder, true);
  std::vector<std::string> unread;
  for (const auto& [name, file] : list) {
    if (!zones.Find(name)) unread.push_back(name);
  }
  EXPECT_TRUE(unread.empty()) << unread.size() << " unread, the first " << unread.front();
}

}  // namespace
}  // namespace veltrane::app
