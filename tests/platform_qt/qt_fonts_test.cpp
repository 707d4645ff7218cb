// Fonts and colours: stored fonts become the right Qt fonts, and the font the
// captions use has a glyph for every character the window shows.
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include "platform/qt/look_mapping.h"
#include "qt_test_support.h"

namespace veltrane::platform::test {
namespace {

using qt::ColourFromRef;
using qt::FontFor;

TEST(QtLookMappingTest, ColourRefIsBlueGreenRed) {
  EXPECT_EQ(ColourFromRef(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ColourFromRef(0x00FF00), QColor(0, 255, 0));
  EXPECT_EQ(ColourFromRef(0xC06000), QColor(0, 0x60, 0xC0));
  EXPECT_EQ(ColourFromRef(0x000000), QColor(0, 0, 0));
}

TEST(QtLookMappingTest, StoredFontsMapToPixelSizeWeightAndStyle) {
  TestApplication();
  Font stored;
  stored.is_default = false;
  stored.height = -48;
  stored.weight = 700;
  QFont font = FontFor(stored);
  EXPECT_EQ(font.pixelSize(), 48);
  EXPECT_EQ(font.weight(), QFont::Bold);
  stored.height = -16;
  stored.weight = 0;
  stored.italic = stored.underline = stored.strike_out = true;
  font = FontFor(stored);
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_EQ(font.weight(), QFont::Normal);
  EXPECT_TRUE(font.italic() && font.underline() && font.strikeOut());
  // A positive height is the whole cell: the line height comes out close to it.
  stored.height = 30;
  EXPECT_NEAR(QFontMetrics(FontFor(stored)).height(), 30, 3);
}

TEST(QtLookMappingTest, DefaultFontIsTheCjkFamilyAtTwelvePixels) {
  TestApplication();
  ASSERT_FALSE(qt::CjkFamily().isEmpty()) << "no font for Chinese text is installed";
  const QFont font = FontFor(Font{});
  EXPECT_EQ(font.pixelSize(), qt::kDefaultFontPixels);
  EXPECT_EQ(QFontInfo(font).family(), qt::CjkFamily());
}

// Every character the main window shows, in the fonts that show it.
TEST(QtLookMappingTest, CaptionFontsCoverEveryCharacterOfTheWindow) {
  TestApplication();
  const QString shown = QStringLiteral(
      "坎一宫正北方为水坤二宫西南土震三东雷属木巽四风五中乾六天金兑七口艮八山离九火"
      "开门休生伤杜景死惊蓬任冲辅英芮柱心地符蛇阴合白虎玄武乙丙丁癸壬辛庚己戊"
      "禽馬空年月日时自动排盘复制转八星逆神阳顺暗干重置当前序：三奇仪"
      "-|0123456789");
  Font bold;
  bold.is_default = false;
  bold.weight = 700;
  for (const int pixels : {12, 14, 16, 48, 56}) {
    bold.height = -pixels;
    for (const QFont& font : {FontFor(Font{}), FontFor(bold)}) {
      const QFontMetrics metrics(font);
      const QRawFont raw = QRawFont::fromFont(font);
      for (const char32_t ch : shown.toUcs4()) {
        EXPECT_TRUE(metrics.inFontUcs4(ch)) << "U+" << std::hex << static_cast<int>(ch);
        EXPECT_TRUE(raw.supportsCharacter(ch)) << "U+" << std::hex << static_cast<int>(ch);
      }
    }
  }
}

}  // namespace
}  // namespace veltrane::platform::test
