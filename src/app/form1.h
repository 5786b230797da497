#pragma once

// The main window. Every handler runs to its end on the one user-interface thread:
//   colour button -> BandColor -> PaintBands (shapes, BandValue) -> UpdateReadout (Label6/7/9/10)
//   option button -> BandCount, bands 4 and 5 -> LayoutXxxBands (button visibility) -> UpdateReadout
//   Text1/Text2 change -> cut back to the code's length -> decode into Label5/Label13
// The rules themselves (tables, read-out texts, number writing) live in the rules library; this class
// keeps the state, calls them and sets captions.

#include "app/controls.h"
#include "bands/colorcode.h"

#include <array>
#include <cstdint>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace barvoznak {

// Chooses Qt's platform before the application object exists: on Windows the windows platform with
// DirectWrite text, unless the environment names another platform.
void choosePlatform();

// What every start of the program needs before its window: its names for the desktop, the accessibility
// of our own controls, and the design's look. Used by main, the tests and the benchmarks alike.
void setUpApplication();

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // The band state, read-only for the outside (tests, accessibility).
    const std::array<std::uint8_t, 5> &bandColor() const { return BandColor; }
    const std::array<std::uint8_t, 5> &bandValue() const { return BandValue; }
    int bandCount() const { return BandCount; }

private:
    void Form_Load();
    static void EnableMinimizeButton(QWidget &form);

    // Colour-band page.
    void buildBandsPage(QWidget *page);
    void ColorButton_Click(int band, bands::ColorIndex colorIndex);
    // Gives a band a colour: its BandColor, its BandValue and its shape's paint, always together.
    void setBand(int band, bands::ColorIndex colorIndex);
    void PaintBands();
    void UpdateReadout();
    void LayoutThreeBands();
    void LayoutFourBands();
    void LayoutFiveBands();
    void LayoutBands(int bandCount);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Label6_Click();
    void Label7_Click();
    void Label10_Click();

    // SMD page.
    void buildSmdPage(QWidget *page);
    void Text1_Change();
    void Text2_Change();

    // Data sheet and About page.
    void buildDataSheet(QWidget *page);
    void buildAboutPage(QWidget *page);
    void Label22_Click();
    void Label25_Click();

    void showMessage(const QString &title, const QString &text);

    // Band state: BandValue is always BandColor - 1 once a handler has finished.
    std::array<std::uint8_t, 5> BandColor {};
    std::array<std::uint8_t, 5> BandValue {};
    std::uint8_t BandCount = 0;

    QTabWidget *SSTab1 = nullptr;

    std::array<BandShape *, 5> Shape {}; // the band bodies over the resistor drawing
    Label *Label9 = nullptr; // value under the body (copy of Label6)
    // Colour buttons by band and ColorIndex; null where a band has no button for a colour.
    std::array<std::array<QPushButton *, bands::kColorCount>, bands::kBandTotal> Command {};
    QRadioButton *Option1 = nullptr; // 3 bands
    QRadioButton *Option2 = nullptr; // 4 bands
    QRadioButton *Option3 = nullptr; // 5 bands
    Label *Label6 = nullptr; // value with unit word
    Label *Label7 = nullptr; // short marking
    Label *Label10 = nullptr; // tolerance

    QLineEdit *Text1 = nullptr; // three-character code
    Label *Label5 = nullptr; // its value
    QLineEdit *Text2 = nullptr; // four-character code
    Label *Label13 = nullptr; // its value
};

} // namespace barvoznak
