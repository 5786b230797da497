#pragma once

// The main window. Its pages are built from the design table (design.h), one row per control, and the page
// files (form1_bands, form1_smd, form1_info) only wire behaviour. Every handler runs to its end on the one
// user-interface thread:
//   colour button -> BandColor -> PaintBands (shapes, BandValue) -> UpdateReadout (Label6/7/9/10)
//   option button -> BandCount, bands 4 and 5 -> LayoutXxxBands (button visibility) -> UpdateReadout
//   Text1/Text2 change -> cut back to the code's length -> decode into Label5/Label13
// The rules themselves (colour code, read-out texts, SMD reading, number writing) live in the rules library
// (src/rules); this class keeps the state, calls them and sets captions. Bands are counted 1 to 5 here as
// everywhere: BandColor[3] is band 3, Shape[3] is Shape3, Command[3] is Command3.

#include "app/buildcontrols.h"
#include "app/controls.h"
#include "rules/colorcode.h"

#include <array>
#include <cstdint>

class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace barvoznak {

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // The band count, read-only for the outside (tests).
    int bandCount() const { return BandCount; }

protected:
    void changeEvent(QEvent *event) override;

private:
    // A control of a built page by its designed name; one that no row makes stops the program.
    template <typename T> T *control(const QString &name) const { return namedControl<T>(this, name); }

    void Form_Load();
    static void EnableMinimizeButton(QWidget &form);
    // The keyboard's order through the controls of all three pages.
    void setFocusOrder();

    // Colour-band page.
    void wireBandsPage();
    // The colour buttons of a band, top to bottom.
    QList<ColorButton *> bandButtons(int band) const;
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
    void wireSmdPage();
    void Text1_Change();
    void Text2_Change();

    // About page.
    void wireAboutPage();
    void Label22_Click();
    void Label25_Click();

    // Band state, by band number: BandValue is always BandColor - 1 once a handler has finished.
    bands::BandBytes BandColor;
    bands::BandBytes BandValue;
    std::uint8_t BandCount = 0;

    QTabWidget *SSTab1 = nullptr;

    bands::ByBand<BandShape *> Shape; // Shape[1] to Shape[5], the band bodies over the resistor drawing
    Label *Label9 = nullptr; // value under the body (copy of Label6)
    // Command[n] is the designed Commandn, a colour button, so they stand in the order of their columns and,
    // within a column, their rows; null where no such button exists.
    std::array<ColorButton *, design::kLastButton + 1> Command {};
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
