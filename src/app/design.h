#pragma once

// The design table: every control of the window in one row with everything the design says of it (its name,
// its place in twips as the design gives them, its caption and its look), so the table can be compared with
// the design line by line; 15 twips make one logical pixel. Places are relative to the tab control's top-left
// corner (the window's client area), or to the frame a row names. A page is built by walking its rows in
// order, so a later row stands above an earlier one (the labels over the pictures). The colour buttons are
// the one grid of the design: a column per band, a row per colour, with the buttons' numbers and the colours
// each band-count mode shows.

#include "rules/colorcode.h"

#include <QRect>

#include <array>
#include <span>

namespace barvoznak::design {

struct Twips {
    int left, top, width, height;
};

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
constexpr QRect px(Twips t) { return QRect(px(t.left), px(t.top), px(t.width), px(t.height)); }

// The window's client area and the tab control that fills it. The pages start below the tab row, so a place
// on a page is its designed place moved up by the row's height: the one offset between the design's
// coordinates and Qt's.
inline constexpr Twips Form1 { 0, 0, 7575, 5175 };
inline constexpr Twips SSTab1 { 0, 0, 7575, 5175 };
inline constexpr int kTabRowHeight = 295;
constexpr QRect onPage(Twips t) { return px(t).translated(0, -px(kTabRowHeight)); }

// The box of a one-pixel line drawn from (x1, y) to (x2, y), both ends included.
constexpr Twips line(int x1, int y, int x2) { return { x1, y, x2 - x1 + kTwipsPerPixel, kTwipsPerPixel }; }

// ColorButtons stands for the grid of colour buttons (below), made where its row stands.
enum class Kind { Label, Picture, Shape, RoundedShape, ColorButtons, Frame, Option, TextBox, Line };

// The dialog font at regular weight, and "MS Sans Serif" bold at 8.25 or 9.75 point.
enum class DesignFont { Dialog, Bold825, Bold975 };

struct Look {
    DesignFont font = DesignFont::Dialog;
    bool transparent = false; // paints only its glyphs over what lies below
    Qt::AlignmentFlag align = Qt::AlignLeft; // a centred auto-sized label grows about its centre
    bool autoSize = false; // the box follows the text
    bool white = false; // the text in white, over the About picture
    bool selected = false; // the option chosen when the window opens
    Qt::CursorShape pointer = Qt::ArrowCursor; // the mouse pointer over it
};

inline constexpr Look kBold { .font = DesignFont::Bold975, .autoSize = true };
inline constexpr Look kBoldTransparent { .font = DesignFont::Bold975, .transparent = true, .autoSize = true };
inline constexpr Look kWhite { .font = DesignFont::Bold975, .transparent = true, .autoSize = true, .white = true };
// The web address: white like the others, with the up-arrow pointer over it.
inline constexpr Look kWhiteLink {
    .font = DesignFont::Bold975, .transparent = true, .autoSize = true, .white = true, .pointer = Qt::UpArrowCursor
};

// A caption the program writes from its facts (product name, version, the maker's texts), set in CMake.
inline constexpr const char *kFromFacts = nullptr;

struct Control {
    const char *name;
    Kind kind;
    Twips place;
    const char *caption = ""; // UTF-8; a text box's text, a picture's source
    Look look = {};
    const char *frame = nullptr; // the frame it lies in, else the page
    const char *spoken = nullptr; // what a screen reader says a picture shows, UTF-8
};

// Page 1: the colour-band decoder.
inline constexpr auto kBandsPage = std::to_array<Control>({
    { "Label20", Kind::Label, { 2085, 360, 3405, 195 }, "Uhlíkový rezistor 0,25W - velikost 0207",
        { .font = DesignFont::Bold825, .align = Qt::AlignHCenter, .autoSize = true } },
    { "Image1", Kind::Picture, { 120, 620, 7350, 1365 }, ":/assets/resistor.svg", {}, nullptr,
        "Nákres uhlíkového rezistoru s rozměry" },
    { "Shape1", Kind::RoundedShape, { 3000, 615, 135, 675 } },
    { "Shape2", Kind::RoundedShape, { 3250, 625, 135, 665 } },
    { "Shape3", Kind::Shape, { 3550, 720, 135, 510 } },
    { "Shape4", Kind::Shape, { 3850, 720, 135, 510 } },
    { "Shape5", Kind::RoundedShape, { 4280, 615, 135, 675 } },
    { "Label9", Kind::Label, { 3465, 1380, 735, 195 }, "100 ohmů",
        { .transparent = true, .align = Qt::AlignHCenter, .autoSize = true } },
    { "Command2 to Command60", Kind::ColorButtons, {} }, // the grid below
    { "Frame1", Kind::Frame, { 5760, 2060, 1575, 1095 }, "Počet proužků" },
    { "Option1", Kind::Option, { 120, 240, 1095, 195 }, "3 proužky", {}, "Frame1" },
    { "Option2", Kind::Option, { 120, 480, 1095, 195 }, "4 proužky", {}, "Frame1" },
    { "Option3", Kind::Option, { 120, 720, 1095, 195 }, "5 proužků", { .selected = true }, "Frame1" },
    { "Label8", Kind::Label, { 5760, 3260, 1020, 240 }, "Hodnota :", kBold },
    { "Line1", Kind::Line, line(5760, 3500, 7320) },
    { "Label6", Kind::Label, { 5880, 3620, 990, 240 }, "100 ohmů", kBoldTransparent },
    { "Label7", Kind::Label, { 5880, 3980, 540, 240 }, "100R", kBoldTransparent },
    { "Line2", Kind::Line, line(5880, 4340, 7320) },
    { "Label10", Kind::Label, { 5880, 4460, 330, 240 }, "1%", kBold },
});

// Page 2: the SMD decoders, the chip drawing and the data sheet.
inline constexpr auto kSmdPage = std::to_array<Control>({
    { "Frame2", Kind::Frame, { 120, 500, 3615, 1215 }, "Tolerance 1%" },
    { "Label3", Kind::Label, { 360, 360, 1980, 240 }, "Číslo na rezistoru  :", kBoldTransparent, "Frame2" },
    { "Text1", Kind::TextBox, { 2520, 360, 480, 315 }, "000",
        { .font = DesignFont::Bold975, .align = Qt::AlignHCenter }, "Frame2" },
    { "Label4", Kind::Label, { 360, 720, 1080, 240 }, "Hodnota  :", kBoldTransparent, "Frame2" },
    { "Label5", Kind::Label, { 1560, 720, 750, 240 }, "0 ohmu", kBoldTransparent, "Frame2" },
    { "Frame3", Kind::Frame, { 120, 1820, 3615, 1215 }, "Tolerance 5%" },
    { "Label11", Kind::Label, { 360, 360, 1980, 240 }, "Číslo na rezistoru  :", kBoldTransparent, "Frame3" },
    { "Text2", Kind::TextBox, { 2520, 360, 615, 285 }, "0000",
        { .font = DesignFont::Bold975, .align = Qt::AlignRight }, "Frame3" },
    { "Label12", Kind::Label, { 360, 720, 1020, 240 }, "Hodnota :", kBoldTransparent, "Frame3" },
    { "Label13", Kind::Label, { 1560, 720, 750, 240 }, "0 ohmu", kBoldTransparent, "Frame3" },
    { "Image2", Kind::Picture, { 3840, 620, 3555, 2085 }, ":/assets/chip.svg", {}, nullptr,
        "Nákres SMD rezistoru velikosti 1206 s rozměry" },
    // Each line is a quantity, a leader of full stops and a value; the leaders bring the values to about the
    // same right edge.
    { "Label14", Kind::Label, { 480, 3260, 6420, 240 },
        "Jm. zatížení při 70°C .............................................................0,25W", kBold },
    { "Label15", Kind::Label, { 480, 3500, 6405, 240 },
        "Rozsah hodnot  v E24 .............................1ohm až 10 megaohmů", kBold },
    { "Label16", Kind::Label, { 480, 3740, 6450, 240 },
        "Tolerance.........................................................................±5%, ±1%", kBold },
    { "Label17", Kind::Label, { 480, 3980, 6375, 240 },
        "Teplotní stabilita........................................................±100ppm/°C", kBold },
    { "Label18", Kind::Label, { 480, 4220, 6450, 240 },
        "Maximální napětí trvale...........................................................200V", kBold },
    { "Label19", Kind::Label, { 480, 4460, 6420, 240 },
        "Maximílní napětí krátkodob....................................................400V", kBold },
});

// Page 3: the About page; the auto-sized labels of unknown width are 0 wide until their text is set.
inline constexpr auto kAboutPage = std::to_array<Control>({
    { "Image3", Kind::Picture, { 120, 480, 7275, 4395 }, ":/assets/about.png", {}, nullptr,
        "Bronzová deska se zlatými spoji, rezistory a monogramem BV" },
    { "Label2", Kind::Label, { 360, 720, 1530, 240 }, kFromFacts, kWhite }, // name and short version
    { "Label23", Kind::Label, { 360, 1320, 0, 240 }, kFromFacts, kWhite }, // the maker's copyright
    { "Label24", Kind::Label, { 360, 1680, 0, 240 }, kFromFacts, kWhite }, // the author's credit
    { "Label25", Kind::Label, { 360, 2040, 0, 240 }, kFromFacts, kWhiteLink }, // the maker's web address
    { "Label1", Kind::Label, { 120, 4680, 7290, 195 }, kFromFacts, // version and identifier in one line
        { .transparent = true, .white = true } },
    { "Label22", Kind::Label, { 5880, 4920, 0, 195 }, "Vodivka 1 - 2", { .transparent = true, .autoSize = true } },
});

struct Page {
    const char *caption; // on its tab
    std::span<const Control> rows;
};

inline constexpr std::array<Page, 3> kPages { {
    { "Uhlíkový rezistor", kBandsPage },
    { "SMD Rezistor - vel. 1206", kSmdPage },
    { "O programu", kAboutPage },
} };

// What a column of colour buttons offers in a band-count mode: the colours its band can mean there.
enum class Offer { Nothing, FirstDigit, Digit, Multiplier, Tolerance };

constexpr bool offers(Offer offer, int c)
{
    return (offer == Offer::FirstDigit && bands::isFirstDigit(c)) || (offer == Offer::Digit && bands::isDigit(c))
        || (offer == Offer::Multiplier && bands::isColorIndex(c))
        || (offer == Offer::Tolerance && bands::toleranceOf(c));
}

// The colour buttons: a column per band, a row per colour (ColorIndex 1 at the top), rows 240 twips apart,
// so neighbours overlap by 15 twips.
struct ButtonColumn {
    int left;
    std::array<Offer, 3> shownWith; // three, four and five bands
};

inline constexpr bands::ByBand<ButtonColumn> kButtonColumns { { {
    { 240, { Offer::FirstDigit, Offer::FirstDigit, Offer::FirstDigit } },
    { 1320, { Offer::Digit, Offer::Digit, Offer::Digit } },
    { 2400, { Offer::Multiplier, Offer::Multiplier, Offer::Digit } },
    { 3480, { Offer::Nothing, Offer::Tolerance, Offer::Multiplier } },
    { 4560, { Offer::Nothing, Offer::Nothing, Offer::Tolerance } },
} } };
inline constexpr int kButtonFirstRowTop = 2060, kButtonRowStep = 240;
inline constexpr int kButtonWidth = 975, kButtonHeight = 255;
// The one button off the grid: band 1 red stands higher and reaches into the orange button.
inline constexpr Twips Command3 { 240, 2520, 975, 360 };

// Whether a band-count mode (3 to 5) shows the button of a band (1 to 5) and colour.
constexpr bool buttonShown(int bandCount, int band, int c)
{
    return bandCount >= 3 && bandCount <= 5 && offers(kButtonColumns[band].shownWith[bandCount - 3], c);
}

// A column has a button for every colour one of the modes shows there: 51 in all.
constexpr bool buttonExists(int band, int c)
{
    return buttonShown(3, band, c) || buttonShown(4, band, c) || buttonShown(5, band, c);
}

// Buttons are numbered 12 to a column in row order, so the number also names the colour: Command2 is band 1
// brown, Command60 band 5 silver.
constexpr int buttonNumber(int band, int c) { return bands::kColorCount * (band - 1) + c; }
inline constexpr int kLastButton = buttonNumber(bands::kBandTotal, bands::kColorCount);

constexpr Twips colorButton(int band, int c)
{
    if (buttonNumber(band, c) == 3)
        return Command3;
    return { kButtonColumns[band].left, kButtonFirstRowTop + kButtonRowStep * (c - 1), kButtonWidth,
        kButtonHeight };
}

} // namespace barvoznak::design
