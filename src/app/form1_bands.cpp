// The colour-band page of the main window: the buttons that choose each band's colour, the band shapes
// painted over the resistor drawing, the band-count options and the read-out.

#include "app/form1.h"
#include "rules/readout.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace barvoznak {

using namespace bands;

namespace {

QColor paintColor(ColorIndex c)
{
    const std::uint32_t bgr = colorInfo(c).value;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// A thin solid line in the window text colour. The frame fills its whole box in that colour, as its own line
// would be a device pixel thin on a high-density screen.
void makeLine(QWidget *page, const design::Control &control)
{
    auto *line = makeControl<QFrame>(page, control);
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);
}

} // namespace

void Form1::buildBandsPage(QWidget *page)
{
    makeLabel(page, design::Label20, QStringLiteral("Uhlíkový rezistor 0,25W - velikost 0207"),
        { .font = DesignFont::Bold825, .transparent = false, .centred = true });
    makeControl<Picture>(page, design::Image1, QStringLiteral(":/assets/resistor.svg"));
    // Bands 1, 2 and 5 sit on the wide end sections of the body, bands 3 and 4 on the narrow middle.
    for (int band = 1; band <= kBandTotal; ++band)
        Shape[at(band)] = makeControl<BandShape>(page, design::Shapes[at(band)], band != 3 && band != 4);
    Label9 = makeLabel(page, design::Label9, {}, { .font = DesignFont::Dialog, .centred = true });

    for (int band = 1; band <= kBandTotal; ++band) {
        for (int c = 1; c <= kColorCount; ++c) {
            if (!buttonExists(band, c))
                continue;
            const auto colorIndex = static_cast<ColorIndex>(c);
            auto *button = new QPushButton(QString::fromUtf8(colorInfo(colorIndex).caption), page);
            button->setObjectName(QStringLiteral("Command%1").arg(buttonNumber(band, c)));
            button->setGeometry(design::onPage(design::colorButton(band, c)));
            QPalette face = button->palette();
            face.setColor(QPalette::Button, paintColor(colorIndex));
            button->setPalette(face);
            connect(button, &QPushButton::clicked, this,
                [this, band, colorIndex] { ColorButton_Click(band, colorIndex); });
            Command[at(band)][at(c)] = button;
        }
    }
    // The red button of band 1 is taller than the grid and stands over the orange one below it.
    Command[0][2]->raise();

    auto *frame1 = makeControl<QGroupBox>(page, design::Frame1, QStringLiteral("Počet proužků"));
    Option1 = makeControl<QRadioButton>(frame1, design::Option1, QStringLiteral("3 proužky"));
    Option2 = makeControl<QRadioButton>(frame1, design::Option2, QStringLiteral("4 proužky"));
    Option3 = makeControl<QRadioButton>(frame1, design::Option3, QStringLiteral("5 proužků"));
    Option3->setChecked(true);
    // A click on the option already chosen runs its handler again, as a click on any option does.
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);

    makeLabel(page, design::Label8, QStringLiteral("Hodnota :"), { .transparent = false });
    makeLine(page, design::Line1);
    Label6 = makeLabel(page, design::Label6, {});
    Label7 = makeLabel(page, design::Label7, {});
    makeLine(page, design::Line2);
    Label10 = makeLabel(page, design::Label10, {}, { .transparent = false });
    connect(Label6, &Label::clicked, this, &Form1::Label6_Click);
    connect(Label7, &Label::clicked, this, &Form1::Label7_Click);
    connect(Label10, &Label::clicked, this, &Form1::Label10_Click);

    // Keyboard order: band 1, the band-count options, then bands 2 to 5, each column top to bottom.
    QWidget *previous = SSTab1;
    const auto chain = [&previous](QWidget *next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int band = 1; band <= kBandTotal; ++band) {
        for (QPushButton *button : Command[at(band)])
            if (button)
                chain(button);
        if (band == 1) {
            chain(Option1);
            chain(Option2);
            chain(Option3);
        }
    }
}

void Form1::ColorButton_Click(int band, ColorIndex colorIndex)
{
    BandColor[at(band)] = colorIndex;
    PaintBands();
}

void Form1::setBand(int band, ColorIndex colorIndex)
{
    BandColor[at(band)] = colorIndex;
    BandValue[at(band)] = static_cast<std::uint8_t>(colorIndex - 1);
    const QColor color = paintColor(colorIndex);
    Shape[at(band)]->setColors(color, color);
    // Tells a screen-reader user, or one who cannot tell the colours apart, what the band shows.
    Shape[at(band)]->setAccessibleName(
        QStringLiteral("Proužek %1: %2").arg(band).arg(QString::fromUtf8(colorInfo(colorIndex).caption)));
}

void Form1::PaintBands()
{
    // A colour the band cannot hold leaves the band as it was.
    for (int band = 1; band <= kBandTotal; ++band)
        if (bandRecognises(band, BandColor[at(band)]))
            setBand(band, BandColor[at(band)]);
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
            if (QPushButton *button = Command[at(band)][at(c)])
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
    setBand(4, kBrown);
    Shape[4]->hide();
    LayoutFourBands();
}

void Form1::Option3_Click()
{
    BandCount = 5;
    Shape[3]->show();
    setBand(4, kBlack);
    setBand(5, kBrown);
    // Band 3 becomes the third digit: a gold or silver multiplier left there would read as two digits.
    if (BandColor[2] == kGold || BandColor[2] == kSilver)
        setBand(3, kBlack);
    Shape[4]->show();
    LayoutFiveBands();
}

void Form1::Label6_Click() { showMessage(QStringLiteral("Hodnota odporu je :"), Label6->text()); }
void Form1::Label7_Click() { showMessage(QStringLiteral("Zkrácené značení je :"), Label7->text()); }
void Form1::Label10_Click() { showMessage(QStringLiteral("Tolerance odporu je :"), Label10->text()); }

} // namespace barvoznak
