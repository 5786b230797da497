#pragma once

// The design's fonts: "MS Sans Serif" bold at 8.25 or 9.75 point, and the dialog font, in the face that draws
// them best on each platform.

#include "app/design.h"

#include <QFont>
#include <QStringList>

namespace barvoznak {

using design::DesignFont;

inline QFont designFont(DesignFont kind)
{
    QFont font;
    // The design's "MS Sans Serif" is a bitmap face: it has only a few sizes (no larger text at 125 to 200 %)
    // and, outside Central European systems, no Czech letters. Its scalable successor has both, on every
    // Windows; elsewhere an Arial-metric face keeps the designed widths.
    font.setFamilies(
        { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial") });
    font.setStyleHint(QFont::SansSerif);
    // The design's point sizes at 96 dots per inch, as logical pixels: 8.25 pt is 11 px, 9.75 pt is 13 px.
    font.setPixelSize(kind == DesignFont::Bold975 ? 13 : 11);
    font.setBold(kind != DesignFont::Dialog);
    return font;
}

} // namespace barvoznak
