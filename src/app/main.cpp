#include "app/application.h"
#include "app/form1.h"

#include <QApplication>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // Tells the setup program and the uninstaller that Barvoznak runs, so they never replace or remove its
    // files while they are in use. Windows drops the mutex when the process ends, however it ends; a second
    // copy of the program only opens the same one. BARVOZNAK_RUNNING_MUTEX comes from packaging/windows.
    CreateMutexW(nullptr, FALSE, BARVOZNAK_RUNNING_MUTEX);
#endif

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
