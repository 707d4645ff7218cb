// How the seam's stored looks map onto Qt: colours, fonts and the default
// CJK-capable UI font.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <cstdint>

#include "platform/platform.h"

namespace veltrane::platform::qt {

// The character height in pixels of the default UI font (a 9-point face at 96 dpi).
inline constexpr int kDefaultFontPixels = 12;

// A COLORREF (0x00BBGGRR) as a QColor.
QColor ColourFromRef(std::uint32_t colour);

// A background COLORREF; kButtonFace resolves to the palette's button colour.
QColor BackgroundColour(std::uint32_t colour, const QPalette& palette);

// The installed family preferred for Chinese text, or empty when none is installed.
QString CjkFamily();

// The platform's default UI font: the CJK family at the default size.
QFont DefaultUiFont();

// A stored font: pixel height from the stored height, weight, style and face,
// with the CJK family behind the face for the characters it lacks.
QFont FontFor(const Font& font);

}  // namespace veltrane::platform::qt
