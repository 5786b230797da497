#include "app/colours.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace barvoznak {

namespace {

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

void chooseColours()
{
    // The design's palette sets every colour, so neither the desktop's scheme nor a later switch of it shows
    // through (and message boxes get it too); an empty one leaves every colour to the system again.
    QApplication::setPalette(systemColoursWanted() ? QPalette() : designPalette());
}

} // namespace barvoznak
