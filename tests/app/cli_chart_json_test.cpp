#include "app/cli_chart_json.h"

#include <gtest/gtest.h>

namespace veltrane::app {
namespace {

TEST(TermLabel, SplitsTermYuanDunAndJu) {
  const TermLabelParts yang = SplitTermLabel("冬至:上元 阳遁1局");
  EXPECT_EQ(yang.term, "冬至");
  EXPECT_EQ(yang.yuan, "上元");
  EXPECT_EQ(yang.dun, "阳");
  EXPECT_EQ(yang.ju, 1);
  const TermLabelParts yin = SplitTermLabel("大雪:下元 阴遁9局");
  EXPECT_EQ(yin.term, "大雪");
  EXPECT_EQ(yin.yuan, "下元");
  EXPECT_EQ(yin.dun, "阴");
  EXPECT_EQ(yin.ju, 9);
}

TEST(TermLabel, AnythingElseGivesEmptyParts) {
  for (const char* label : {"", "冬至", "冬至:上元", ":", "冬至:上元 阳"}) {
    const TermLabelParts parts = SplitTermLabel(label);
    EXPECT_EQ(parts.ju, 0) << label;
    EXPECT_TRUE(parts.dun.empty()) << label;
  }
}

}  // namespace
}  // namespace veltrane::app
