#pragma once

// Every control of the window with its designed name and place, in twips as the design gives them (15 twips
// make one logical pixel), so they can be compared with the design line by line. Places are relative to the
// tab control's top-left corner (the window's client area), or to the frame for controls inside a frame.

#include <QRect>

#include <array>

namespace barvoznak::design {

struct Twips {
    int left, top, width, height;
};

struct Control {
    const char *name;
    Twips place;
};

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
constexpr QRect px(Twips t) { return QRect(px(t.left), px(t.top), px(t.width), px(t.height)); }

// The window and its tab control. The pages start below the tab row, so a place on a page is its designed
// place moved up by the row's height: the one offset between the design's coordinates and Qt's.
inline constexpr Control Form1 { "Form1", { 0, 0, 7575, 5175 } };
inline constexpr Control SSTab1 { "SSTab1", { 0, 0, 7575, 5175 } };
inline constexpr int kTabRowHeight = 295;
constexpr QRect onPage(Twips t) { return px(t).translated(0, -px(kTabRowHeight)); }

// The box of a one-pixel line drawn from (x1, y) to (x2, y), both ends included.
constexpr Twips line(int x1, int y, int x2) { return { x1, y, x2 - x1 + kTwipsPerPixel, kTwipsPerPixel }; }

// Page 1: the colour-band decoder.
inline constexpr Control Label20 { "Label20", { 2085, 360, 3405, 195 } };
inline constexpr Control Image1 { "Image1", { 120, 620, 7350, 1365 } };
inline constexpr Control Label9 { "Label9", { 3465, 1380, 735, 195 } };
inline constexpr std::array<Control, 5> Shapes { {
    { "Shape1", { 3000, 615, 135, 675 } },
    { "Shape2", { 3250, 625, 135, 665 } },
    { "Shape3", { 3550, 720, 135, 510 } },
    { "Shape4", { 3850, 720, 135, 510 } },
    { "Shape5", { 4280, 615, 135, 675 } },
} };
inline constexpr Control Frame1 { "Frame1", { 5760, 2060, 1575, 1095 } };
inline constexpr Control Option1 { "Option1", { 120, 240, 1095, 195 } };
inline constexpr Control Option2 { "Option2", { 120, 480, 1095, 195 } };
inline constexpr Control Option3 { "Option3", { 120, 720, 1095, 195 } };
inline constexpr Control Label8 { "Label8", { 5760, 3260, 1020, 240 } };
inline constexpr Control Line1 { "Line1", line(5760, 3500, 7320) };
inline constexpr Control Label6 { "Label6", { 5880, 3620, 990, 240 } };
inline constexpr Control Label7 { "Label7", { 5880, 3980, 540, 240 } };
inline constexpr Control Line2 { "Line2", line(5880, 4340, 7320) };
inline constexpr Control Label10 { "Label10", { 5880, 4460, 330, 240 } };

// The colour buttons: one column per band, one row per colour, rows 240 twips apart.
inline constexpr std::array<int, 5> kButtonColumnLeft { 240, 1320, 2400, 3480, 4560 };
inline constexpr int kButtonFirstRowTop = 2060;
inline constexpr int kButtonRowStep = 240;
inline constexpr int kButtonWidth = 975;
inline constexpr int kButtonHeight = 255;
// The one button off the grid: band 1 red stands higher and reaches into the orange button.
inline constexpr Twips Command3 { 240, 2520, 975, 360 };

constexpr Twips colorButton(int band, int colorIndex)
{
    if (band == 1 && colorIndex == 3)
        return Command3;
    return { kButtonColumnLeft[static_cast<std::size_t>(band - 1)],
        kButtonFirstRowTop + kButtonRowStep * (colorIndex - 1), kButtonWidth, kButtonHeight };
}

// Page 2: the SMD decoders (controls inside a frame are relative to it) and the data sheet.
inline constexpr Control Frame2 { "Frame2", { 120, 500, 3615, 1215 } };
inline constexpr Control Label3 { "Label3", { 360, 360, 1980, 240 } };
inline constexpr Control Text1 { "Text1", { 2520, 360, 480, 315 } };
inline constexpr Control Label4 { "Label4", { 360, 720, 1080, 240 } };
inline constexpr Control Label5 { "Label5", { 1560, 720, 750, 240 } };
inline constexpr Control Frame3 { "Frame3", { 120, 1820, 3615, 1215 } };
inline constexpr Control Label11 { "Label11", { 360, 360, 1980, 240 } };
inline constexpr Control Text2 { "Text2", { 2520, 360, 615, 285 } };
inline constexpr Control Label12 { "Label12", { 360, 720, 1020, 240 } };
inline constexpr Control Label13 { "Label13", { 1560, 720, 750, 240 } };
inline constexpr Control Image2 { "Image2", { 3840, 620, 3555, 2085 } };
inline constexpr std::array<Control, 6> DataSheet { {
    { "Label14", { 480, 3260, 6420, 240 } },
    { "Label15", { 480, 3500, 6405, 240 } },
    { "Label16", { 480, 3740, 6450, 240 } },
    { "Label17", { 480, 3980, 6375, 240 } },
    { "Label18", { 480, 4220, 6450, 240 } },
    { "Label19", { 480, 4460, 6420, 240 } },
} };

// Page 3: the About page.
inline constexpr Control Image3 { "Image3", { 120, 480, 7275, 4395 } };
inline constexpr Control Label2 { "Label2", { 360, 720, 1530, 240 } };
inline constexpr Control Label23 { "Label23", { 360, 1320, 0, 240 } };
inline constexpr Control Label24 { "Label24", { 360, 1680, 0, 240 } };
inline constexpr Control Label25 { "Label25", { 360, 2040, 0, 240 } };
inline constexpr Control Label1 { "Label1", { 120, 4680, 7290, 195 } };
inline constexpr Control Label22 { "Label22", { 5880, 4920, 0, 195 } };

} // namespace barvoznak::design
