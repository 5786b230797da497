#include "app/form1.h"

#include <QApplication>
#include <QStyleFactory>

#include <algorithm>

int main(int argc, char *argv[])
{
    // The program takes no arguments: Qt sees only the program's name, so none of its own options (a style
    // sheet, a mirrored layout) can change the window. Its environment variables still apply.
    int programNameOnly = std::min(argc, 1);
    QApplication app(programNameOnly, argv);
    QApplication::setApplicationName(QStringLiteral("barvoznak"));
    QApplication::setApplicationVersion(QStringLiteral(BARVOZNAK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.barvoznak"));
    // One look on every desktop, so the designed places and sizes hold everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    barvoznak::Form1 form;
    form.show();
    return app.exec();
}
