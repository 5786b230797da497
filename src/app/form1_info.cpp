// The About page of the main window: the program's name, the maker's notices and the two labels that react
// to a click.

#include "app/about.h"
#include "app/form1.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace barvoznak {

void Form1::wireAboutPage()
{
    control<Label>("Label2")->setCaption(about::productName() + QLatin1Char(' ') + about::shortVersion());
    control<Label>("Label23")->setCaption(about::copyright());
    control<Label>("Label24")->setCaption(about::author());
    auto *label25 = control<Label>("Label25");
    label25->setCaption(about::webAddress());
    label25->setLink(about::webUrl());
    label25->setClickHandler([this] { Label25_Click(); });
    control<Label>("Label22")->setClickHandler([this] { Label22_Click(); });

    // The version at the left end and the identifier near the right end of one fixed line; where the
    // font's blanks are wider than the design's, they are narrowed so the identifier is not cut off. Qt adds
    // word spacing once per run of blanks, not per blank, so it is measured until the line fits.
    auto *label1 = control<Label>("Label1");
    label1->setCaption(
        QLatin1Char(' ') + about::shortVersion() + QString(136, QLatin1Char(' ')) + QStringLiteral("Id.:92212"));
    QFont narrower = label1->font();
    for (int step = 1; step <= 32 && QFontMetricsF(narrower).horizontalAdvance(label1->text()) > label1->width();
         ++step)
        narrower.setWordSpacing(-0.5 * step);
    label1->setFont(narrower);
}

void Form1::Label22_Click() { QMessageBox::information(this, about::productName(), about::description()); }

void Form1::Label25_Click()
{
    // The desktop opens the page on its own; whether it could is not the program's concern.
    QDesktopServices::openUrl(QUrl(about::webUrl()));
}

} // namespace barvoznak
