// The colour-band page of the main window: the buttons that choose each band's colour, the band shapes
// painted over the resistor drawing, the band-count options and the read-out.

#include "app/design.h"
#include "app/form1.h"
#include "bands/colorcode.h"
#include "bands/readout.h"

#include <QPushButton>

namespace barvoznak {

using namespace bands;

namespace {

QColor paintColor(ColorIndex c)
{
    const std::uint32_t bgr = colorInfo(c).value;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace

void Form1::buildBandsPage(QWidget *page)
{
    Label20 = makeLabel(QStringLiteral("Label20"), QStringLiteral("Uhlíkový rezistor 0,25W - velikost 0207"),
        design::px(design::Label20), DesignFont::Bold825, false, page, Qt::AlignHCenter);

    Image1 = new Picture(QStringLiteral("Image1"), QStringLiteral(":/assets/resistor.svg"), page);
    Image1->setGeometry(design::px(design::Image1));

    // Bands 1, 2 and 5 sit on the wide end sections of the body, bands 3 and 4 on the narrow middle.
    for (int band = 1; band <= kBandTotal; ++band) {
        auto *shape = new BandShape(band, band == 1 || band == 2 || band == 5, page);
        shape->setGeometry(design::px(design::Shapes[static_cast<std::size_t>(band - 1)]));
        Shape[static_cast<std::size_t>(band - 1)] = shape;
        paintShape(band, BandColor[static_cast<std::size_t>(band - 1)]);
    }

    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("100 ohmů"), design::px(design::Label9),
        DesignFont::Dialog, true, page, Qt::AlignHCenter);

    for (int band = 1; band <= kBandTotal; ++band) {
        for (int c = 1; c <= kColorCount; ++c) {
            if (!buttonExists(band, c))
                continue;
            const auto colorIndex = static_cast<ColorIndex>(c);
            auto *button = new ColorButton(QStringLiteral("Command%1").arg(buttonNumber(band, c)),
                QString::fromUtf8(colorInfo(colorIndex).caption), paintColor(colorIndex), page);
            button->setGeometry(design::px(design::colorButton(band, c)));
            connect(button, &QPushButton::clicked, this,
                [this, band, colorIndex] { ColorButton_Click(band, colorIndex); });
            Command[static_cast<std::size_t>(band - 1)][static_cast<std::size_t>(c - 1)] = button;
        }
    }
    // The red button of band 1 is taller than the grid and stands over the orange one below it.
    Command[0][2]->raise();

    Frame1 = new Frame(QStringLiteral("Frame1"), QStringLiteral("Počet proužků"), page);
    Frame1->setGeometry(design::px(design::Frame1));
    Option1
        = makeOption(QStringLiteral("Option1"), QStringLiteral("3 proužky"), design::px(design::Option1), Frame1);
    Option2
        = makeOption(QStringLiteral("Option2"), QStringLiteral("4 proužky"), design::px(design::Option2), Frame1);
    Option3
        = makeOption(QStringLiteral("Option3"), QStringLiteral("5 proužků"), design::px(design::Option3), Frame1);
    Option3->setChecked(true);
    // A click on the option already chosen runs its handler again, as a click on any option does.
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);

    Label8 = makeLabel(QStringLiteral("Label8"), QStringLiteral("Hodnota :"), design::px(design::Label8),
        DesignFont::Bold975, false, page);
    new DesignLine(QStringLiteral("Line1"), design::px(design::Line1), page);
    Label6 = makeLabel(QStringLiteral("Label6"), QStringLiteral("100 ohmů"), design::px(design::Label6),
        DesignFont::Bold975, true, page);
    Label7 = makeLabel(QStringLiteral("Label7"), QStringLiteral("100R"), design::px(design::Label7),
        DesignFont::Bold975, true, page);
    new DesignLine(QStringLiteral("Line2"), design::px(design::Line2), page);
    Label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("1%"), design::px(design::Label10),
        DesignFont::Bold975, false, page);
    connect(Label6, &Label::clicked, this, &Form1::Label6_Click);
    connect(Label7, &Label::clicked, this, &Form1::Label7_Click);
    connect(Label10, &Label::clicked, this, &Form1::Label10_Click);

