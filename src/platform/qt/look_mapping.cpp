#include "platform/qt/look_mapping.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <array>

#include "platform/qt/text_edge.h"

namespace veltrane::platform::qt {

namespace {

// Families that cover the GB2312 repertoire, best first. The window was laid
// out for a Chinese system face whose Latin letters have one fixed width
// (rules of "-" span the grid), so the monospaced families come first.
constexpr std::array<const char*, 9> kCjkPreference = {
    "WenQuanYi Micro Hei Mono", "Noto Sans Mono CJK SC", "WenQuanYi Zen Hei Mono",
    "WenQuanYi Micro Hei",      "Noto Sans CJK SC",      "Source Han Sans SC",
    "WenQuanYi Zen Hei",        "Droid Sans Fallback",   "AR PL UMing CN"};

QString FindCjkFamily() {
  const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const char* name : kCjkPreference) {
    QString family = QString::fromLatin1(name);
    if (chinese.contains(family, Qt::CaseInsensitive)) return family;
  }
  return chinese.isEmpty() ? QString() : chinese.front();
}

// Face first, then the CJK family, then the application's own family.
QStringList FamiliesWith(const QString& face) {
  QStringList families;
  if (!face.isEmpty()) families << face;
  const QString cjk = CjkFamily();
  if (!cjk.isEmpty() && !families.contains(cjk)) families << cjk;
  const QString app = QGuiApplication::font().family();
  if (!app.isEmpty() && !families.contains(app)) families << app;
  return families;
}

// Windows weights run 0..1000 with 0 meaning "normal"; Qt's scale is 1..1000.
QFont::Weight WeightFrom(int stored) {
  if (stored <= 0) return QFont::Normal;
  return static_cast<QFont::Weight>(std::clamp(stored, 1, 1000));
}

// A positive stored height is the cell height (ascent + descent); find the
// pixel size whose line height matches it.
int PixelSizeForCellHeight(QFont font, int cell_height) {
  font.setPixelSize(cell_height);
  const int line = QFontMetrics(font).height();
  if (line <= 0) return cell_height;
  return std::max(1, cell_height * cell_height / line);
}

}  // namespace

QColor ColourFromRef(std::uint32_t colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QColor BackgroundColour(std::uint32_t colour, const QPalette& palette) {
  if (colour == kButtonFace) return palette.color(QPalette::Button);
  return ColourFromRef(colour);
}

QString CjkFamily() {
  static const QString family = FindCjkFamily();
  return family;
}

QFont DefaultUiFont() {
  QFont font = QGuiApplication::font();
  font.setFamilies(FamiliesWith(QString()));
  font.setPixelSize(kDefaultFontPixels);
  return font;
}

QFont FontFor(const Font& stored) {
  if (stored.is_default) return DefaultUiFont();
  QFont font = QGuiApplication::font();
  font.setFamilies(FamiliesWith(QStringFromGbk(stored.face)));
  if (stored.height < 0) {
    font.setPixelSize(-stored.height);
  } else if (stored.height > 0) {
    font.setPixelSize(PixelSizeForCellHeight(font, stored.height));
  } else {
    font.setPixelSize(kDefaultFontPixels);
  }
  font.setWeight(WeightFrom(stored.weight));
  font.setItalic(stored.italic);
  font.setUnderline(stored.underline);
  font.setStrikeOut(stored.strike_out);
  return font;
}

}  // namespace veltrane::platform::qt
