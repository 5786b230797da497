// The fixed information of the main window: the data sheet and chip drawing on the SMD page, and the About
// page with the program's name, the maker's notices and the two labels that react to a click.

#include "app/design.h"
#include "app/form1.h"
#include "info/about.h"

#include <QDesktopServices>
#include <QUrl>

namespace barvoznak {

namespace {

// Each line is a quantity, a leader of full stops and a value; the leaders bring the values to about the
// same right edge.
constexpr std::array<const char *, 6> kDataSheet { {
    "Jm. zatížení při 70°C .............................................................0,25W",
    "Rozsah hodnot  v E24 .............................1ohm až 10 megaohmů",
    "Tolerance.........................................................................±5%, ±1%",
    "Teplotní stabilita........................................................±100ppm/°C",
    "Maximální napětí trvale...........................................................200V",
    "Maximílní napětí krátkodob....................................................400V",
} };

Label *makeWhiteLabel(
    const QString &name, const QString &caption, QRect place, DesignFont font, QWidget *page, bool autoSize = true)
{
    Label *label = makeLabel(name, caption, place, font, true, page, Qt::AlignLeft, autoSize);
    QPalette white = label->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(white);
    return label;
}

} // namespace

void Form1::buildDataSheet(QWidget *page)
{
    Image2 = new Picture(QStringLiteral("Image2"), QStringLiteral(":/assets/chip.svg"), page);
    Image2->setGeometry(design::px(design::Image2));
    for (std::size_t i = 0; i < kDataSheet.size(); ++i)
        makeLabel(QStringLiteral("Label%1").arg(14 + i), QString::fromUtf8(kDataSheet[i]),
            design::px(design::DataSheet[i]), DesignFont::Bold975, false, page);
}

void Form1::buildAboutPage(QWidget *page)
{
    auto *image3 = new Picture(QStringLiteral("Image3"), QStringLiteral(":/assets/about.png"), page);
    image3->setGeometry(design::px(design::Image3));

    const QString version = about::shortVersion();
    makeWhiteLabel(QStringLiteral("Label2"), QStringLiteral("Barvoznak ") + version, design::px(design::Label2),
        DesignFont::Bold975, page);
    makeWhiteLabel(
        QStringLiteral("Label23"), about::copyright(), design::px(design::Label23), DesignFont::Bold975, page);
    makeWhiteLabel(
        QStringLiteral("Label24"), about::author(), design::px(design::Label24), DesignFont::Bold975, page);
    Label25 = makeWhiteLabel(
        QStringLiteral("Label25"), about::webAddress(), design::px(design::Label25), DesignFont::Bold975, page);
    Label25->setCursor(Qt::UpArrowCursor);
    Label25->setLink(about::webUrl());
    connect(Label25, &Label::clicked, this, &Form1::Label25_Click);

    // The version at the left end and the identifier near the right end of one fixed line; where the
    // font's blanks are wider than the design's, they are narrowed so the identifier is not cut off. Qt adds
    // word spacing once per run of blanks, not per blank, so it is measured until the line fits.
    Label *label1 = makeWhiteLabel(QStringLiteral("Label1"),
        QLatin1Char(' ') + version + QString(136, QLatin1Char(' ')) + QStringLiteral("Id.:92212"),
        design::px(design::Label1), DesignFont::Dialog, page, false);
    QFont narrower = label1->font();
    for (int step = 1; step <= 32 && QFontMetricsF(narrower).horizontalAdvance(label1->text()) > label1->width();
         ++step)
        narrower.setWordSpacing(-0.5 * step);
    label1->setFont(narrower);

    Label22 = makeLabel(QStringLiteral("Label22"), QStringLiteral("Vodivka 1 - 2"), design::px(design::Label22),
        DesignFont::Dialog, true, page);
    connect(Label22, &Label::clicked, this, &Form1::Label22_Click);
}

void Form1::Label22_Click()
{
    showMessage(QStringLiteral("Barvoznak"),
        QStringLiteral("Značení uhlíkových rezistorů pomocí barevných proužků a SMD rezistorů pomocí "
                       "číselného kódu."));
}

void Form1::Label25_Click()
{
    // The desktop opens the page on its own; whether it could is not the program's concern.
    QDesktopServices::openUrl(QUrl(about::webUrl()));
}

} // namespace barvoznak
