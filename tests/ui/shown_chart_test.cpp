// The centre text that the copy makes from the kept juText.
#include <gtest/gtest.h>

#include <string>

#include "base/text/gbk.h"
#include "ui/shown_chart.h"

namespace veltrane::ui {
namespace {

TEST(ShownChart, CentreTextOfEveryJu) {
  static const char* const kNumerals[] = {"零", "一", "二", "三", "四",
                                          "五", "六", "七", "八", "九"};
  for (int ju = 1; ju <= 9; ++ju) {
    for (const char* dun : {"阳", "阴"}) {
      const std::string text =
          runtime::GbkFromUtf8(std::string(dun) + "遁" + std::to_string(ju) + "局");
      EXPECT_EQ(runtime::Utf8FromGbk(CentreText(text.c_str()).view()),
                std::string(dun) + "遁" + kNumerals[ju] + "局");
    }
  }
  // Before any plotting there is no juText: the centre reads 零 and nothing breaks.
  EXPECT_EQ(runtime::Utf8FromGbk(CentreText("").view()), "零");
  EXPECT_EQ(runtime::Utf8FromGbk(CentreText(nullptr).view()), "零");
}

}  // namespace
}  // namespace veltrane::ui
