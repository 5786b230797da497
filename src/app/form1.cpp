#include "app/form1.h"

#include "app/about.h"
#include "app/colours.h"
#include "app/fonts.h"
#include "app/pictures.h"

#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace barvoznak {

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(about::productName());
    setWindowIcon(pictureIcon(QStringLiteral(":/assets/icon.svg")));
    // A fixed frame with a close box and no maximise box; the minimise box comes with the load step.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setFixedSize(design::px(design::Form1).size());
    setFont(designFont(DesignFont::Dialog));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(design::px(design::SSTab1));
    SSTab1->setUsesScrollButtons(false);
    SSTab1->setElideMode(Qt::ElideNone);
    for (const design::Page &designed : design::kPages) {
        auto *page = new QWidget;
        SSTab1->addTab(page, QString::fromUtf8(designed.caption));
        buildControls(page, designed.rows);
    }
    wireBandsPage();
    wireSmdPage();
    wireAboutPage();
    setFocusOrder();

    Form_Load();
}

void Form1::setFocusOrder()
{
    // The design's order: the tab row, band 1's buttons, the band-count options, the buttons of bands 2 to 5
    // column by column, each from the top, the code boxes. The labels that react to a click follow the
    // designed controls of their page, from the top: the read-outs (value, marking, tolerance), then on the
    // About page the web address and the description.
    QWidget *previous = SSTab1->tabBar();
    const auto chain = [&previous](QWidget *next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int band = 1; band <= bands::kBandTotal; ++band) {
        for (ColorButton *button : bandButtons(band))
            chain(button);
        if (band == 1) {
            chain(Option1);
            chain(Option2);
            chain(Option3);
        }
    }
    for (QWidget *next : std::initializer_list<QWidget *> {
             Label6, Label7, Label10, Text1, Text2, control<Label>("Label25"), control<Label>("Label22") })
        chain(next);
}

void Form1::Form_Load()
{
    EnableMinimizeButton(*this);
    BandCount = 5;
    for (int band = 1; band <= bands::kBandTotal; ++band)
        setBand(band, bands::kStartColors[band]);
    LayoutFiveBands();
}

void Form1::changeEvent(QEvent *event)
{
    // The desktop changed its colours or its scheme (High Contrast on or off among them).
    if (event->type() == QEvent::ThemeChange)
        chooseColours();
    QWidget::changeEvent(event);
}

void Form1::EnableMinimizeButton(QWidget &form)
{
    form.setWindowFlags(form.windowFlags() | Qt::WindowMinimizeButtonHint);
}

} // namespace barvoznak
