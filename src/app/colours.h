#pragma once

// The window's colours: the design's own, one colour role a line, on every desktop; the system's only where
// Windows' High Contrast is on.

#include <QPalette>

#include <algorithm>
#include <array>

namespace barvoznak {

namespace design {

// A classic light dialog, a light grey face with black text and white boxes, as every control without
// colours of its own shows them (the design's system colours), light or dark desktop alike. The same whether
// the window is active or not; the second colour is the one of a disabled control (as the greyed commands of
// a code box's menu show it). As 0xAARRGGBB.
struct RoleColour {
    QPalette::ColorRole role;
    QRgb enabled, disabled;
};
// clang-format off
inline constexpr auto kColours = std::to_array<RoleColour>({
    { QPalette::Window, 0xffefefef, 0xffefefef }, // the pages, frames and labels
    { QPalette::WindowText, 0xff000000, 0xffbebebe }, // their texts, the lines
    { QPalette::Button, 0xffefefef, 0xffefefef }, // the tab row, OK (colour buttons have their own)
    { QPalette::ButtonText, 0xff000000, 0xffbebebe }, // every button's caption
    { QPalette::Base, 0xffffffff, 0xffefefef }, // the code boxes
    { QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7 },
    { QPalette::Text, 0xff000000, 0xffbebebe }, // the codes typed, the menu's commands
    { QPalette::PlaceholderText, 0x80000000, 0x80000000 },
    { QPalette::BrightText, 0xffffffff, 0xffffffff },
    { QPalette::Light, 0xffffffff, 0xffffffff }, // the lit edges of bevels and frames
    { QPalette::Midlight, 0xffcacaca, 0xffcacaca },
    { QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8 },
    { QPalette::Dark, 0xff9f9f9f, 0xffbebebe }, // the shaded edges
    { QPalette::Shadow, 0xff767676, 0xffb1b1b1 }, // the outer shade of a bevel
    { QPalette::Highlight, 0xff308cc6, 0xff919191 }, // selected text and menu commands, the focus
    { QPalette::HighlightedText, 0xffffffff, 0xffffffff },
    { QPalette::Link, 0xff0000ff, 0xff0000ff },
    { QPalette::LinkVisited, 0xffff00ff, 0xffff00ff },
    { QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc },
    { QPalette::ToolTipText, 0xff000000, 0xff000000 },
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    { QPalette::Accent, 0xff308cc6, 0xff919191 }, // newer Qt marks the focus and the chosen option in it
#endif
});
// clang-format on

// Every colour role of the Qt the program is built with has exactly one line: a role a newer Qt adds would
// otherwise come from the desktop again, unseen.
constexpr bool namesEveryRole()
{
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        if (role != QPalette::NoRole && std::ranges::count(kColours, role, &RoleColour::role) != 1)
            return false;
    return kColours.size() == QPalette::NColorRoles - 1;
}
static_assert(namesEveryRole(), "kColours must name every colour role of this Qt once");

} // namespace design

// The design's colours as a palette that sets every role in every colour group.
QPalette designPalette();

// Where the window's colours come from: the design, or the system, which is followed only where Windows' High
// Contrast is on, as its users need its colours to read the screen at all.
enum class ColourSource { Design, System };

// Gives the application the colours of the source wanted now.
void chooseColours();
// Gives the application the colours of the source (the system's as the platform hands them over), and notes it
// for what is drawn otherwise with the system's: the colour buttons' captions.
void useColours(ColourSource source);
ColourSource coloursInUse();

// Black or white, whichever reads better on a face of that colour.
QColor readableOn(QColor face);

} // namespace barvoznak
