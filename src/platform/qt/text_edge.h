// Text at the Qt edge: GBK bytes of the runtime to and from QString, and the
// byte positions the runtime counts in against Qt's character positions.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace veltrane::platform::qt {

// GBK bytes as a QString.
QString QStringFromGbk(std::string_view gbk);

// A QString as GBK bytes ('?' for what GBK lacks).
std::string GbkFromQString(const QString& text);

// A caption as Qt draws it: "\r\n" and lone '\r' become '\n'.
QString CaptionFromGbk(std::string_view gbk);

// GBK byte count of a QString: one byte below U+0080, two above.
int GbkByteLength(const QString& text);

// The QString index at which GBK byte offset `bytes` falls (clamped to the text).
int CharIndexFromGbkOffset(const QString& text, int bytes);

}  // namespace veltrane::platform::qt
