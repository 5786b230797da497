#pragma once

#include <array>
#include <cstdint>

namespace barvoznak::bands {

// A band colour, 1 black … 12 silver; a band's code value is its ColorIndex minus 1.
using ColorIndex = std::uint8_t;

inline constexpr ColorIndex kBlack = 1;
inline constexpr ColorIndex kBrown = 2;
inline constexpr ColorIndex kWhite = 10;
inline constexpr ColorIndex kGold = 11;
inline constexpr ColorIndex kSilver = 12;
inline constexpr int kColorCount = 12;
inline constexpr int kBandTotal = 5;

// One of a kind for each band, reached by the band's number, 1 to 5, as the bands are counted everywhere.
template <typename T> struct ByBand {
    std::array<T, kBandTotal> items {};
    constexpr T &operator[](int band) { return items[static_cast<std::size_t>(band - 1)]; }
    constexpr const T &operator[](int band) const { return items[static_cast<std::size_t>(band - 1)]; }
};
// A byte per band: its colour (BandColor) or its code value (BandValue).
using BandBytes = ByBand<std::uint8_t>;

// The bands the program starts with, read with five bands: 100 ohms, ±1 %.
inline constexpr ByBand<ColorIndex> kStartColors { { kBrown, kBlack, kBlack, kBlack, kBrown } };

struct ColorInfo {
    const char *caption; // Czech colour name on the buttons, UTF-8
    std::uint32_t value; // paint colour, 0x00BBGGRR
    const char *tolerance; // as a tolerance band, UTF-8; null where the colour carries none
};

// One table for the buttons' faces, the band paint and the tolerances alike.
inline constexpr std::array<ColorInfo, kColorCount> kColors { {
    { "Černá", 0, nullptr }, // black
    { "Hnědá", 16576, "±1 %" }, // brown
    { "Červená", 255, "±2 %" }, // red
    { "Oranžová", 33023, nullptr }, // orange
    { "Žlutá", 65535, nullptr }, // yellow
    { "Zelená", 65280, "±0.5 %" }, // green
    { "Modrá", 16711680, "±0.25 %" }, // blue
    { "Fialová", 16711935, "±0.1 %" }, // violet
    { "Šedá", 8421504, "±0.05 %" }, // grey
    { "Bílá", 16777215, nullptr }, // white
    { "Zlatá", 4246499, "±5 %" }, // gold
    { "Stříbrná", 12632256, "±10 %" }, // silver
} };

constexpr bool isColorIndex(int c) { return c >= kBlack && c <= kColorCount; }
constexpr const ColorInfo &colorInfo(int c) { return kColors[static_cast<std::size_t>(c - 1)]; }
// The tolerance a colour stands for, or null: also for what is no colour.
constexpr const char *toleranceOf(int c) { return isColorIndex(c) ? colorInfo(c).tolerance : nullptr; }

// A digit band reads black to white; the first digit is never black.
constexpr bool isDigit(int c) { return c >= kBlack && c <= kWhite; }
constexpr bool isFirstDigit(int c) { return c != kBlack && isDigit(c); }

// The colours each band's painting recognises: bands 1 and 2 the digits their buttons set, bands 3 to 5
// every colour.
constexpr bool bandRecognises(int band, int c)
{
    return band == 1 ? isFirstDigit(c)
        : band == 2  ? isDigit(c)
                     : band >= 3 && band <= kBandTotal && isColorIndex(c);
}

} // namespace barvoznak::bands
