// The fixed information of the main window: the data sheet and chip drawing on the SMD page, and the About
// page with the program's name, the maker's notices and the two labels that react to a click.

#include "app/form1.h"
#include "app/about.h"

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

} // namespace

void Form1::buildDataSheet(QWidget *page)
{
    makeControl<Picture>(page, design::Image2, QStringLiteral(":/assets/chip.svg"));
    for (std::size_t i = 0; i < kDataSheet.size(); ++i)
        makeLabel(page, design::DataSheet[i], QString::fromUtf8(kDataSheet[i]), { .transparent = false });
}

void Form1::buildAboutPage(QWidget *page)
{
    makeControl<Picture>(page, design::Image3, QStringLiteral(":/assets/about.png"));
    const LabelLook white { .white = true };
    makeLabel(page, design::Label2, QStringLiteral("Barvoznak ") + about::shortVersion(), white);
    makeLabel(page, design::Label23, about::copyright(), white);
    makeLabel(page, design::Label24, about::author(), white);
    Label *label25 = makeLabel(page, design::Label25, about::webAddress(), white);
    label25->setCursor(Qt::UpArrowCursor);
    label25->setLink(about::webUrl());
    connect(label25, &Label::clicked, this, &Form1::Label25_Click);

    // The version at the left end and the identifier near the right end of one fixed line; where the
    // font's blanks are wider than the design's, they are narrowed so the identifier is not cut off. Qt adds
    // word spacing once per run of blanks, not per blank, so it is measured until the line fits.
    Label *label1 = makeLabel(page, design::Label1,
        QLatin1Char(' ') + about::shortVersion() + QString(136, QLatin1Char(' ')) + QStringLiteral("Id.:92212"),
        { .font = DesignFont::Dialog, .autoSize = false, .white = true });
    QFont narrower = label1->font();
    for (int step = 1; step <= 32 && QFontMetricsF(narrower).horizontalAdvance(label1->text()) > label1->width();
         ++step)
        narrower.setWordSpacing(-0.5 * step);
    label1->setFont(narrower);

    Label *label22
        = makeLabel(page, design::Label22, QStringLiteral("Vodivka 1 - 2"), { .font = DesignFont::Dialog });
    connect(label22, &Label::clicked, this, &Form1::Label22_Click);
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
