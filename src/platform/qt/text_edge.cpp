#include "platform/qt/text_edge.h"

#include "base/text/gbk.h"

namespace veltrane::platform::qt {

QString QStringFromGbk(std::string_view gbk) {
  const std::string utf8 = runtime::Utf8FromGbk(gbk);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string GbkFromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return runtime::GbkFromUtf8(std::string_view(utf8.constData(), utf8.size()));
}

QString CaptionFromGbk(std::string_view gbk) {
  QString text = QStringFromGbk(gbk);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

namespace {

// Bytes the code point at text[i] takes in GBK; advances i past it.
int TakeGbkWidth(const QString& text, qsizetype& i) {
  const QChar c = text.at(i);
  if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
    i += 2;
    return 2;
  }
  ++i;
  return c.unicode() < 0x80 ? 1 : 2;
}

}  // namespace

int GbkByteLength(const QString& text) {
  int bytes = 0;
  for (qsizetype i = 0; i < text.size();) bytes += TakeGbkWidth(text, i);
  return bytes;
}

int CharIndexFromGbkOffset(const QString& text, int bytes) {
  qsizetype i = 0;
  int counted = 0;
  while (i < text.size() && counted < bytes) counted += TakeGbkWidth(text, i);
  return static_cast<int>(i);
}

}  // namespace veltrane::platform::qt
