#include "app/form1.h"

#include "app/designstyle.h"
#include "info/about.h"

#include <QApplication>
#include <QMessageBox>
#include <QTabWidget>
#include <QTranslator>

namespace barvoznak {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("barvoznak"));
    QApplication::setApplicationVersion(about::version());
    QApplication::setDesktopFileName(about::appId());
    installAccessibleFactory();
    QApplication::setStyle(new DesignStyle);
    // Qt's own texts in Czech like the program's, whatever the system's language; should the translation
    // not load, they stay English.
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QStringLiteral(":/translations/qtbase_cs.qm")))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
}

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QLatin1String(design::Form1.name));
    setWindowTitle(QStringLiteral("Barvoznak"));
    setWindowIcon(pictureIcon(QStringLiteral(":/assets/icon.svg")));
    // A fixed frame with a close box and no maximise box; the minimise box comes with the load step.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setFixedSize(design::px(design::Form1.place).size());
    setFont(designFont(DesignFont::Dialog));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QLatin1String(design::SSTab1.name));
    SSTab1->setGeometry(design::px(design::SSTab1.place));
    SSTab1->setUsesScrollButtons(false);
    SSTab1->setElideMode(Qt::ElideNone);
    const auto addPage = [this](const QString &caption) {
        auto *page = new QWidget;
        SSTab1->addTab(page, caption);
        return page;
    };
    buildBandsPage(addPage(QStringLiteral("Uhlíkový rezistor")));
    QWidget *smdPage = addPage(QStringLiteral("SMD Rezistor - vel. 1206"));
    buildSmdPage(smdPage);
    buildDataSheet(smdPage);
    buildAboutPage(addPage(QStringLiteral("O programu")));

    Form_Load();
}

void Form1::Form_Load()
{
    EnableMinimizeButton(*this);
    BandCount = 5;
    for (int band = 1; band <= bands::kBandTotal; ++band)
        setBand(band, bands::kStartColors[bands::at(band)]);
    LayoutFiveBands();
}

void Form1::EnableMinimizeButton(QWidget &form)
{
    form.setWindowFlags(form.windowFlags() | Qt::WindowMinimizeButtonHint);
}

void Form1::showMessage(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box.exec();
}

} // namespace barvoznak
