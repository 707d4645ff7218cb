// The reading's text lines and JSON: groups in order, each line with its palace and rule id,
// the JSON's members in a fixed order.
#include <gtest/gtest.h>

#include <string>

#include "reading/reading.h"
#include "reading_charts.h"
#include "views/reading_text.h"

namespace veltrane::views {
namespace {

using reading::GanZhi;
using reading::ProfileNamed;
using reading::Read;
using reading::Rule;
using reading::Rules;
using reading::testing::ChartOf;

// 陽遁一局甲巳日丙寅時: 青龙返首 in palace 8 (遁甲演義, 卷二 青龍回首).
const chart::Chart& WorkedChart() {
  static const chart::Chart c = ChartOf(1, GanZhi(3, 3), 1, GanZhi(3, 3));
  return c;
}

TEST(ReadingText, LinesAreGroupedAndNameTheirPalaceAndRule) {
  std::string text;
  AppendReadingText(text, Read(WorkedChart()), "\r\n");
  EXPECT_TRUE(text.starts_with("格局 (classic)\r\n吉格\r\n")) << text;
  EXPECT_NE(text.find("\r\n  8宫 青龙返首 [qinglong-fanshou]\r\n"), std::string::npos) << text;
  const std::size_t good = text.find("吉格\r\n");
  const std::size_t bad = text.find("凶格\r\n");
  const std::size_t states = text.find("状态\r\n");
  const std::size_t marks = text.find("标记\r\n");
  EXPECT_LT(good, states);
  EXPECT_LT(states, marks);
  EXPECT_TRUE(bad == std::string::npos || (good < bad && bad < states));
  EXPECT_NE(text.find("宫 九星旺相 天"), std::string::npos);
  EXPECT_EQ(text.find('\n', text.size() - 1), text.size() - 1);
}

TEST(ReadingText, JsonNamesTheProfileAndEachFindingsRuleInTableOrder) {
  std::string json;
  const Reading reading = Read(WorkedChart(), *ProfileNamed("yanbo"));
  AppendReadingJson(json, reading);
  EXPECT_TRUE(json.starts_with(
      "{\"profile\":\"yanbo\",\"findings\":[{\"rule\":\"qinglong-fanshou\",\"palace\":8,"
      "\"detail\":\"\"}"))
      << json;
  EXPECT_TRUE(json.ends_with("],\"truncated\":false}"));
  std::size_t count = 0;
  for (std::size_t at = json.find("{\"rule\":"); at != std::string::npos;
       at = json.find("{\"rule\":", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, reading.count);
  EXPECT_NE(json.find("\"rule\":\"shier-changsheng\",\"palace\":"), std::string::npos);
}

// A finding's JSON starts with its rule's piece in a fixed slot of 64 bytes; a longer rule id
// would be cut.
TEST(ReadingText, EveryRulesJsonPieceFitsItsSlot) {
  for (const Rule& r : Rules())
    EXPECT_LE(r.id.size() + sizeof "{\"rule\":\"\",\"palace\":" - 1, 64u) << r.id;
}

}  // namespace
}  // namespace veltrane::views