    // Keyboard order: band 1, the band-count options, then bands 2 to 5, each column top to bottom.
    QWidget *previous = SSTab1->tabBar();
    const auto chain = [&previous](QWidget *next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int band = 1; band <= kBandTotal; ++band) {
        for (ColorButton *button : Command[static_cast<std::size_t>(band - 1)])
            if (button)
                chain(button);
        if (band == 1) {
            chain(Option1);
            chain(Option2);
            chain(Option3);
        }
    }
}

void Form1::ColorButton_Click(int band, int colorIndex)
{
    BandColor[static_cast<std::size_t>(band - 1)] = static_cast<std::uint8_t>(colorIndex);
    PaintBands();
}

void Form1::paintShape(int band, std::uint8_t colorIndex)
{
    const QColor color = paintColor(colorIndex);
    BandShape *shape = Shape[static_cast<std::size_t>(band - 1)];
    shape->setColors(color, color);
    // Tells a screen-reader user, or one who cannot tell the colours apart, what the band shows.
    shape->setAccessibleName(
        QStringLiteral("Proužek %1: %2").arg(band).arg(QString::fromUtf8(colorInfo(colorIndex).caption)));
}

void Form1::PaintBands()
{
    for (int band = 1; band <= kBandTotal; ++band) {
        const auto i = static_cast<std::size_t>(band - 1);
        // A colour the band cannot hold leaves the band as it was.
        if (!bandRecognises(band, BandColor[i]))
            continue;
        paintShape(band, BandColor[i]);
        BandValue[i] = static_cast<std::uint8_t>(BandColor[i] - 1);
    }
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
    for (int band = 1; band <= kBandTotal; ++band)
        for (int c = 1; c <= kColorCount; ++c)
            if (ColorButton *button = Command[static_cast<std::size_t>(band - 1)][static_cast<std::size_t>(c - 1)])
                button->setVisible(buttonShown(bandCount, band, c));
    UpdateReadout();
}

void Form1::LayoutThreeBands() { LayoutBands(3); }
void Form1::LayoutFourBands() { LayoutBands(4); }
void Form1::LayoutFiveBands() { LayoutBands(5); }

void Form1::Option1_Click()
{
    BandCount = 3;
    Shape[3]->hide();
    Shape[4]->hide();
    LayoutThreeBands();
}

void Form1::Option2_Click()
{
    BandCount = 4;
    Shape[3]->show();
    paintShape(4, kBrown);
    BandColor[3] = kBrown;
    BandValue[3] = kBrown - 1;
    Shape[4]->hide();
    LayoutFourBands();
}

void Form1::Option3_Click()
{
    BandCount = 5;
    Shape[3]->show();
    paintShape(4, kBlack);
    paintShape(5, kBrown);
    BandColor[3] = kBlack;
    BandValue[3] = kBlack - 1;
    BandColor[4] = kBrown;
    BandValue[4] = kBrown - 1;
    // Band 3 becomes the third digit: a gold or silver multiplier left there would read as two digits.
    if (BandColor[2] == kGold || BandColor[2] == kSilver) {
        BandColor[2] = kBlack;
        BandValue[2] = kBlack - 1;
        paintShape(3, kBlack);
    }
    Shape[4]->show();
    LayoutFiveBands();
}

void Form1::Label6_Click() { showMessage(QStringLiteral("Hodnota odporu je :"), Label6->text()); }
void Form1::Label7_Click() { showMessage(QStringLiteral("Zkrácené značení je :"), Label7->text()); }
void Form1::Label10_Click() { showMessage(QStringLiteral("Tolerance odporu je :"), Label10->text()); }

} // namespace barvoznak
