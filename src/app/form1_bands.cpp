// The colour-band page of the main window: the buttons that choose each band's colour, the band shapes
// painted over the resistor drawing, the band-count options and the read-out.

#include "app/form1.h"
#include "rules/readout.h"

#include <QMessageBox>
#include <QRadioButton>

namespace barvoznak {

using namespace bands;

void Form1::wireBandsPage()
{
    for (int band = 1; band <= kBandTotal; ++band)
        Shape[band] = control<BandShape>(QStringLiteral("Shape%1").arg(band));
    Label9 = control<Label>("Label9");
    Option1 = control<QRadioButton>("Option1");
    Option2 = control<QRadioButton>("Option2");
    Option3 = control<QRadioButton>("Option3");
    Label6 = control<Label>("Label6");
    Label7 = control<Label>("Label7");
    Label10 = control<Label>("Label10");

    // A click on the option already chosen runs its handler again, as a click on any option does.
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    Label6->setClickHandler([this] { Label6_Click(); });
    Label7->setClickHandler([this] { Label7_Click(); });
    Label10->setClickHandler([this] { Label10_Click(); });

    for (ColorButton *button : findChildren<ColorButton *>()) {
        Command[design::buttonNumber(button->band(), button->color())] = button;
        connect(button, &QPushButton::clicked, this,
            [this, button] { ColorButton_Click(button->band(), button->color()); });
    }
}

QList<ColorButton *> Form1::bandButtons(int band) const
{
    QList<ColorButton *> buttons;
    for (ColorIndex c = kBlack; c <= kColorCount; ++c)
        if (ColorButton *button = Command[design::buttonNumber(band, c)])
            buttons << button;
    return buttons;
}

void Form1::ColorButton_Click(int band, ColorIndex colorIndex)
{
    BandColor[band] = colorIndex;
    PaintBands();
}

void Form1::setBand(int band, ColorIndex colorIndex)
{
    BandColor[band] = colorIndex;
    BandValue[band] = colorIndex - 1;
    const QColor color = paintColor(colorIndex);
    Shape[band]->setColors(color, color);
    // Tells a screen-reader user, or one who cannot tell the colours apart, what the band shows.
    Shape[band]->setAccessibleName(
        QStringLiteral("Proužek %1: %2").arg(band).arg(QString::fromUtf8(colorInfo(colorIndex).caption)));
    // The band's buttons tell a screen-reader user, who cannot see their column, whose they are, and which of
    // them gave the band the colour it has.
    for (ColorButton *button : bandButtons(band))
        button->setAccessibleDescription(QStringLiteral("Proužek %1").arg(band)
            + (button->color() == colorIndex ? QStringLiteral(", zvolená barva") : QString()));
}

void Form1::PaintBands()
{
    // A colour the band cannot hold leaves the band as it was.
    for (int band = 1; band <= kBandTotal; ++band)
        if (bandRecognises(band, BandColor[band]))
            setBand(band, BandColor[band]);
    UpdateReadout();
}

void Form1::UpdateReadout()
{
    const Readout readout = readBands(BandCount, BandValue, localeDecimalSeparator());
    if (readout.marking)
        Label7->setCaption(*readout.marking);
    if (readout.tolerance)
        Label10->setCaption(*readout.tolerance);
    if (readout.value) {
        Label6->setCaption(*readout.value);
        Label9->setCaption(Label6->text());
    }
}

void Form1::LayoutBands(int bandCount)
{
    for (ColorButton *button : Command)
        if (button)
            button->setVisible(design::buttonShown(bandCount, button->band(), button->color()));
    UpdateReadout();
}

void Form1::LayoutThreeBands() { LayoutBands(3); }
void Form1::LayoutFourBands() { LayoutBands(4); }
void Form1::LayoutFiveBands() { LayoutBands(5); }

void Form1::Option1_Click()
{
    BandCount = 3;
    Shape[4]->hide();
    Shape[5]->hide();
    LayoutThreeBands();
}

void Form1::Option2_Click()
{
    BandCount = 4;
    Shape[4]->show();
    setBand(4, kBrown);
    Shape[5]->hide();
    LayoutFourBands();
}

void Form1::Option3_Click()
{
    BandCount = 5;
    Shape[4]->show();
    setBand(4, kBlack);
    setBand(5, kBrown);
    // Band 3 becomes the third digit: a gold or silver multiplier left there would read as two digits.
    if (BandColor[3] == kGold || BandColor[3] == kSilver)
        setBand(3, kBlack);
    Shape[5]->show();
    LayoutFiveBands();
}

void Form1::Label6_Click()
{
    QMessageBox::information(this, QStringLiteral("Hodnota odporu je :"), Label6->text());
}
void Form1::Label7_Click()
{
    QMessageBox::information(this, QStringLiteral("Zkrácené značení je :"), Label7->text());
}
void Form1::Label10_Click()
{
    QMessageBox::information(this, QStringLiteral("Tolerance odporu je :"), Label10->text());
}

} // namespace barvoznak
