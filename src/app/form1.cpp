#include "app/form1.h"

#include "app/design.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>

namespace barvoznak {

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    installAccessibleFactory();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Barvoznak"));
    setWindowIcon(drawingIcon(QStringLiteral(":/assets/icon.svg")));
    // A fixed frame with a close box and no maximise box; the minimise box comes with the load step.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setFixedSize(design::px(design::Form1).size());
    setFont(designFont(DesignFont::Dialog));

    SSTab1 = new SSTab(design::px(design::kTabRowHeight), this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(design::px(design::SSTab1));
    buildBandsPage(SSTab1->addPage(QStringLiteral("Uhlíkový rezistor")));
    QWidget *smdPage = SSTab1->addPage(QStringLiteral("SMD Rezistor - vel. 1206"));
    buildSmdPage(smdPage);
    buildDataSheet(smdPage);
    buildAboutPage(SSTab1->addPage(QStringLiteral("O programu")));
    SSTab1->setCurrentIndex(0);

    Form_Load();
}

void Form1::Form_Load()
{
    EnableMinimizeButton(*this);
    BandCount = 5;
    BandColor = { 2, 1, 1, 1, 2 };
    BandValue = { 1, 0, 0, 0, 1 };
    LayoutFiveBands();
}

void Form1::EnableMinimizeButton(QWidget &form)
{
    form.setWindowFlags(form.windowFlags() | Qt::WindowMinimizeButtonHint);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the window ends the program at once; nothing is asked and nothing is kept.
    event->accept();
    QApplication::closeAllWindows();
    QApplication::quit();
}

void Form1::showMessage(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box.exec();
}

} // namespace barvoznak
