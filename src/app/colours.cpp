#include "app/colours.h"

#include <QApplication>

#include <cmath>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace barvoznak {

namespace {

ColourSource inUse = ColourSource::Design;

// Whether the system's own colours must be followed: only where Windows' High Contrast is on, which its users
// choose because they need those colours to read the screen at all, as classic Windows programs do.
bool systemColoursWanted()
{
#ifdef Q_OS_WIN
    HIGHCONTRASTW highContrast {};
    highContrast.cbSize = sizeof(highContrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0)
        && (highContrast.dwFlags & HCF_HIGHCONTRASTON);
#else
    return false;
#endif
}

} // namespace

QPalette designPalette()
{
    QPalette palette;
    for (const design::RoleColour &colour : design::kColours) {
        palette.setColor(QPalette::Active, colour.role, QColor::fromRgba(colour.enabled));
        palette.setColor(QPalette::Inactive, colour.role, QColor::fromRgba(colour.enabled));
        palette.setColor(QPalette::Disabled, colour.role, QColor::fromRgba(colour.disabled));
    }
    return palette;
}

void chooseColours() { useColours(systemColoursWanted() ? ColourSource::System : ColourSource::Design); }

void useColours(ColourSource source)
{
    inUse = source;
    // The design's palette sets every colour, so neither the desktop's scheme nor a later switch of it shows
    // through (and message boxes get it too); an empty one leaves every colour to the system again.
    QApplication::setPalette(source == ColourSource::System ? QPalette() : designPalette());
}

ColourSource coloursInUse() { return inUse; }

QColor readableOn(QColor face)
{
    // WCAG's relative luminance; from 0.179 up black reads better on it than white.
    const auto linear = [](float c) { return c <= 0.03928f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f); };
    const float luminance
        = 0.2126f * linear(face.redF()) + 0.7152f * linear(face.greenF()) + 0.0722f * linear(face.blueF());
    return luminance >= 0.179f ? Qt::black : Qt::white;
}

} // namespace barvoznak
