// Civil times in IANA zones as instants in China Standard Time, through the
// zone files this build reads.
#include "app/cli_zone.h"

#include <gtest/gtest.h>

namespace veltrane::app {
namespace {

ChartMoment At(int y, int mo, int d, int h, int mi) { return ChartMoment{y, mo, d, h, mi}; }

// New York, 2024: EST (UTC−5) until 10 March 02:00, EDT (UTC−4) until
// 3 November 02:00. UTC+8 is 13 hours ahead of EST, 12 of EDT.
TEST(ResolveZonedTimeTest, FollowsBothDaylightSavingChangesOfAYear) {
  const auto winter = ResolveZonedTime("America/New_York", At(2024, 3, 10, 1, 59));
  ASSERT_TRUE(winter);
  EXPECT_EQ(winter->china, At(2024, 3, 10, 14, 59));
  EXPECT_EQ(winter->offset_minutes, -300);

  const auto gap = ResolveZonedTime("America/New_York", At(2024, 3, 10, 2, 30));
  ASSERT_FALSE(gap);
  EXPECT_NE(gap.error().message.find("does not exist"), std::string::npos) << gap.error().message;

  const auto summer = ResolveZonedTime("America/New_York", At(2024, 3, 10, 3, 0));
  ASSERT_TRUE(summer);
  EXPECT_EQ(summer->china, At(2024, 3, 10, 15, 0));  // one minute after 01:59 EST
  EXPECT_FALSE(summer->ambiguous);

  // 01:30 on 3 November happens twice; the earlier is EDT.
  const auto twice = ResolveZonedTime("America/New_York", At(2024, 11, 3, 1, 30));
  ASSERT_TRUE(twice);
  EXPECT_TRUE(twice->ambiguous);
  EXPECT_EQ(twice->china, At(2024, 11, 3, 13, 30));
  EXPECT_EQ(twice->offset_minutes, -240);
}

// China kept daylight saving from 1986 to 1991: on 1 July 1988 Beijing
// clocks read UTC+9, so 12:00 there is 11:00 China Standard Time.
TEST(ResolveZonedTimeTest, KeepsChinasDaylightSavingOf1988) {
  const auto beijing = ResolveZonedTime("Asia/Shanghai", At(1988, 7, 1, 12, 0));
  ASSERT_TRUE(beijing);
  EXPECT_EQ(beijing->china, At(1988, 7, 1, 11, 0));
  EXPECT_EQ(beijing->offset_minutes, 540);
  const auto winter = ResolveZonedTime("Asia/Shanghai", At(1988, 1, 1, 12, 0));
  ASSERT_TRUE(winter);
  EXPECT_EQ(winter->china, At(1988, 1, 1, 12, 0));
}

// The way back: an instant's civil time, across the same changes.
TEST(LocalTimeInZoneTest, GivesTheCivilTimeAndSaysWhenItRepeats) {
  struct Case {
    ChartMoment china;
    ChartMoment local;
    int offset;
    bool ambiguous;
  };
  const Case cases[] = {
      {At(2024, 3, 10, 14, 59), At(2024, 3, 10, 1, 59), -300, false},
      {At(2024, 3, 10, 15, 0), At(2024, 3, 10, 3, 0), -240, false},
      {At(2024, 11, 3, 13, 30), At(2024, 11, 3, 1, 30), -240, true},
      {At(2024, 11, 3, 14, 30), At(2024, 11, 3, 1, 30), -300, true},
      {At(2024, 11, 3, 15, 0), At(2024, 11, 3, 2, 0), -300, false},
  };
  for (const Case& c : cases) {
    const auto r = LocalTimeInZone("America/New_York", c.china);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->local, c.local);
    EXPECT_EQ(r->offset_minutes, c.offset);
    EXPECT_EQ(r->ambiguous, c.ambiguous);
  }
  const auto beijing = LocalTimeInZone("Asia/Shanghai", At(1988, 7, 1, 11, 0));
  ASSERT_TRUE(beijing);
  EXPECT_EQ(beijing->local, At(1988, 7, 1, 12, 0));
}

TEST(ResolveZonedTimeTest, RefusesAnUnknownZone) {
  const auto r = ResolveZonedTime("Mars/Olympus_Mons", At(2024, 1, 1, 0, 0));
  ASSERT_FALSE(r);
  EXPECT_EQ(r.error().message, "unknown time zone 'Mars/Olympus_Mons'");
}

}  // namespace
}  // namespace veltrane::app
