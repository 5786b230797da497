#pragma once

#include <array>
#include <cstdint>

namespace barvoznak::bands {

// A band colour, 1 black … 12 silver; a band's code value is its ColorIndex minus 1.
using ColorIndex = std::uint8_t;

inline constexpr ColorIndex kBlack = 1;
inline constexpr ColorIndex kBrown = 2;
inline constexpr ColorIndex kGold = 11;
inline constexpr ColorIndex kSilver = 12;
inline constexpr int kColorCount = 12;
inline constexpr int kBandTotal = 5;

// The bands the program starts with, read with five bands: 100 ohms, ±1 %.
inline constexpr std::array<ColorIndex, kBandTotal> kStartColors { kBrown, kBlack, kBlack, kBlack, kBrown };

// Where a band (1 to 5) or a colour (1 to 12) stands in an array counted from 0.
constexpr std::size_t at(int number) { return static_cast<std::size_t>(number - 1); }

struct ColorInfo {
    const char *caption; // Czech colour name on the buttons, UTF-8
    const char *name; // English name, for the code and the tests
    std::uint32_t value; // paint colour, 0x00BBGGRR
};

// One table for the buttons' faces and the band paint alike.
inline constexpr std::array<ColorInfo, kColorCount> kColors { {
    { "Černá", "black", 0 },
    { "Hnědá", "brown", 16576 },
    { "Červená", "red", 255 },
    { "Oranžová", "orange", 33023 },
    { "Žlutá", "yellow", 65535 },
    { "Zelená", "green", 65280 },
    { "Modrá", "blue", 16711680 },
    { "Fialová", "violet", 16711935 },
    { "Šedá", "grey", 8421504 },
    { "Bílá", "white", 16777215 },
    { "Zlatá", "gold", 4246499 },
    { "Stříbrná", "silver", 12632256 },
} };

constexpr bool isColorIndex(int c) { return c >= 1 && c <= kColorCount; }
constexpr const ColorInfo &colorInfo(ColorIndex c) { return kColors[at(c)]; }

// The colours each band can show (and that its painting recognises): the first digit is never black, the
// second digit offers no gold or silver.
constexpr bool bandRecognises(int band, int c)
{
    switch (band) {
    case 1:
        return c >= 2 && c <= 10;
    case 2:
        return c >= 1 && c <= 10;
    case 3:
    case 4:
    case 5:
        return isColorIndex(c);
    default:
        return false;
    }
}

// The colour buttons offered per band column (51 in all): band 5 only has the eight tolerance colours.
constexpr bool buttonExists(int band, int c)
{
    if (band == 5)
        return c == 2 || c == 3 || (c >= 6 && c <= 9) || c == 11 || c == 12;
    return bandRecognises(band, c);
}

// Buttons are numbered 12 per column in row order, so the number also names the colour.
constexpr int buttonNumber(int band, int c) { return 12 * (band - 1) + c; }

// Which buttons a band-count mode shows: a digit band offers 1–10 (band 1 without black), a multiplier
// band all twelve, a tolerance band the eight tolerance colours.
constexpr bool buttonShown(int bandCount, int band, int c)
{
    if (!buttonExists(band, c))
        return false;
    switch (bandCount) {
    case 3:
        return band <= 3;
    case 4:
        return band <= 3 || (band == 4 && buttonExists(5, c));
    case 5:
        return band != 3 || c <= 10;
    default:
        return false;
    }
}

} // namespace barvoznak::bands
