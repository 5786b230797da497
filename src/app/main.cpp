#include "app/form1.h"

#include <QApplication>

#include <algorithm>

int main(int argc, char *argv[])
{
    // The program takes no arguments: Qt sees only the program's name, so none of its own options (a style
    // sheet, a mirrored layout) can change the window. Its environment variables still apply.
    int programNameOnly = std::min(argc, 1);
    barvoznak::choosePlatform();
    QApplication app(programNameOnly, argv);
    barvoznak::setUpApplication();

    barvoznak::Form1 form;
    form.show();
    return app.exec();
}
