#include "app/form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("barvoznak"));
    QApplication::setApplicationVersion(QStringLiteral(BARVOZNAK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.barvoznak"));
    // One look on every desktop, so the designed places and sizes hold everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    barvoznak::Form1 form;
    form.show();
    return app.exec();
}
