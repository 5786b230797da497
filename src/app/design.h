#pragma once

// The designed places and sizes of every control, in twips as the design gives them (15 twips make one
// logical pixel), so they can be compared with the design line by line. Places are relative to the tab
// control's top-left corner (the window's client area), or to the frame for controls inside a frame.

#include <QLine>
#include <QRect>

#include <array>

namespace barvoznak::design {

struct Twips {
    int left, top, width, height;
};

struct TwipsLine {
    int x1, y1, x2, y2;
};

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
constexpr QRect px(Twips t) { return QRect(px(t.left), px(t.top), px(t.width), px(t.height)); }
constexpr QLine px(TwipsLine l) { return QLine(px(l.x1), px(l.y1), px(l.x2), px(l.y2)); }

// The window and its tab control.
inline constexpr Twips Form1 { 0, 0, 7575, 5175 };
inline constexpr Twips SSTab1 { 0, 0, 7575, 5175 };
inline constexpr int kTabRowHeight = 295;

// Page 1: the colour-band decoder.
inline constexpr Twips Label20 { 2085, 360, 3405, 195 };
inline constexpr Twips Image1 { 120, 620, 7350, 1365 };
inline constexpr Twips Label9 { 3465, 1380, 735, 195 };
inline constexpr std::array<Twips, 5> Shapes { {
    { 3000, 615, 135, 675 },
    { 3250, 625, 135, 665 },
    { 3550, 720, 135, 510 },
    { 3850, 720, 135, 510 },
    { 4280, 615, 135, 675 },
} };
inline constexpr Twips Frame1 { 5760, 2060, 1575, 1095 };
inline constexpr Twips Option1 { 120, 240, 1095, 195 };
inline constexpr Twips Option2 { 120, 480, 1095, 195 };
inline constexpr Twips Option3 { 120, 720, 1095, 195 };
inline constexpr Twips Label8 { 5760, 3260, 1020, 240 };
inline constexpr TwipsLine Line1 { 5760, 3500, 7320, 3500 };
inline constexpr Twips Label6 { 5880, 3620, 990, 240 };
inline constexpr Twips Label7 { 5880, 3980, 540, 240 };
inline constexpr TwipsLine Line2 { 5880, 4340, 7320, 4340 };
inline constexpr Twips Label10 { 5880, 4460, 330, 240 };

// The colour buttons: one column per band, one row per colour, rows 240 twips apart.
inline constexpr std::array<int, 5> kButtonColumnLeft { 240, 1320, 2400, 3480, 4560 };
inline constexpr int kButtonFirstRowTop = 2060;
inline constexpr int kButtonRowStep = 240;
inline constexpr int kButtonWidth = 975;
inline constexpr int kButtonHeight = 255;
// The one button drawn off the grid: band 1 red stands higher and reaches into the orange button.
inline constexpr Twips Command3 { 240, 2520, 975, 360 };

constexpr Twips colorButton(int band, int colorIndex)
{
    if (band == 1 && colorIndex == 3)
        return Command3;
    return { kButtonColumnLeft[static_cast<std::size_t>(band - 1)],
        kButtonFirstRowTop + kButtonRowStep * (colorIndex - 1), kButtonWidth, kButtonHeight };
}

// Page 2: the SMD decoders (controls inside a frame are relative to it) and the data sheet.
inline constexpr Twips Frame2 { 120, 500, 3615, 1215 };
inline constexpr Twips Label3 { 360, 360, 1980, 240 };
inline constexpr Twips Text1 { 2520, 360, 480, 315 };
inline constexpr Twips Label4 { 360, 720, 1080, 240 };
inline constexpr Twips Label5 { 1560, 720, 750, 240 };
inline constexpr Twips Frame3 { 120, 1820, 3615, 1215 };
inline constexpr Twips Label11 { 360, 360, 1980, 240 };
inline constexpr Twips Text2 { 2520, 360, 615, 285 };
inline constexpr Twips Label12 { 360, 720, 1020, 240 };
inline constexpr Twips Label13 { 1560, 720, 750, 240 };
inline constexpr Twips Image2 { 3840, 620, 3555, 2085 };
inline constexpr std::array<Twips, 6> DataSheet { {
    { 480, 3260, 6420, 240 },
    { 480, 3500, 6405, 240 },
    { 480, 3740, 6450, 240 },
    { 480, 3980, 6375, 240 },
    { 480, 4220, 6450, 240 },
    { 480, 4460, 6420, 240 },
} };

// Page 3: the About page.
inline constexpr Twips Image3 { 120, 480, 7275, 4395 };
inline constexpr Twips Label2 { 360, 720, 1530, 240 };
inline constexpr Twips Label23 { 360, 1320, 0, 240 };
inline constexpr Twips Label24 { 360, 1680, 0, 240 };
inline constexpr Twips Label25 { 360, 2040, 0, 240 };
inline constexpr Twips Label1 { 120, 4680, 7290, 195 };
inline constexpr Twips Label22 { 5880, 4920, 0, 195 };

} // namespace barvoznak::design
